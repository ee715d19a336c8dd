#include "interchange/command/table_import_command.h"

#include "interchange/command/command_list.h"
#include "interchange/command/interchange_command.h"
#include "interchange/command/table_file_kind.h"
#include "interchange/files/map_file.h"
#include "interchange/import/table_import_run.h"
#include "interchange/tables/outside_readers.h"
#include "shell/core/session.h"

namespace vn {

namespace {

std::unique_ptr<ForeignTable> openTable(const InterchangeCommand& command, QTextStream& err) {
    ForeignProblem problem;
    auto table = outsideTableReaders().open(*tableSourceOf(command.file), command.file, command.table, problem);
    if (!table) err << fileProblemText(command.file, 0, problem.message) << Qt::endl;
    return table;
}

// The table named in messages: the file, and for a data base its table.
QString sourceName(const InterchangeCommand& command) {
    return command.table.isEmpty() ? command.file : QStringLiteral("%1, table %2").arg(command.file, command.table);
}

}  // namespace

int importOutsideTable(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    const auto definitions = commandListFields(session, command.listCode, err);
    if (!definitions) return kCommandFailed;
    const std::unique_ptr<ForeignTable> table = openTable(command, err);
    if (!table) return kCommandFailed;
    MapFileProblem problem;
    const FileFields fields{FileFields::Use::Table, std::max(1, int(table->columns().size()))};
    const auto map = readMapFile(command.mapFile, *definitions, problem, fields);
    if (!map || map->mapping.isEmpty()) {
        err << fileProblemText(command.mapFile, map ? 0 : problem.line, map ? QStringLiteral("The map file fills no field.") : problem.message)
            << Qt::endl;
        return kCommandFailed;
    }
    TableImportRun run(session.access, commandImportPlan(session, *definitions, map->mapping), *table, sourceName(command));
    return reportImport(run, command.file, out, err);
}

}  // namespace vn
