#include "interchange/command/export_command.h"

#include "interchange/command/command_list.h"
#include "interchange/command/interchange_command.h"
#include "interchange/command/whole_list_order.h"
#include "interchange/export/export_run.h"
#include "interchange/files/map_file.h"
#include "interchange/files/text_file_settings.h"
#include "shell/core/session.h"

namespace vn {

namespace {


ExportFormat formatOf(const QString& path) {
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) return ExportFormat::Csv;
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) return ExportFormat::Xlsx;
    return ExportFormat::Text;
}

bool refuse(QTextStream& err, const QString& path, int line, const QString& message) {
    err << fileProblemText(path, line, message) << Qt::endl;
    return false;
}

// The layout's fields and settings, or every field of the list without a layout.
bool readOrder(const InterchangeCommand& command, const DefinitionCache& definitions, ExportPlan& plan,
               TextFileSettings& settings, QTextStream& err) {
    if (command.layoutFile.isEmpty()) {
        plan.order = wholeListOrder(definitions);
        return true;
    }
    MapFileProblem problem;
    const auto layout = readLayoutFile(command.layoutFile, definitions, problem);
    if (!layout) return refuse(err, command.layoutFile, problem.line, problem.message);
    if (layout->order.isEmpty()) return refuse(err, command.layoutFile, 0, QStringLiteral("The layout names no field."));
    plan.order = layout->order;
    settings = layout->settings;
    return true;
}

// A text file is written by the layout's method.
bool readMethod(const InterchangeCommand& command, const TextFileSettings& settings, ExportPlan& plan, QTextStream& err) {
    if (plan.format != ExportFormat::Text) return true;
    if (command.layoutFile.isEmpty())
        return refuse(err, command.file, 0, QStringLiteral("Without a layout only .csv and .xlsx files can be written."));
    QString missing;
    const auto cut = cutSettingsOf(settings, missing);
    if (!cut) return refuse(err, command.layoutFile, 0, missing);
    plan.line = *cut;
    return true;
}

std::optional<ExportPlan> exportPlan(const InterchangeCommand& command, const DefinitionCache& definitions, QTextStream& err) {
    ExportPlan plan;
    plan.listCode = definitions.listCode();
    plan.format = formatOf(command.file);
    plan.byteOrderMark = command.byteOrderMark;
    plan.path = command.file;
    TextFileSettings settings;
    if (!readOrder(command, definitions, plan, settings, err) || !readMethod(command, settings, plan, err)) return std::nullopt;
    plan.selection = settings.selection.value_or(SelectionOutput::Text);
    plan.charset = settings.charset.value_or(TextCharset::Windows1252);
    return plan;
}

}  // namespace

int exportListFile(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    const auto definitions = commandListFields(session, command.listCode, err);
    if (!definitions) return kCommandFailed;
    const auto plan = exportPlan(command, *definitions, err);
    if (!plan) return kCommandFailed;
    ExportSummary summary;
    QString failure;
    if (exportList(session.access, *plan, WorkProgress{}, summary, failure) != WorkEnd::Done) {
        refuse(err, command.file, 0, failure);
        return kCommandFailed;
    }
    out << summary.message(command.file) << Qt::endl;
    return kCommandDone;
}

}  // namespace vn
