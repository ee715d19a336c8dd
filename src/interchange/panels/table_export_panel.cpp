#include "interchange/panels/table_export_panel.h"

#include "interchange/export/table_field_names.h"
#include "interchange/panels/current_definitions.h"
#include "interchange/panels/export_text_panel.h"
#include "interchange/tables/table_members.h"
#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

const QStringList kHeaderNames = {"Title",     "First",   "M.I.",      "Last",      "Suffix",
                                  "H. Phone",  "W. Phone", "Email Add", "Position/Ti", "Company",
                                  "Address 1", "Address 2", "City",     "State",     "Zip"};

QString formatName(TableFormat format) {
    return format == TableFormat::Paradox ? QStringLiteral("Paradox") : QStringLiteral("DBase");
}

QString shownEntry(const StructureEntry& entry) {
    return entry.name == entry.caption ? entry.name : QStringLiteral("%1  (%2)").arg(entry.name, entry.caption);
}

}  // namespace

std::array<QList<ExportBox>, kPageCount> tablePageFields(const DefinitionCache& definitions) {
    std::array<QList<ExportBox>, kPageCount> lists;
    for (int page = 1; page <= kPageCount; ++page)
        for (const FieldDefinition& definition : definitions.pageDefinitions(page)) {
            if (!definition.active || (definition.kind != FieldKind::Text && definition.kind != FieldKind::Memo)) continue;
            if (const auto column = ColumnMap::recordColumn(definition.kind, definition.slot))
                lists[std::size_t(page - 1)].append({definition.caption, FieldRef{page, *column}, false});
        }
    return lists;
}

TableExportPanel::TableExportPanel(Session& session, PanelHost& host, TableFormat format, NewTableWriterFactory writers)
    : m_session(session), m_format(format), m_writers(std::move(writers)), m_structure(format),
      m_work(m_state.gauge, host) {
    const QString kind = formatName(format);
    m_state.title = QStringLiteral("Export to %1 Table...").arg(kind);
    m_state.instructions =
        QStringLiteral("Click on the Header and various Page fields in the order you want them to appear in the new %1 "
                       "table.  Click [Clear Field Structure] to start over.  Click on the displayed field in the Field "
                       "Structure box to remove a selected field.")
            .arg(kind);
    m_state.finishing = QStringLiteral(
        "When finished enter a Name for the new table and them click [Create New Table].  Click [Export Data] to fill "
        "the table.");
    m_state.fileNameCaption = QStringLiteral("Enter New %1 File Name...").arg(kind);
    m_state.headerNames = kHeaderNames;
}

TableExportPanel::~TableExportPanel() = default;

QString TableExportPanel::folder() const { return newTableFolder(m_session.folders); }

bool TableExportPanel::open() {
    if (m_session.currentListCode.isEmpty()) {
        m_session.prompter.information(QString::fromLatin1(ExportTextPanel::kNoList));
        return false;
    }
    m_pageFields = tablePageFields(*currentDefinitions(m_session));
    for (int p = 0; p < kPageCount; ++p) {
        m_state.pageLists[std::size_t(p)].clear();
        for (const ExportBox& field : m_pageFields[std::size_t(p)]) m_state.pageLists[std::size_t(p)] << field.caption;
    }
    m_structure.clear();
    m_state.fileName = m_session.currentListCode;
    changed();
    return true;
}

void TableExportPanel::add(const QString& caption, FieldRef field) {
    if (!m_structure.add(caption, field)) {
        m_session.prompter.beep();
        m_session.prompter.warning(QString::fromLatin1(kMapped));
        return;
    }
    changed();
}

void TableExportPanel::clickHeader(int column) {
    if (column >= 1 && column <= kHeaderNames.size()) add(kHeaderNames[column - 1], FieldRef{0, column});
}

void TableExportPanel::clickPageEntry(int page, int index) {
    if (page < 1 || page > kPageCount) return;
    const QList<ExportBox>& fields = m_pageFields[std::size_t(page - 1)];
    if (index >= 0 && index < fields.size()) add(fields[index].caption, fields[index].field);
}

void TableExportPanel::clickStructure(int index) {
    m_structure.remove(index);
    changed();
}

void TableExportPanel::clearStructure() {
    m_structure.clear();
    changed();
}

void TableExportPanel::editFileName(const QString& text) {
    m_state.fileName = text;
    changed();
}

void TableExportPanel::leaveFileName() {
    if (!m_state.fileName.isEmpty()) (void)acceptedName();
}

void TableExportPanel::enterFileName() {
    if (acceptedName() && m_state.createEnabled) m_state.focus = TableExportFocus::CreateTable;
}

// The name in the edit, once no table of that name is left in the folder.
std::optional<QString> TableExportPanel::acceptedName() {
    Prompter& prompter = m_session.prompter;
    const std::optional<QString> name = newTableName(m_state.fileName);
    if (!name) {
        prompter.beep();
        prompter.warning(QString::fromLatin1(kBadName));
        m_state.focus = TableExportFocus::FileName;
        return std::nullopt;
    }
    if (existingTableMembers(folder(), *name, m_format).isEmpty()) return name;
    prompter.beep();
    if (prompter.confirmation(QString::fromLatin1(kExists), Buttons::OkNo) != Answer::Ok) {
        m_state.fileName.clear();
        m_state.focus = TableExportFocus::FileName;
        changed();
        return std::nullopt;
    }
    try {
        deleteTableMembers(folder(), *name, m_format);
    } catch (const StoreError& e) {
        prompter.error(e.message());
        return std::nullopt;
    }
    changed();  // the table made before is gone
    return name;
}

void TableExportPanel::createTable() {
    const std::optional<QString> name = acceptedName();
    if (!name || m_structure.isEmpty()) return;
    const std::unique_ptr<NewTableWriter> writer = m_writers(m_format);
    TableExportPlan plan{m_format, m_session.currentListCode, m_structure.fields(), m_structure.tableFields(),
                         newTablePath(folder(), *name, m_format)};
    try {
        createNewTable(*writer, plan);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_created = std::move(plan);
    m_state.exportEnabled = true;
}

void TableExportPanel::exportData() {
    if (!m_created) return;
    const std::unique_ptr<NewTableWriter> writer = m_writers(m_format);
    m_state.exportEnabled = false;
    TableExportSummary summary;
    WorkEnd end = WorkEnd::Failed;
    try {
        end = m_work.run([&](const WorkProgress& progress) {
            return exportToTable(m_session.access, *writer, *m_created, progress, summary);
        });
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    if (end == WorkEnd::Done) {
        m_session.prompter.information(summary.message(m_format, m_created->path));
        return;
    }
    m_state.exportEnabled = true;  // the table is still the empty one just made
    if (end == WorkEnd::Cancelled)
        m_session.prompter.information(QStringLiteral("The export was cancelled.  %1 was left empty.").arg(m_created->path));
}

// Any change of the structure or the name leaves the table made before to its own structure:
// only "Create New Table" enables "Export Data" again.
void TableExportPanel::changed() {
    m_created.reset();
    m_state.exportEnabled = false;
    m_state.structure.clear();
    for (const StructureEntry& entry : m_structure.entries()) m_state.structure << shownEntry(entry);
    m_state.clearEnabled = !m_structure.isEmpty();
    m_state.createEnabled = m_state.clearEnabled && !m_state.fileName.isEmpty();
}

}  // namespace vn
