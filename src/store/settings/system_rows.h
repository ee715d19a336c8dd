#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace vn {

class RecordAccess;

// One row of the System table: the version last run, a dismissed note, a one-time operation done.
struct SystemRow {
    QString value;
    QDateTime written;  // invalid: not set
    bool done = false;  // "T": a completed one-time operation
};

// Creates or overwrites the row; an invalid date-time and a false flag are written empty.
void writeSystemRow(RecordAccess& access, const QString& key, const SystemRow& row);

std::optional<SystemRow> readSystemRow(RecordAccess& access, const QString& key);

}  // namespace vn
