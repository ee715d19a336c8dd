#include "interchange/command/interchange_command.h"

#include "interchange/command/export_command.h"
#include "interchange/command/import_command.h"
#include "platform/stream_prompter.h"
#include "shell/core/command_run.h"

#include <QDir>

namespace vn {

namespace {

QString absolute(const QString& path) { return QDir::cleanPath(QDir::current().absoluteFilePath(path)); }

QString synopsis(InterchangeCommand::Kind kind) {
    return kind == InterchangeCommand::Kind::Import ? QStringLiteral("--import takes LIST FILE --map MAPFILE.")
                                                    : QStringLiteral("--export takes LIST FILE [--layout LAYOUTFILE] [--no-bom].");
}

// An option and its value; false when the option is not the command's or its value is missing.
bool takeOption(InterchangeCommand& command, const QStringList& arguments, qsizetype& i) {
    const QString& option = arguments[i];
    const bool importing = command.kind == InterchangeCommand::Kind::Import;
    if (!importing && option == QLatin1String("--no-bom")) {
        command.byteOrderMark = false;
        return true;
    }
    QString* value = importing && option == QLatin1String("--map") ? &command.mapFile
                     : !importing && option == QLatin1String("--layout") ? &command.layoutFile
                                                                         : nullptr;
    if (!value || i + 1 >= arguments.size() || !value->isEmpty()) return false;
    *value = absolute(arguments[++i]);
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
    return command;
}

int runInterchangeCommand(const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    StreamPrompter prompter(err, false);
    return runOnDataSet(prompter, [&](Session& session) {
        return command.kind == InterchangeCommand::Kind::Import ? importTextFile(session, command, out, err)
                                                                : exportListFile(session, command, out, err);
    });
}

}  // namespace vn
