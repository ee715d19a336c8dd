// What the builder's window shows at each step, derived from the request as it stands.
#include "requests/builder/builder_texts.h"
#include "requests/builder/request_builder.h"
#include "requests/stored/request_rows.h"

namespace vn {

namespace {

bool oneOf(BuilderStep step, std::initializer_list<BuilderStep> steps) {
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

// Math operations and checks work on the header's fields only.
bool headerOnly(RequestKind kind) { return kind == RequestKind::Calculate || kind == RequestKind::WriteChecks; }

bool queueable(RequestKind kind) {
    return kind == RequestKind::Count || kind == RequestKind::List || kind == RequestKind::Labels ||
           kind == RequestKind::Email;
}

Continuation continuationOf(RequestKind kind) {
    switch (kind) {
    case RequestKind::Count: return Continuation::Count;
    case RequestKind::List: return Continuation::List;
    case RequestKind::WriteChecks: return Continuation::Checks;
    case RequestKind::MemoPrinting: return Continuation::Memo;
    case RequestKind::Report:
    case RequestKind::MailMerge: return Continuation::Report;
    case RequestKind::Labels: return Continuation::Labels;
    case RequestKind::Email: return Continuation::Email;
    case RequestKind::Calculate: return Continuation::Math;
    case RequestKind::Transmit: return Continuation::Transmit;
    default: return Continuation::None;
    }
}

}  // namespace

BuilderStep RequestBuilder::step() const {
    if (!m_started) return BuilderStep::None;
    if (m_processed) return BuilderStep::Processed;
    if (m_clauses.isEmpty()) return BuilderStep::FieldWanted;
    const Clause& clause = m_clauses.last();
    if (clause.connector) return BuilderStep::ConnectorChosen;
    if (!clause.targets.isEmpty()) return BuilderStep::TargetGiven;
    if (clause.op) return BuilderStep::OperatorChosen;
    return clause.field.gridCell ? BuilderStep::GridCellChosen : BuilderStep::FieldChosen;
}

bool RequestBuilder::typedTarget() const {
    return !m_clauses.isEmpty() && m_clauses.last().field.input == TargetInput::Edit;
}

bool RequestBuilder::listedTarget() const { return !m_clauses.isEmpty() && !typedTarget(); }

PageFields RequestBuilder::shownFields() const {
    PageFields fields = m_fields.pages[m_page];
    if (m_kind == RequestKind::Email) fields.grid.reset();  // grid cells hold no addresses
    return fields;
}

QList<int> RequestBuilder::pageButtons() const {
    QList<int> pages{kHeaderPage};
    if (headerOnly(m_kind)) return pages;
    for (int page = 1; page <= kLastPage; ++page)
        if (m_fields.pages[page].inUse) pages << page;
    return pages;
}

QString RequestBuilder::hint() const {
    switch (step()) {
    case BuilderStep::None: return builder_text::generalHint();
    case BuilderStep::FieldWanted: return builder_text::kindHint(m_kind);
    case BuilderStep::FieldChosen:
    case BuilderStep::GridCellChosen: return builder_text::fieldHint();
    case BuilderStep::OperatorChosen: return builder_text::operatorHint();
    case BuilderStep::TargetGiven: return builder_text::connectorHint();
    case BuilderStep::ConnectorChosen: return builder_text::nextFieldHint(m_kind);
    case BuilderStep::Processed: return {};
    }
    return {};
}

// "(" goes before a condition not yet started (at the start and after And or Or); ")" after a
// target, and only while one is open: a surplus ")" would fail every record. No more than ten
// are open at a time, so that "Process" never closes more than ten after one condition.
void RequestBuilder::fillParentheses(BuilderState& state) const {
    const BuilderStep now = state.step;
    state.openCount = openCount();
    state.closeCount = closeCount();
    state.parenthesesShown = now != BuilderStep::None && now != BuilderStep::Processed;
    const bool beforeField = now == BuilderStep::FieldWanted || now == BuilderStep::ConnectorChosen;
    state.addOpenEnabled = beforeField && state.openCount - state.closeCount < SqlRequest::kMaxParentheses;
    state.deleteOpenEnabled = beforeField && m_pendingOpen > 0;
    const bool afterTarget = now == BuilderStep::TargetGiven;
    const int close = afterTarget ? m_clauses.last().close : 0;
    const int group = afterTarget ? groupParentheses(m_clauses.size() - 1) : 0;
    state.addCloseEnabled =
        afterTarget && state.closeCount < state.openCount && close + group < SqlRequest::kMaxParentheses;
    state.deleteCloseEnabled = close > 0;
}

void RequestBuilder::fillTargets(BuilderState& state) const {
    const bool typed = typedTarget();
    state.targetEditShown = typed && oneOf(state.step, {BuilderStep::OperatorChosen, BuilderStep::TargetGiven});
    state.focusTargetEdit = state.targetEditShown && m_focusTarget && state.step == BuilderStep::OperatorChosen;
    state.targetText = state.targetEditShown ? (state.step == BuilderStep::TargetGiven ? m_clauses.last().targets[0].stored
                                                                                      : m_typed)
                                             : QString();
    if (state.step != BuilderStep::OperatorChosen || typed) return;
    state.targetList = m_clauses.last().field.input;
    state.targetEntries = m_listEntries;
    state.severalPicks = takesSeveralPicks(state.targetList);
    state.picked = m_picked;
    state.continueEnabled = !m_picked.isEmpty();
}

BuilderState RequestBuilder::state() const {
    BuilderState state;
    const BuilderStep now = step();
    state.step = now;
    state.requestStarted = m_started;
    const DisplayParts parts = splitDisplayText(displayText());
    state.requestLines = QStringList(parts.begin(), parts.end());
    if (m_matches) state.matches = QString::number(m_matches->size());
    const bool building = now != BuilderStep::None && now != BuilderStep::Processed;
    if (building) {
        state.pageButtons = pageButtons();
        state.shownPage = m_page;
        state.fields = shownFields();
    }
    const bool fieldsOpen = oneOf(now, {BuilderStep::FieldWanted, BuilderStep::FieldChosen, BuilderStep::ConnectorChosen,
                                        BuilderStep::GridCellChosen});
    state.pagesEnabled = fieldsOpen;
    state.fieldListShown = building;
    state.fieldListEnabled = fieldsOpen;
    const bool withField = oneOf(now, {BuilderStep::FieldChosen, BuilderStep::OperatorChosen, BuilderStep::TargetGiven,
                                       BuilderStep::GridCellChosen});
    if (withField) state.tickedField = m_clauses.last().field.field;
    state.operatorsShown = withField;
    if (withField) state.tickedOperator = m_clauses.last().op;
    fillTargets(state);
    state.connectorsShown = now == BuilderStep::TargetGiven || now == BuilderStep::ConnectorChosen;
    state.processEnabled = now == BuilderStep::TargetGiven;
    if (now == BuilderStep::ConnectorChosen) state.tickedConnector = m_clauses.last().connector;
    fillParentheses(state);
    state.hint = hint();
    state.printListShown = now == BuilderStep::Processed && m_kind == RequestKind::List;
    state.replaying = m_replayed.has_value();
    if (m_matches) {
        state.continuation = continuationOf(m_kind);
        state.addToQueueShown = queueable(m_kind) && !m_replayed;
        if (state.continuation == Continuation::List) state.listEntries = m_listView;
    }
    return state;
}

}  // namespace vn
