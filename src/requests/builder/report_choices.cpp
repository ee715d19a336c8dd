#include "requests/builder/report_choices.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kCaptionLength = 20;

// Unticks a chosen field, or appends it while there is room.
template <typename Entry>
void tick(QList<Entry>& entries, const Entry& entry, qsizetype most) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.field == entry.field; });
    if (found != entries.end()) {
        entries.erase(found);
    } else if (entries.size() < most) {
        entries.append(entry);
    }
}

// The order number of an entry always equals its place.
void renumber(QList<PrintField>& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) fields[i].printOrder = int(i + 1);
}
void renumber(QList<SortField>& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) fields[i].sortOrder = int(i + 1);
}

}  // namespace

void ReportChoices::start(ListFields fields, FieldWidth width, SumColumns sumColumns) {
    m_fields = std::move(fields);
    m_width = std::move(width);
    m_sumColumns = std::move(sumColumns);
    m_stage = ReportStage::PrintFields;
    m_page = kHeaderPage;
    m_mailMerge = false;
    m_output = false;
    m_outputDone = false;
    m_mergeWritten = false;
    m_replayed = false;
    m_print.clear();
    m_sort.clear();
    m_summing = {};
    m_chosen = {};
    m_selected.clear();
}

void ReportChoices::startMailMerge(ListFields fields, FieldWidth width) {
    for (PageFields& page : fields.pages) page.grid.reset();
    start(std::move(fields), std::move(width));
    m_mailMerge = true;
}

// A field the list no longer describes keeps its stored number, captioned with it.
void ReportChoices::replay(const QList<PrintField>& print, const QList<SortField>& sort) {
    const auto describe = [this](const FieldRef& field) {
        PrintField p = described(field).value_or(PrintField{});
        p.field = field;
        if (p.caption.isEmpty() && p.kind == PrintField::Kind::Field)
            p.caption = QStringLiteral("Field %1").arg(field.fieldNumber);
        return p;
    };
    m_print.clear();
    for (const PrintField& stored : print) {
        PrintField p = describe(stored.field);
        p.printOrder = stored.printOrder;
        m_print.append(p);
    }
    std::stable_sort(m_print.begin(), m_print.end(), [](const PrintField& a, const PrintField& b) { return a.printOrder < b.printOrder; });
    m_sort.clear();
    for (const SortField& stored : sort) {
        const PrintField p = describe(stored.field);
        m_sort.append({p.definitionPosition, stored.field, stored.sortOrder, p.caption, p.width, p.kind, {}});
    }
    std::stable_sort(m_sort.begin(), m_sort.end(), [](const SortField& a, const SortField& b) { return a.sortOrder < b.sortOrder; });
    m_stage = ReportStage::SortFields;
    m_page = kHeaderPage;
    m_output = !m_mailMerge;
    m_replayed = true;
}

void ReportChoices::showPage(int page) {
    if (state().pageButtons.contains(page)) m_page = page;
}

std::optional<PrintField> ReportChoices::described(const FieldRef& field) const {
    PrintField p;
    p.field = field;
    const PageFields& page = m_fields.pages[field.page];
    for (const FieldChoice& choice : page.fields) {
        if (choice.field != field) continue;
        p.definitionPosition = choice.definitionPosition;
        p.caption = choice.caption.left(kCaptionLength);
        p.width = m_width ? m_width(choice, 0) : 0;
        return p;
    }
    if (!page.grid) return std::nullopt;
    const FieldGrid& grid = *page.grid;
    const int columns = int(grid.columnTitles.size());
    for (qsizetype i = 0; columns > 0 && i < grid.cells.size(); ++i) {
        if (grid.cells[i].field != field) continue;
        const int row = int(i / columns) + 1, column = int(i % columns) + 1;
        p.definitionPosition = grid.cells[i].definitionPosition;
        p.kind = PrintField::Kind::GridCell;
        p.caption = QStringLiteral("T:%1C:%2R:%3").arg(field.page).arg(column).arg(row);
        p.width = m_width ? m_width(grid.cells[i], column) : 0;
        return p;
    }
    return std::nullopt;
}

void ReportChoices::clickField(const FieldRef& field) {
    if (field.page != m_page || m_output) return;
    const std::optional<PrintField> p = described(field);
    if (!p) return;
    if (m_stage == ReportStage::PrintFields) {
        tick(m_print, *p, SqlRequest::kMaxPrintFields);
        renumber(m_print);
        return;
    }
    SortField s;
    s.definitionPosition = p->definitionPosition;
    s.field = p->field;
    s.caption = p->caption;
    s.width = p->width;
    s.kind = p->kind;
    tick(m_sort, s, SqlRequest::kMaxSortFields);
    renumber(m_sort);
}

