#pragma once

#include <QtGlobal>

namespace vn {

class RecordAccess;

struct InstallationClearing {
    qint64 rowsDeleted = 0;     // in every emptied table, the list counters in Parm included
    int settingsReset = 0;      // the setup's settings found and reset
};

// Empties the installation's list and record tables, drops the lists' record counters and resets
// the setup's settings, so the setup wizard runs at the next start. One transaction.
InstallationClearing clearInstallation(RecordAccess& access);

// Deletes every row of Link in one transaction; returns how many there were.
qint64 clearLinks(RecordAccess& access);

}  // namespace vn
