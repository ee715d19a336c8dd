#include "requests/builder/request_builder.h"

#include "platform/prompter.h"
#include "requests/builder/builder_texts.h"

#include <algorithm>

namespace vn {

RequestBuilder::RequestBuilder(Prompter& prompter, SelectionItems selectionItems)
    : m_prompter(prompter), m_selectionItems(std::move(selectionItems)) {
    m_fields.pages[kHeaderPage] = headerFields();
}

void RequestBuilder::setList(const QString& listCode, ListFields fields) {
    m_listCode = listCode;
    m_fields = std::move(fields);
    openRequestMenu();
}

void RequestBuilder::clear() {
    m_processed = false;
    m_page = kHeaderPage;
    m_clauses.clear();
    m_pendingOpen = 0;
    m_typed.clear();
    m_focusTarget = false;
    m_listEntries.clear();
    m_picked.clear();
    m_matches.reset();
    m_listView.clear();
    m_replayed.reset();
}

void RequestBuilder::openRequestMenu() {
    clear();
    m_started = false;
}

void RequestBuilder::startKind(RequestKind kind, EmailFilter filter) {
    clear();
    m_started = true;
    m_kind = kind;
    m_filter = filter;
}

void RequestBuilder::replay(const SqlRequest& stored) {
    startKind(stored.kind, stored.kind == RequestKind::Email ? EmailFilter::WithAddress : EmailFilter::All);
    m_replayed = stored;
    m_replayed->listCode = m_listCode;
    m_replayed->emailFilter = m_filter;
    m_replayed->replay = true;
    m_processed = true;
}

void RequestBuilder::showPage(int page) {
    if (state().pagesEnabled && pageButtons().contains(page)) m_page = page;
}

void RequestBuilder::clickField(const FieldRef& field) {
    const BuilderStep now = step();
    if (now != BuilderStep::FieldWanted && now != BuilderStep::FieldChosen && now != BuilderStep::ConnectorChosen &&
        now != BuilderStep::GridCellChosen)
        return;
    const PageFields shown = shownFields();
    const auto listed = [&](const FieldChoice& c) { return c.field == field; };
    std::optional<FieldChoice> choice;
    if (auto it = std::find_if(shown.fields.begin(), shown.fields.end(), listed); it != shown.fields.end()) choice = *it;
    else if (shown.grid)
        if (auto cell = std::find_if(shown.grid->cells.begin(), shown.grid->cells.end(), listed); cell != shown.grid->cells.end())
            choice = *cell;
    if (!choice) return;
    if (now == BuilderStep::FieldChosen || now == BuilderStep::GridCellChosen) {
        m_clauses.last().field = *choice;  // the field is replaced; the condition stays
        return;
    }
    if (conditionCount() >= SqlRequest::kMaxConditions && refuse(builder_text::kTooManyConditions)) return;
    m_clauses.append({m_pendingOpen, *choice, {}, {}, 0, {}});
    m_pendingOpen = 0;
}

void RequestBuilder::clickOperator(CompareOp op) {
    const BuilderStep now = step();
    if (now != BuilderStep::FieldChosen && now != BuilderStep::GridCellChosen && now != BuilderStep::OperatorChosen &&
        now != BuilderStep::TargetGiven)
        return;
    Clause& clause = m_clauses.last();
    clause.op = op;
    clause.targets.clear();  // a new operator asks for the target again
    clause.close = 0;
    m_typed.clear();
    m_picked.clear();
    const TargetInput input = clause.field.input;
    if (input == TargetInput::SelectionList)
        m_listEntries = selectionTargets(m_selectionItems(clause.field.field.page, clause.field.slot));
    else if (input == TargetInput::RadioList) m_listEntries = clause.field.buttons;
    else m_listEntries = fixedTargets(input);
    m_focusTarget = input == TargetInput::Edit;
}

void RequestBuilder::typeTarget(const QString& text) {
    if (step() == BuilderStep::TargetGiven && typedTarget()) {
        m_clauses.last().targets.clear();
        m_clauses.last().close = 0;
    }
    if (step() == BuilderStep::OperatorChosen && typedTarget()) m_typed = text;
}

void RequestBuilder::enterTarget() {
    if (step() != BuilderStep::TargetGiven || !typedTarget()) return;
    m_clauses.last().targets.clear();
    m_clauses.last().close = 0;  // a ")" can only follow a target
    m_typed.clear();
}

void RequestBuilder::leaveTarget() {
    if (step() != BuilderStep::OperatorChosen || !typedTarget()) return;
    m_clauses.last().targets = {{m_typed, m_typed}};
    m_focusTarget = false;
}

void RequestBuilder::pickTargets(QList<int> rows) {
    if (step() != BuilderStep::OperatorChosen || !listedTarget()) return;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([&](int row) { return row < 0 || row >= m_listEntries.size(); });
    if (!takesSeveralPicks(m_clauses.last().field.input) && rows.size() > 1) rows = {rows.last()};
    if (rows.size() > SqlRequest::kMaxPicks && refuse(builder_text::kTooManyPicks)) return;
    // This condition becomes one per pick.
    if (conditionCount() - 1 + rows.size() > SqlRequest::kMaxConditions && refuse(builder_text::kTooManyConditions))
        return;
    // A group of picks is one more level of parentheses, which must still close within ten.
    const bool grouped = m_clauses.size() > 1 && rows.size() > 1;
    if (grouped && openCount() - closeCount() >= SqlRequest::kMaxParentheses &&
        refuse(builder_text::kTooManyParentheses))
        return;
    m_picked = rows;
}

void RequestBuilder::continueTargets() {
    if (step() != BuilderStep::OperatorChosen || !listedTarget() || m_picked.isEmpty()) return;
    QList<TargetEntry>& targets = m_clauses.last().targets;
    for (int row : std::as_const(m_picked)) targets.append(m_listEntries[row]);
    m_picked.clear();
}

void RequestBuilder::clickConnector(Connector connector) {
    const BuilderStep now = step();
    if (connector == Connector::None || (now != BuilderStep::TargetGiven && now != BuilderStep::ConnectorChosen)) return;
    m_clauses.last().connector = connector;
    m_typed.clear();
}

bool RequestBuilder::process() {
    if (step() != BuilderStep::TargetGiven) return false;
    m_clauses.last().close += openCount() - closeCount();  // every "(" still open is closed
    m_processed = true;
    return true;
}

void RequestBuilder::addOpen() {
    if (state().addOpenEnabled) ++m_pendingOpen;
}

void RequestBuilder::deleteOpen() {
    if (state().deleteOpenEnabled) --m_pendingOpen;
}

void RequestBuilder::addClose() {
    if (state().addCloseEnabled) ++m_clauses.last().close;
}

void RequestBuilder::deleteClose() {
    if (state().deleteCloseEnabled) --m_clauses.last().close;
}

void RequestBuilder::evaluated(const MatchList& matches, QList<MatchListEntry> entries) {
    if (step() != BuilderStep::Processed) return;
    m_matches = matches;
    m_listView = std::move(entries);
}

bool RequestBuilder::refuse(const QString& message) {
    m_prompter.beep();
    m_prompter.warning(message);
    return true;
}

}  // namespace vn
