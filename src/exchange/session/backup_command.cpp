#include "exchange/session/backup_command.h"

#include "exchange/backup/backup_restore.h"
#include "exchange/backup/backup_tables.h"
#include "exchange/backup/backup_writer.h"
#include "exchange/panels/backup_source.h"
#include "platform/stream_prompter.h"
#include "shell/core/command_run.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

constexpr int kDone = 0, kFailed = 1;

// The backup file a FILE argument names.
QString backupPath(const QString& target) {
    const QString path = QDir::current().absoluteFilePath(target);
    return QFileInfo(path).isDir() ? backupFileIn(path) : path;
}

std::optional<QList<int>> namedTables(const QString& list, QString& problem) {
    QList<int> named;
    for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
        const int slot = backupSlotNamed(name.trimmed());
        if (slot == 0) {
            problem = QStringLiteral("--tables: no table is named \"%1\".").arg(name.trimmed());
            return std::nullopt;
        }
        named << slot;
    }
    if (named.isEmpty()) problem = QStringLiteral("--tables takes the short names of the tables, such as Head,Pag1.");
    if (named.isEmpty()) return std::nullopt;
    QList<int> ordered;  // the file lists its tables in check box order
    for (int slot : allBackupSlots())
        if (named.contains(slot)) ordered << slot;
    return ordered;
}

int backup(Session& session, const BackupCommand& command, QTextStream& out) {
    BackupRequest request;
    request.tableSlots = command.tableSlots;
    request.source = backupSource(session);
    const QString file = backupPath(command.target);
    if (WriteBackup(session.access, session.prompter, file, request) != WorkEnd::Done) return kFailed;
    out << "Backup written to " << file << Qt::endl;
    return kDone;
}

int restore(Session& session, const BackupCommand& command, QTextStream& out) {
    const QString file = backupPath(command.target);
    if (!ReadBackupHeader(file, session.settings.backupDate, session.prompter)) return kFailed;
    const RestoreMode mode = command.clear ? RestoreMode::ClearFirst : RestoreMode::Merge;
    if (RestoreBackup(session.access.database(kParmSlot), session.prompter, file, mode) != WorkEnd::Done) return kFailed;
    out << "Restored from " << file << Qt::endl;
    return kDone;
}

}  // namespace

bool isBackupCommand(const QString& option) {
    return option == QLatin1String("--backup") || option == QLatin1String("--restore");
}

std::optional<BackupCommand> parseBackupCommand(const QStringList& arguments, QString& problem) {
    BackupCommand command;
    const QString name = arguments.value(0);
    command.kind = name == QLatin1String("--restore") ? BackupCommand::Kind::Restore : BackupCommand::Kind::Backup;
    command.tableSlots = allBackupSlots();
    const bool restoring = command.kind == BackupCommand::Kind::Restore;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!restoring && argument == QLatin1String("--tables") && i + 1 < arguments.size()) {
            const auto tables = namedTables(arguments[++i], problem);
            if (!tables) return std::nullopt;
            command.tableSlots = *tables;
        } else if (restoring && argument == QLatin1String("--clear")) {
            command.clear = true;
        } else if (restoring && argument == QLatin1String("--force")) {
            command.force = true;
        } else if (!argument.startsWith(QLatin1String("--")) && command.target.isEmpty()) {
            command.target = argument;
        } else {
            problem = QStringLiteral("%1 does not take \"%2\".").arg(name, argument);
            return std::nullopt;
        }
    }
    if (command.target.isEmpty()) {
        problem = QStringLiteral("%1 takes a FILE: the backup file or a folder holding vnBack.txt.").arg(name);
        return std::nullopt;
    }
    return command;
}

int runBackupCommand(const BackupCommand& command, QTextStream& out, QTextStream& err) {
    StreamPrompter prompter(err, command.force);
    return runOnDataSet(prompter, [&](Session& session) {
        return command.kind == BackupCommand::Kind::Backup ? backup(session, command, out) : restore(session, command, out);
    });
}

}  // namespace vn
