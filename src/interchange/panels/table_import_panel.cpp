#include "interchange/panels/table_import_panel.h"

#include "interchange/import/table_import_run.h"
#include "interchange/panels/current_definitions.h"
#include "interchange/panels/import_targets.h"
#include "interchange/panels/import_texts.h"
#include "interchange/panels/table_import_texts.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"
#include "platform/prompter.h"
#include "shell/core/own_office.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

bool sameColumns(const QList<ForeignColumn>& a, const QList<ForeignColumn>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ForeignColumn& x, const ForeignColumn& y) {
        return x.name == y.name && x.type == y.type;
    });
}

}  // namespace

TableImportPanel::TableImportPanel(Session& session, PanelHost& host, ForeignReaders readers)
    : m_session(session), m_readers(std::move(readers)), m_work(m_state.gauge, host) {}

TableImportPanel::~TableImportPanel() = default;

bool TableImportPanel::open(TableSource kind) {
    if (m_session.currentListCode.isEmpty()) {
        m_session.prompter.information(importNeedsList());
        return false;
    }
    if (kind == TableSource::Sibling) kind = TableSource::Paradox;
    m_definitions = currentDefinitions(m_session);
    const int focusRequest = m_state.focusRequest;  // the view counts on it only growing
    m_state = TableImportState{};
    m_state.focusRequest = focusRequest;
    m_state.kind = kind;
    m_opens = kind;
    m_state.caption = tableImportCaption(kind);
    m_state.findCaption = tableImportFindCaption(kind);
    m_state.sourceCaption = kind == TableSource::Access ? tablesInDataBase() : fieldNamesInFile();
    m_state.listCode = m_session.currentListCode;
    m_state.listTitle = m_session.currentListTitle;
    for (int page = 1; page <= kPageCount; ++page) m_state.pageCaptions[std::size_t(page - 1)] = tablePageCaption(page);
    m_path.clear();
    m_table.clear();
    m_columns.clear();
    resetMapping();
    return true;
}

bool TableImportPanel::openSibling(const QString& path) {
    if (!open(TableSource::Paradox)) return false;
    m_state.findEnabled = false;
    m_opens = TableSource::Sibling;
    chooseFile(path);
    return true;
}

void TableImportPanel::instructions() { m_session.prompter.information(tableImportInstructions(m_state.kind)); }

std::unique_ptr<ForeignTable> TableImportPanel::openTable(const QString& table, ForeignProblem& problem) {
    if (!m_readers.open) {
        problem.message = QStringLiteral("%1: this kind of table cannot be read yet.").arg(m_path);
        return nullptr;
    }
    return m_readers.open(m_opens, m_path, table, problem);
}

void TableImportPanel::chooseFile(const QString& path) {
    if (path.isEmpty() || m_state.gauge.working) return;
    if (m_state.kind == TableSource::Access) {
        chooseDataBase(path);
        return;
    }
    const QString previous = m_path;
    m_path = path;
    ForeignProblem problem;
    const std::unique_ptr<ForeignTable> table = openTable(QString(), problem);
    if (!table) {
        m_path = previous;
        m_session.prompter.error(tableNotReadable(problem.message));
        return;
    }
    m_state.fileName = path;
    listColumns(table->columns());
}

void TableImportPanel::chooseDataBase(const QString& path) {
    ForeignProblem problem;
    const QStringList tables = m_readers.listTables ? m_readers.listTables(path, problem) : QStringList();
    if (!m_readers.listTables) problem.message = QStringLiteral("%1: Access data bases cannot be read yet.").arg(path);
    if (!problem.message.isEmpty()) {
        m_session.prompter.error(tableNotReadable(problem.message));
        return;
    }
    if (tables.isEmpty()) {
        m_session.prompter.information(dataBaseHasNoTables(path));
        return;
    }
    m_path = path;
    m_table.clear();
    m_state.fileName = path;
    listTables(tables);
}

void TableImportPanel::listTables(const QStringList& tables) {
    m_columns.clear();
    m_state.listingTables = true;
    m_state.sourceCaption = tablesInDataBase();
    m_state.sourceNote = selectTableNote();
    m_state.sourceEntries.clear();
    for (const QString& name : tables) m_state.sourceEntries.append({0, name, true, false});
    resetMapping();
}

void TableImportPanel::chooseTable(const QString& table) {
    ForeignProblem problem;
    const std::unique_ptr<ForeignTable> opened = openTable(table, problem);
    if (!opened) {
        m_session.prompter.error(tableNotReadable(problem.message));
        return;
    }
    m_table = table;
    m_state.fileName = sourceName();
    m_state.sourceCaption = fieldNamesInTable();
    m_state.sourceNote.clear();
    m_state.listingTables = false;
    listColumns(opened->columns());
}

