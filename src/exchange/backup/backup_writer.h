#pragma once

#include "exchange/backup/backup_header.h"
#include "exchange/codec/work_progress.h"

#include <QDateTime>
#include <QList>

namespace vn {

class Prompter;
class RecordAccess;

struct BackupRequest {
    QList<int> tableSlots;  // in check box order
    BackupSource source;
    QDateTime now = QDateTime::currentDateTime();
};

inline constexpr char kBackupFileName[] = "vnBack.txt";

// The backup file in a folder, in whatever case it is spelled there.
QString backupFileIn(const QString& folder);

// Writes the chosen tables into the file: through a temporary file in its folder, renamed over
// it once complete, so a failed or cancelled backup leaves the previous file as it was. Then
// "BackUpDate" (when present) takes the time of the backup, which the file's own copy of it
// already holds. Failures are told through the prompter: a target that cannot be written with
// the path and the system's reason, a value the file cannot carry with its table, key and field.
WorkEnd WriteBackup(RecordAccess& access, Prompter& prompter, const QString& file, const BackupRequest& request,
                    const WorkProgress& progress = {});

// Copies a written backup into another folder, through a temporary file there; the system's
// reason when it fails, empty when done.
QString copyBackupFile(const QString& file, const QString& folder);

// The error for a backup file that cannot be written.
QString backupTargetError(const QString& path, const QString& reason);

}  // namespace vn
