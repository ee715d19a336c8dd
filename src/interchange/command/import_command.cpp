#include "interchange/command/import_command.h"

#include "interchange/command/command_list.h"
#include "interchange/command/interchange_command.h"
#include "interchange/files/map_file.h"
#include "interchange/files/text_file_settings.h"
#include "interchange/import/import_run.h"
#include "shell/core/session.h"

namespace vn {

namespace {


// The records the map's method cuts from the file, its heading records left out.
std::optional<QList<ImportRecord>> fileRecords(const QString& path, const MapFile& map, const CutSettings& cut, QTextStream& err) {
    TextProblem problem;
    const auto lines = readImportText(path, map.settings.charset, problem);
    auto records = lines ? cutImportRecords(*lines, cut, problem) : std::nullopt;
    if (!records) {
        err << fileProblemText(path, problem.line, problem.message) << Qt::endl;
        return std::nullopt;
    }
    return records->mid(std::min<qsizetype>(map.settings.skip.value_or(0), records->size()));
}

}  // namespace

int importTextFile(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    const auto definitions = commandListFields(session, command.listCode, err);
    if (!definitions) return kCommandFailed;
    MapFileProblem problem;
    const auto map = readMapFile(command.mapFile, *definitions, problem);
    if (!map) {
        err << fileProblemText(command.mapFile, problem.line, problem.message) << Qt::endl;
        return kCommandFailed;
    }
    QString missing = map->mapping.isEmpty() ? QStringLiteral("The map file fills no field.") : QString();
    const auto cut = cutSettingsOf(map->settings, missing);
    if (!cut || !missing.isEmpty()) {
        err << fileProblemText(command.mapFile, 0, missing) << Qt::endl;
        return kCommandFailed;
    }
    auto records = fileRecords(command.file, *map, *cut, err);
    if (!records) return kCommandFailed;

    ImportPlan plan = commandImportPlan(session, *definitions, map->mapping);
    plan.fieldCount = records->isEmpty() ? 0 : int(records->first().fields.size());
    ImportRun run(session.access, std::move(plan), std::move(*records));
    return reportImport(run, command.file, out, err);
}

}  // namespace vn
