#pragma once

#include "exchange/backup/backup_restore.h"
#include "exchange/panels/backup_destinations.h"
#include "exchange/panels/panel_work.h"
#include "platform/drive_map.h"

#include <QStringList>

namespace vn {

class Navigator;
class Session;

struct RestorePanelState {
    QList<BackupDestination> locations;
    int location = 0;
    bool openEnabled = false;
    bool restoreEnabled = false;  // "Restore Data" and "Clear and Restore Data"
    QString fileInformation;      // the backup's first line
    bool tablesShown = false;
    QStringList tablesFound;
    Gauge gauge;
};

// The rules of the restore panel: the location, the backup's first lines, and the restore that
// ends the run in order so the restored tables are saved and every setting is read afresh.
class RestorePanel {
public:
    RestorePanel(Session& session, Navigator& navigator, const DriveMap& drives, PanelHost& host);

    const RestorePanelState& state() const { return m_state; }

    void open();
    void chooseLocation(int choice);
    void openFile();
    void restore();
    void clearAndRestore();
    void cancel() { m_work.cancel(); }

private:
    QString folder() const;
    void run(RestoreMode mode);

    Session& m_session;
    Navigator& m_navigator;
    DriveMap m_drives;
    RestorePanelState m_state;
    QString m_file;
    PanelWork m_work;
};

}  // namespace vn
