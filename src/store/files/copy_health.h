#pragma once

#include "store/engine/database.h"

#include <QString>
#include <QStringList>

namespace vn {

// What a look at one copy of the tables (the live database or its saved copy) found.
struct CopyHealth {
    enum class State { Absent, Good, Incomplete, OlderLayout, Damaged };
    State state = State::Absent;
    QString detail;             // the cause in words, for all but Good and Absent
    QStringList missingTables;  // Incomplete: the tables to create empty

    bool good() const { return state == State::Good; }
    bool usable() const { return state == State::Good || state == State::Incomplete; }
    bool present() const { return state != State::Absent; }
};

// Opens the file (read only when asked, so a saved copy is never touched), runs the engine's
// check and compares every table's columns with the layout. Never throws.
CopyHealth inspectCopy(const QString& path, Database::Check depth, Database::Access access);

}  // namespace vn
