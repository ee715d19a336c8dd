#pragma once

#include "lists/records/record_key.h"

#include <QString>
#include <functional>
#include <vector>

namespace vn {

class RecordAccess;

// Called as a long task goes on; false cancels it, and nothing it did is kept.
using MaintenanceStep = std::function<bool(qint64 done, qint64 total)>;

// What every task works on. The origin (state code and county code) makes converted keys.
struct MaintenanceContext {
    RecordAccess& access;
    KeyOrigin origin;
    MaintenanceStep step;  // may be empty
};

// One table of a pack: its rows before and after.
struct PackedTable {
    QString table;
    qint64 read = 0;
    qint64 kept = 0;
};

// One number a task reports ("Records converted", 12).
struct TaskCount {
    QString what;
    qint64 number = 0;
};

// What a task did, for the window to show.
struct TaskOutcome {
    bool cancelled = false;   // stopped through the step callback; nothing was changed
    QString refusal;          // not empty: refused before anything was changed, and why
    QString closingMessage;   // not empty: shown, then the program ends in order
    std::vector<TaskCount> counts;
    std::vector<PackedTable> packed;
};

}  // namespace vn
