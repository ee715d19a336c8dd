#pragma once

#include <QList>
#include <QString>

namespace vn {

class DriveMap;
struct Settings;

// A place backups go to and are restored from. The settings name drive letters; the drive map
// says which folder each letter is here.
struct BackupDestination {
    int choice = 0;        // 1 to 4
    QString caption;
    QString folder;        // empty when the letter is not mapped
    QString secondFolder;  // a backup to the hard disk is written here as well; may be empty
    bool removable = false;
    bool enabled = false;
};

// Diskette ("FloppyDrive", only at the county level), removable disk ("ZipDrive"), hard disk
// ("BackDrive", then the state folder too), and the state folder (then "BackDrive" too).
QList<BackupDestination> backupDestinations(const Settings& settings, const DriveMap& drives, const QString& dataFolder,
                                            int operationalLevel);

}  // namespace vn