void ReportChoices::clearPrintFields() {
    m_print.clear();
    m_page = kHeaderPage;
}

void ReportChoices::continueToSort() {
    if (m_print.isEmpty()) return;
    m_stage = ReportStage::SortFields;
    m_page = kHeaderPage;
}

void ReportChoices::clearSortFields() {
    m_sort.clear();
    m_page = kHeaderPage;
    m_output = false;
    m_outputDone = false;
}

bool ReportChoices::processRequest() {
    if (m_stage != ReportStage::SortFields || m_sort.isEmpty()) return false;
    if (m_mailMerge) return true;
    m_output = true;
    return false;
}

void ReportChoices::reSelect() { m_output = false; }

void ReportChoices::outputDone() {
    if (m_stage == ReportStage::SortFields && m_output) m_outputDone = true;
}

void ReportChoices::mergeWritten(bool withRecords) {
    if (!m_mailMerge || m_stage != ReportStage::SortFields) return;
    m_mergeWritten = true;
    m_outputDone = withRecords;
}

void ReportChoices::openSumming() {
    if (m_stage != ReportStage::SortFields || !m_sumColumns) return;
    QList<SumColumn> columns = m_sumColumns(m_print);
    if (columns.isEmpty()) return;
    m_stage = ReportStage::Summing;
    m_chosen = {};
    m_chosen.columns = std::move(columns);
    m_selected.clear();
}

void ReportChoices::tickTotals(qsizetype column) {
    if (column >= 0 && column < m_chosen.columns.size()) m_chosen.columns[column].totals = !m_chosen.columns[column].totals;
}

void ReportChoices::setAllTotals(bool on) {
    for (SumColumn& column : m_chosen.columns) column.totals = on;
}

void ReportChoices::chooseSummingMode(SummingMode mode) { m_chosen.mode = mode; }

void ReportChoices::selectBreak(const FieldRef& field) {
    const bool printed = std::any_of(m_print.begin(), m_print.end(), [&](const PrintField& p) { return p.field == field; });
    if (printed && !m_selected.contains(field)) m_selected.append(field);
}

void ReportChoices::unselectBreak(const FieldRef& field) { m_selected.removeAll(field); }

void ReportChoices::processSumming() {
    if (m_stage != ReportStage::Summing || m_chosen.mode == SummingMode::None) return;
    m_summing = m_chosen;
    m_summing.breakFields = m_selected;
    m_stage = ReportStage::SortFields;
    m_output = true;
}

ReportSumming ReportChoices::summing() const { return m_summing; }

ReportChoicesState ReportChoices::state() const {
    ReportChoicesState s;
    s.stage = m_stage;
    s.pageButtons = {kHeaderPage};
    for (int page = 1; page <= kLastPage; ++page)
        if (m_fields.pages[page].inUse) s.pageButtons << page;
    s.shownPage = m_page;
    s.fields = m_fields.pages[m_page];
    const auto number = [&](const FieldRef& field, int order) {
        if (field.page == m_page) s.orderNumbers.append({field, order});
    };
    if (m_stage == ReportStage::PrintFields) {
        for (const PrintField& p : m_print) number(p.field, p.printOrder);
        s.hint = m_mailMerge ? QStringLiteral("Hint:  The field selection, target matching, etc. for your Mail-merge "
                                              "request is now completed.")
                             : QStringLiteral("Hint:  The field selection, target matching, etc. for your report "
                                              "request is now completed.");
    } else if (m_stage == ReportStage::SortFields) {
        for (const SortField& p : m_sort) number(p.field, p.sortOrder);
        s.hint = m_output ? QStringLiteral("Hint:  The SQL system has finished with your request.")
                          : QStringLiteral("Hint:  This is the SQL Report and Mail-Merge sort selection screen.");
    }
    s.continueEnabled = !m_print.isEmpty();
    s.processEnabled = !m_sort.isEmpty();
    s.summingEnabled = m_stage == ReportStage::SortFields && m_sumColumns && !m_sumColumns(m_print).isEmpty();
    s.outputShown = m_output;
    s.addToQueueShown = m_outputDone && m_stage == ReportStage::SortFields && !m_replayed;
    s.mailMerge = m_mailMerge;
    s.wordProcessorEnabled = m_mergeWritten;
    s.sumColumns = m_chosen.columns;
    s.summingMode = m_chosen.mode;
    s.summingProcessEnabled = m_chosen.mode != SummingMode::None;
    for (const PrintField& p : m_print)
        if (!m_selected.contains(p.field)) s.availableBreaks << p;
    for (const FieldRef& field : m_selected)
        for (const PrintField& p : m_print)
            if (p.field == field) s.selectedBreaks << p;
    return s;
}

}  // namespace vn
