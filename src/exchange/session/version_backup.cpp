#include "exchange/session/version_backup.h"

#include "exchange/backup/backup_tables.h"
#include "exchange/backup/backup_writer.h"
#include "exchange/panels/backup_source.h"
#include "platform/drive_map.h"
#include "platform/prompter.h"
#include "shell/core/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vn {

namespace {

// A name beside the file that nothing has yet.
QString keptName(const QString& folder, const QDateTime& now) {
    const QString stem = QStringLiteral("vnBack-") + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = QDir(folder).filePath(stem + QStringLiteral(".txt"));
    for (int n = 2; QFileInfo::exists(name); ++n) name = QDir(folder).filePath(stem + QStringLiteral("-%1.txt").arg(n));
    return name;
}

}  // namespace

VersionBackup writeVersionBackup(Session& session, const DriveMap& drives, const QDateTime& now) {
    const QString folder = drives.folder('C');
    if (folder.isEmpty()) {
        session.prompter.error(backupTargetError(QStringLiteral("C:"), QStringLiteral("the drive is not mapped to a folder")));
        return {};
    }
    const QString file = backupFileIn(folder);
    QString kept;
    if (QFileInfo::exists(file)) {
        kept = keptName(folder, now);
        QFile existing(file);
        if (!existing.rename(kept)) {
            session.prompter.error(backupTargetError(
                file, QStringLiteral("the backup there could not be kept as %1 (%2)").arg(kept, existing.errorString())));
            return {};
        }
    }
    BackupRequest request;
    for (int slot : allBackupSlots().mid(0, kVersionBackupTables)) request.tableSlots << slot;
    request.source = backupSource(session);
    request.now = now;
    if (WriteBackup(session.access, session.prompter, file, request) != WorkEnd::Done) {
        if (!kept.isEmpty()) QFile::rename(kept, file);
        return {};
    }
    session.settings.backupDate = storedBackupDate(session);
    return {true, file};
}

}  // namespace vn
