#include "interchange/command/interchange_command.h"

#include "interchange/command/export_command.h"
#include "interchange/command/import_command.h"
#include "interchange/command/table_export_command.h"
#include "interchange/command/table_file_kind.h"
#include "interchange/command/table_import_command.h"
#include "platform/stream_prompter.h"
#include "shell/core/command_run.h"

#include <QDir>

namespace vn {

namespace {

QString absolute(const QString& path) { return QDir::cleanPath(QDir::current().absoluteFilePath(path)); }

QString synopsis(InterchangeCommand::Kind kind) {
    return kind == InterchangeCommand::Kind::Import
               ? QStringLiteral("--import takes LIST FILE --map MAPFILE, and --table NAME for an Access data base.")
               : QStringLiteral("--export takes LIST FILE [--layout LAYOUTFILE] [--no-bom], or LIST FILE.db|FILE.dbf "
                                "--layout LAYOUTFILE [--replace].");
}

// An option without a value: --no-bom clears the byte order mark, --replace sets replacing.
bool takeFlag(InterchangeCommand& command, const QString& option) {
    const bool importing = command.kind == InterchangeCommand::Kind::Import;
    bool* flag = !importing && option == QLatin1String("--no-bom")    ? &command.byteOrderMark
                 : !importing && option == QLatin1String("--replace") ? &command.replace
                                                                      : nullptr;
    if (!flag) return false;
    *flag = option == QLatin1String("--replace");
    return true;
}

// What the file's kind asks of the options: a table of an Access data base is named, no other
// file takes a table name; a new table has a layout and no byte order mark; only a table is replaced.
QString kindProblem(const InterchangeCommand& command) {
    if (command.kind == InterchangeCommand::Kind::Import) {
        const bool access = tableSourceOf(command.file) == TableSource::Access;
        if (access && command.table.isEmpty()) return QStringLiteral("An Access data base needs --table NAME.");
        if (!access && !command.table.isEmpty()) return QStringLiteral("--table names a table of an Access data base (.mdb, .accdb).");
        return QString();
    }
    if (tableSourceOf(command.file) == TableSource::Access)
        return QStringLiteral("Access data bases are read, not written: export to a .db or .dbf table.");
    const bool table = tableFormatOf(command.file).has_value();
    if (table && (command.layoutFile.isEmpty() || !command.byteOrderMark))
        return QStringLiteral("A new table takes --layout LAYOUTFILE and no --no-bom.");
    if (!table && command.replace) return QStringLiteral("--replace is for a new table (.db, .dbf).");
    return QString();
}

// An option and its value; false when the option is not the command's or its value is missing.
bool takeOption(InterchangeCommand& command, const QStringList& arguments, qsizetype& i) {
    const QString& option = arguments[i];
    const bool importing = command.kind == InterchangeCommand::Kind::Import;
    if (takeFlag(command, option)) return true;
    QString* value = importing && option == QLatin1String("--map")       ? &command.mapFile
                     : importing && option == QLatin1String("--table")   ? &command.table
                     : !importing && option == QLatin1String("--layout") ? &command.layoutFile
                                                                         : nullptr;
    if (!value || i + 1 >= arguments.size() || !value->isEmpty() || arguments[i + 1].isEmpty()) return false;
    ++i;
    *value = value == &command.table ? arguments[i] : absolute(arguments[i]);
    return true;
}

}  // namespace

bool isInterchangeCommand(const QString& option) {
    return option == QLatin1String("--import") || option == QLatin1String("--export");
}

std::optional<InterchangeCommand> parseInterchangeCommand(const QStringList& arguments, QString& problem) {
    InterchangeCommand command;
    const QString name = arguments.value(0);
    command.kind = name == QLatin1String("--export") ? InterchangeCommand::Kind::Export : InterchangeCommand::Kind::Import;
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1String("--"))) {
            positional << arguments[i];
        } else if (!takeOption(command, arguments, i)) {
            problem = QStringLiteral("%1 does not take \"%2\" there. %3").arg(name, arguments[i], synopsis(command.kind));
            return std::nullopt;
        }
    }
    const bool mapMissing = command.kind == InterchangeCommand::Kind::Import && command.mapFile.isEmpty();
    if (positional.size() != 2 || positional[0].isEmpty() || positional[1].isEmpty() || mapMissing) {
        problem = synopsis(command.kind);
        return std::nullopt;
    }
    command.listCode = positional[0];
    command.file = absolute(positional[1]);
    if (const QString wrong = kindProblem(command); !wrong.isEmpty()) {
        problem = QStringLiteral("%1 %2").arg(wrong, synopsis(command.kind));
        return std::nullopt;
    }
    return command;
}

int runInterchangeCommand(const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    StreamPrompter prompter(err, false);
    return runOnDataSet(prompter, [&](Session& session) {
        if (command.kind == InterchangeCommand::Kind::Import)
            return tableSourceOf(command.file) ? importOutsideTable(session, command, out, err)
                                               : importTextFile(session, command, out, err);
        return tableFormatOf(command.file) ? exportListTable(session, command, out, err)
                                           : exportListFile(session, command, out, err);
    });
}

}  // namespace vn
