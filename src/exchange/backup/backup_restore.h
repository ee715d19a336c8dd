#pragma once

#include "exchange/backup/backup_header.h"
#include "exchange/codec/work_progress.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace vn {

class Database;
class Prompter;

// What "Open Restore File" shows of a backup.
struct BackupSummary {
    QString file;
    BackupHeader header;
    QList<int> tableSlots;
    QStringList titles;  // as the file names its tables
};

// Reads the first line and the table lines. A backup older than the last one ("BackUpDate"),
// or one whose date cannot be read, is restored only when the user goes on. Nothing when the
// file is missing, unreadable, no backup, or the user stopped (all told through the prompter).
std::optional<BackupSummary> ReadBackupHeader(const QString& file, const QString& lastBackup, Prompter& prompter);

enum class RestoreMode { Merge, ClearFirst };

// "Restore Data" (Merge) and "Clear and Restore Data" (ClearFirst: the file's tables from slot 4
// on are emptied first; System and Parm never). The whole file is checked before anything
// changes; a file from another program version and lines that cannot be restored are asked
// about first. Then clearing and restoring run as one transaction: an error or Cancel leaves
// every table as it was.
WorkEnd RestoreBackup(Database& db, Prompter& prompter, const QString& file, RestoreMode mode, const WorkProgress& progress = {});

}  // namespace vn
