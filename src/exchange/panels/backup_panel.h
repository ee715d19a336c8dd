#pragma once

#include "exchange/backup/backup_tables.h"
#include "exchange/backup/removable_medium.h"
#include "exchange/panels/backup_destinations.h"
#include "exchange/panels/panel_work.h"
#include "platform/drive_map.h"

#include <QDateTime>
#include <QStringList>
#include <array>

namespace vn {

class Session;

struct BackupPanelState {
    std::array<bool, kBackupTableCount> checked{};  // by check box number - 1
    QList<BackupDestination> destinations;
    int destination = 0;  // the choice made, 0 none
    bool backupEnabled = false;
    QString lastBackup;
    bool fileListShown = false;  // an occupied removable medium
    QStringList fileEntries;
    Gauge gauge;
};

// The rules of the backup panel: the tables, the destination, and writing the backup there.
// A removable medium is tested first, and its files are listed before anything is erased.
class BackupPanel {
public:
    BackupPanel(Session& session, const DriveMap& drives, PanelHost& host);

    const BackupPanelState& state() const { return m_state; }

    void open();
    void selectAll();
    void clear();
    void setTable(int number, bool checked);
    void chooseDestination(int choice);
    void backup();
    void deleteFilesAndContinue();
    void exchangeDiskette();
    void cancel() { m_work.cancel(); }

private:
    const BackupDestination* chosen() const;
    void updateEnabled();
    void write(const BackupDestination& destination);
    bool writeInto(const QString& folder, const QDateTime& now);

    Session& m_session;
    DriveMap m_drives;
    BackupPanelState m_state;
    QList<MediumFile> m_listed;
    PanelWork m_work;
};

}  // namespace vn
