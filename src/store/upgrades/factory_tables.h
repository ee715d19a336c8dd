#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vn {

class Database;

struct FactoryOutcome {
    QStringList loaded;    // tables whose factory rows were added, in order
    QStringList problems;  // a factory file missing or refused: its marker stays pending
};

// Adds the factory tables whose marker is missing, in order. A live table that is missing or empty
// takes every factory row; otherwise only the rows whose keys are missing, so no user row changes.
// Each table and its marker are one transaction.
FactoryOutcome addFactoryTables(Database& live, const QString& newTablesFolder, const QDateTime& now);

}  // namespace vn
