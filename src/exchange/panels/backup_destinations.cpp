#include "exchange/panels/backup_destinations.h"

#include "platform/drive_map.h"
#include "store/settings/settings.h"

namespace vn {

namespace {

constexpr int kCountyLevel = 1;

// The folder of a drive setting such as "A:"; empty when it names no mapped letter.
QString driveFolder(const QString& setting, const DriveMap& drives) {
    const QString text = setting.trimmed();
    if (text.size() < 2 || text.at(1) != ':' || !text.at(0).isLetter()) return {};
    return drives.folder(text.at(0));
}

BackupDestination drive(int choice, const QString& setting, const char* kind, const DriveMap& drives) {
    BackupDestination d;
    d.choice = choice;
    d.caption = setting + QStringLiteral("\\    [") + QString::fromLatin1(kind) + ']';
    d.folder = driveFolder(setting, drives);
    d.enabled = !d.folder.isEmpty();
    return d;
}

}  // namespace

QList<BackupDestination> backupDestinations(const Settings& settings, const DriveMap& drives, const QString& dataFolder,
                                            int operationalLevel) {
    BackupDestination floppy = drive(1, settings.floppyDrive, "1.44 MB Disk Drive", drives);
    floppy.removable = true;
    floppy.enabled = floppy.enabled && operationalLevel == kCountyLevel;
    BackupDestination zip = drive(2, settings.zipDrive, "100 MB Zip Drive", drives);
    zip.removable = true;
    BackupDestination hard = drive(3, settings.backDrive, "Hard Drive", drives);
    hard.secondFolder = dataFolder;
    BackupDestination state;
    state.choice = 4;
    state.caption = QStringLiteral("Varnedo State Folder");
    state.folder = dataFolder;
    state.secondFolder = hard.folder;
    state.enabled = true;
    return {floppy, zip, hard, state};
}

}  // namespace vn