void TableImportPanel::listColumns(const QList<ForeignColumn>& columns) {
    m_columns = columns;
    m_state.sourceEntries.clear();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int number = int(i + 1);
        m_state.sourceEntries.append({number, QString::number(number) + QStringLiteral("    ") + columns[i].name,
                                      columns[i].isMappable(), false});
    }
    resetMapping();
}

void TableImportPanel::clickSource(int index) {
    if (index < 0 || index >= m_state.sourceEntries.size() || m_state.gauge.working) return;
    const SourceEntry& entry = m_state.sourceEntries[index];
    if (m_state.listingTables) {
        const QString table = entry.text;  // the list is refilled
        chooseTable(table);
        return;
    }
    if (!entry.mappable) {
        m_state.selectedColumn = 0;
        m_session.prompter.information(columnNotMappable(m_columns[index].name));
        return;
    }
    m_state.selectedColumn = entry.number;
}

void TableImportPanel::clickTarget(FieldRef target) {
    if (m_state.gauge.working) return;
    focusInstructions();
    const int selected = m_state.selectedColumn;
    if (selected == 0 && !m_mapping.fieldOf(target)) return;
    m_mapping.unmap(target);
    if (selected != 0) m_mapping.map(selected, target);
    m_state.selectedColumn = 0;
    m_saved = false;
    refreshMapping();
}

// The targets offered afresh from the current list's fields, with nothing mapped.
void TableImportPanel::resetMapping() {
    m_mapping = newMapping();
    m_saved = false;
    m_state.selectedColumn = 0;
    m_state.headerTargets = headerTargetRows();
    for (int page = 1; page <= kPageCount; ++page)
        m_state.pageTargets[std::size_t(page - 1)] = pageTextAndMemoTargets(*m_definitions, page);
    refreshMapping();
}

ImportMapping TableImportPanel::newMapping() const { return ImportMapping(std::max<int>(1, int(m_columns.size()))); }

void TableImportPanel::refreshMapping() {
    for (TargetBox& box : m_state.headerTargets) box.field = m_mapping.fieldOf(box.target).value_or(0);
    for (QList<TargetBox>& page : m_state.pageTargets)
        for (TargetBox& box : page) box.field = m_mapping.fieldOf(box.target).value_or(0);
    const QList<int> mapped = m_mapping.mappedFields();
    for (SourceEntry& entry : m_state.sourceEntries) entry.marked = entry.number > 0 && mapped.contains(entry.number);
    m_state.mappingCount = m_mapping.count();
    m_state.clearEnabled = m_state.mappingCount > 0;
    m_state.saveEnabled = m_state.mappingCount > 0 && !m_saved;
    m_state.importEnabled = m_state.mappingCount > 0 && m_saved;
}

void TableImportPanel::clearMapping() {
    if (m_state.gauge.working) return;
    resetMapping();
}

void TableImportPanel::saveMapping() {
    if (!m_state.saveEnabled || m_state.gauge.working) return;
    m_saved = true;
    refreshMapping();
}

QString TableImportPanel::sourceName() const {
    return m_table.isEmpty() ? m_path : m_path + QStringLiteral(" Table = ") + m_table;
}

// The table is opened afresh, so the run reads it from its first row; it must still have the
// columns that were mapped.
void TableImportPanel::importData() {
    if (!m_state.importEnabled || m_state.gauge.working) return;
    ForeignProblem problem;
    const std::unique_ptr<ForeignTable> table = openTable(m_table, problem);
    if (!table) {
        m_session.prompter.error(tableNotReadable(problem.message));
        return;
    }
    if (!sameColumns(table->columns(), m_columns)) {
        m_session.prompter.error(tableChanged(sourceName()));
        return;
    }
    ImportPlan plan;
    plan.listCode = m_state.listCode;
    plan.origin = KeyOrigin{m_session.identity.stateCode, ownOfficeCode(m_session.identity)};
    plan.highestPage = highestDefinedPage(*m_definitions);
    plan.mapping = m_mapping;
    TableImportRun run(m_session.access, std::move(plan), *table, sourceName());
    const WorkEnd end = m_work.run([&run](WorkProgress progress) {
        progress.show(importWorkCaption());
        return run.importAll(progress);
    });
    switch (end) {
    case WorkEnd::Done:
        resetMapping();
        m_session.prompter.information(run.summary().message());
        return;
    case WorkEnd::Cancelled: m_session.prompter.information(importCancelled()); return;
    case WorkEnd::Failed: m_session.prompter.error(importStopped(run.failure())); return;
    case WorkEnd::Declined: return;
    }
}

}  // namespace vn
