#pragma once

#include <QList>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace vn {

// "--backup FILE [--tables NAME,...]" and "--restore FILE [--clear] [--force]": the archive
// window's backup and restore without a window. FILE is the backup file or a folder holding
// vnBack.txt.
struct BackupCommand {
    enum class Kind { Backup, Restore };
    Kind kind = Kind::Backup;
    QString target;
    QList<int> tableSlots;  // a backup's tables in check box order; all 27 unless named
    bool clear = false;     // "Clear and Restore Data"
    bool force = false;     // an older date, another version, bad lines: go on
};

bool isBackupCommand(const QString& option);

// The command from the arguments after the program's name; nothing, with the problem, when they
// are not right.
std::optional<BackupCommand> parseBackupCommand(const QStringList& arguments, QString& problem);

// Runs it on the data set the program would start on, holding the program's locks, and ends as
// the program's orderly exit does (the saved copy written). Messages go to err. The exit status:
// 0 done, 1 refused or failed, 3 the program is running.
int runBackupCommand(const BackupCommand& command, QTextStream& out, QTextStream& err);

}  // namespace vn
