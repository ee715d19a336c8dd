#include "interchange/command/table_export_command.h"

#include "interchange/command/command_list.h"
#include "interchange/command/interchange_command.h"
#include "interchange/command/table_file_kind.h"
#include "interchange/export/table_export_run.h"
#include "interchange/export/table_field_names.h"
#include "interchange/export/table_structure.h"
#include "interchange/files/map_file.h"
#include "interchange/tables/new_table_writers.h"
#include "interchange/tables/table_members.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QFileInfo>

namespace vn {

namespace {

bool refuse(QTextStream& err, const QString& path, int line, const QString& message) {
    err << fileProblemText(path, line, message) << Qt::endl;
    return false;
}

// The table's fields from the layout: a field of the list each, named for the format.
bool readStructure(const InterchangeCommand& command, const DefinitionCache& definitions, TableExportPlan& plan,
                   QTextStream& err) {
    MapFileProblem problem;
    const auto layout = readLayoutFile(command.layoutFile, definitions, problem, {FileFields::Use::Table});
    if (!layout) return refuse(err, command.layoutFile, problem.line, problem.message);
    if (layout->order.isEmpty()) return refuse(err, command.layoutFile, 0, QStringLiteral("The layout names no field."));
    TableStructure structure(plan.format);
    for (const OrderEntry& entry : layout->order) structure.add(entry.caption, entry.field);
    plan.fields = structure.fields();
    plan.tableFields = structure.tableFields();
    return true;
}

// The table's name from FILE, and no table of that name in its folder unless it is to be replaced.
bool checkName(const InterchangeCommand& command, TableFormat format, QTextStream& err) {
    const QFileInfo file(command.file);
    const auto name = newTableName(file.fileName());
    if (!name || *name + QLatin1Char('.') + file.suffix() != file.fileName())
        return refuse(err, command.file, 0, QStringLiteral("A table's name is 1 to 64 letters, digits, \"_\" or \"-\"."));
    if (command.replace || existingTableMembers(file.absolutePath(), *name, format).isEmpty()) return true;
    return refuse(err, command.file, 0, QStringLiteral("The table exists already; --replace replaces it."));
}

// The members the writer puts in place: the main one, and a Paradox table's index beside it.
QStringList writtenMembers(const TableExportPlan& plan) {
    QStringList written{plan.path};
    if (plan.format == TableFormat::Paradox) written << tableMemberPath(plan.path, QStringLiteral(".px"));
    return written;
}

// The new table takes the old one's place only when complete; then the old members the writer
// did not write over (NAME.DBF beside name.dbf, a stale .mdx) go, so no other table of the name stays.
WorkEnd writeTable(Session& session, const TableExportPlan& plan, TableExportSummary& summary) {
    const QFileInfo file(plan.path);
    const QStringList before = existingTableMembers(file.absolutePath(), file.completeBaseName(), plan.format);
    const std::unique_ptr<NewTableWriter> writer = makeNewTableWriter(plan.format);
    const WorkEnd end = exportToTable(session.access, *writer, plan, WorkProgress{}, summary);
    if (end != WorkEnd::Done) return end;
    const QStringList written = writtenMembers(plan);
    for (const QString& path : before) {
        QFile member(path);
        if (!written.contains(path) && !member.remove()) throw StoreError(QStringLiteral("%1: %2").arg(path, member.errorString()));
    }
    return end;
}

}  // namespace

int exportListTable(Session& session, const InterchangeCommand& command, QTextStream& out, QTextStream& err) {
    const auto definitions = commandListFields(session, command.listCode, err);
    if (!definitions) return kCommandFailed;
    TableExportPlan plan;
    plan.format = *tableFormatOf(command.file);
    plan.listCode = definitions->listCode();
    plan.path = command.file;
    if (!readStructure(command, *definitions, plan, err) || !checkName(command, plan.format, err)) return kCommandFailed;
    TableExportSummary summary;
    try {
        if (writeTable(session, plan, summary) != WorkEnd::Done) return kCommandFailed;
    } catch (const StoreError& e) {
        refuse(err, command.file, 0, e.message());
        return kCommandFailed;
    }
    out << summary.message(plan.format, plan.path) << Qt::endl;
    return kCommandDone;
}

}  // namespace vn
