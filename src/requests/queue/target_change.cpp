#include "requests/queue/target_change.h"

#include "requests/builder/display_pieces.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kSelectionSortLength = 20;

// A page field by the definition key the condition recorded; a grid cell also by its place.
const FieldChoice* pageChoice(const PageFields& page, const SqlCondition& c) {
    for (const FieldChoice& choice : page.fields)
        if (choice.identifier == c.fieldIdentifier) return &choice;
    if (page.grid)
        for (const FieldChoice& cell : page.grid->cells)
            if (cell.identifier == c.fieldIdentifier && cell.field == c.field) return &cell;
    return nullptr;
}

QList<TargetEntry> selectionEntries(QStringList items) {
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        return a.left(kSelectionSortLength) < b.left(kSelectionSortLength);
    });
    QList<TargetEntry> entries;
    for (const QString& item : std::as_const(items)) entries.append({item, item});
    return entries;
}

// A check box or radio group target as its list shows it; a value no entry stores stays as it is.
QString shownTarget(const QList<TargetEntry>& entries, const QString& stored) {
    for (const TargetEntry& entry : entries)
        if (entry.stored == stored) return entry.shown;
    return stored;
}

}  // namespace

TargetChange::TargetChange(StoredRequest stored, const TargetFields& fields) : m_stored(std::move(stored)) {
    for (const SqlCondition& condition : std::as_const(m_stored.request.conditions))
        m_rows.append(rowFor(condition, fields));
}

TargetChange::Row TargetChange::rowFor(const SqlCondition& c, const TargetFields& fields) const {
    Row row;
    row.target = c.target;
    const int number = c.field.fieldNumber;
    if (c.field.page == kHeaderPage) {
        const FieldChoice* choice = fields.fields.find(c.field);
        row.piece = choice ? choice->piece : QString();
        row.field = fields.headerNames.value(number - 1, row.piece);
        row.entries = choice ? fixedTargets(choice->input) : QList<TargetEntry>{};
        row.input = row.entries.isEmpty() ? NewTargetInput::Edit : NewTargetInput::List;
        return row;
    }
    const FieldChoice* choice = pageChoice(fields.fields.pages[std::size_t(c.field.page)], c);
    if (!choice) {  // its definition is gone: the stored field number is all there is
        row.field = row.piece = QStringLiteral("Field %1").arg(number);
        return row;
    }
    row.field = choice->gridCell ? choice->piece : choice->caption;
    row.piece = choice->piece;
    switch (choice->input) {
    case TargetInput::SelectionList:
        if (fields.selectionItems) row.entries = selectionEntries(fields.selectionItems(c.field.page, choice->slot));
        break;
    case TargetInput::CheckBoxList:
        row.entries = fixedTargets(TargetInput::CheckBoxList);
        row.target = shownTarget(row.entries, c.target.isEmpty() ? QStringLiteral("0") : c.target);
        break;
    case TargetInput::RadioList:
        row.entries = choice->buttons;  // stored as the button's number, gaps and all
        row.target = shownTarget(row.entries, c.target.isEmpty() ? QStringLiteral("0") : c.target);
        break;
    default: break;
    }
    row.input = row.entries.isEmpty() ? NewTargetInput::Edit : NewTargetInput::List;
    return row;
}

void TargetChange::chooseRow(int row) {
    if (row < 0 || row >= m_rows.size()) return;
    m_chosen = row;
    m_edit.clear();
    m_storedForm.reset();
    m_picked = false;
}

void TargetChange::typeTarget(const QString& text) {
    if (m_chosen < 0) return;
    m_edit = text;
    m_storedForm.reset();
    m_picked = false;
}

void TargetChange::pickEntry(int entry) {
    if (m_chosen < 0 || entry < 0 || entry >= m_rows[m_chosen].entries.size()) return;
    const TargetEntry& picked = m_rows[m_chosen].entries[entry];
    m_edit = picked.shown;
    m_storedForm = picked.stored;
    m_picked = true;
}

// The chosen condition's own target piece is replaced: the pieces come in pairs per condition,
// the field's then the target's. When quotes inside captions or targets upset that count, the
// text is made again from the conditions.
QString TargetChange::displayWith(int row, const QString& shown) const {
    const QString& display = m_stored.request.displayText;
    QList<qsizetype> quotes;
    for (qsizetype i = 0; i < display.size(); ++i)
        if (display[i] == u'"') quotes << i;
    if (quotes.size() == 4 * m_rows.size()) {
        const auto inner = [&](qsizetype piece) {
            return display.mid(quotes[2 * piece] + 1, quotes[2 * piece + 1] - quotes[2 * piece] - 1);
        };
        if (inner(2 * row) == m_rows[row].piece && inner(2 * row + 1) == m_rows[row].target)
            return display.left(quotes[4 * row + 2] + 1) + shown + display.mid(quotes[4 * row + 3]);
    }
    return rebuiltDisplay(row, shown);
}

QString TargetChange::rebuiltDisplay(int row, const QString& shown) const {
    using namespace display_piece;
    const SqlRequest& request = m_stored.request;
    QString text = kindPrefix(request.kind) + kRecordsWith;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const SqlCondition& c = request.conditions[i];
        text += kOpen.repeated(c.openParentheses) + quoted(m_rows[i].piece) + operatorPiece(c.op) +
                quoted(i == row ? shown : m_rows[i].target) + kClose.repeated(c.closeParentheses);
        if (c.connector != Connector::None) text += connector(c.connector);
    }
    return text;
}

void TargetChange::replace(const Write& write) {
    if (!state().replaceEnabled) return;
    SqlRequest request = m_stored.request;
    request.conditions[m_chosen].target = m_storedForm.value_or(m_edit);
    request.displayText = displayWith(m_chosen, m_edit);
    write(request);
    m_stored.displayParts = splitDisplayText(request.displayText);
    request.displayText = joinDisplayText(m_stored.displayParts);  // as stored
    m_stored.request = request;
    m_rows[m_chosen].target = m_edit;
    m_edit.clear();
    m_storedForm.reset();
    m_picked = false;
}

TargetChangeState TargetChange::state() const {
    TargetChangeState s;
    s.requestText = showDisplayText(m_stored.displayParts);
    for (const Row& row : m_rows) {
        s.fields << row.field;
        s.targets << row.target;
    }
    s.chosenRow = m_chosen;
    if (m_chosen >= 0) {
        const Row& row = m_rows[m_chosen];
        s.input = row.input;
        for (const TargetEntry& entry : row.entries) s.entries << entry.shown;
    }
    s.editText = m_edit;
    s.replaceEnabled = m_chosen >= 0 && (m_picked || !m_edit.isEmpty());
    return s;
}

}  // namespace vn
