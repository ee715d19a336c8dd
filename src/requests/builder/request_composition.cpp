// The request as the builder's clauses make it: its conditions and its display text.
#include "requests/builder/display_pieces.h"
#include "requests/builder/request_builder.h"

namespace vn {

using display_piece::kClose;
using display_piece::kOpen;
using display_piece::quoted;

int RequestBuilder::conditionCount() const {
    int count = 0;
    for (const Clause& clause : m_clauses) count += std::max<int>(1, clause.targets.size());
    return count;
}

int RequestBuilder::openCount() const {
    int count = m_pendingOpen;
    for (const Clause& clause : m_clauses) count += clause.open;
    return count;
}

int RequestBuilder::closeCount() const {
    int count = 0;
    for (const Clause& clause : m_clauses) count += clause.close;
    return count;
}

// Several picks after an earlier condition are one group: without its own parentheses
// `A AND B1 OR B2` would read (A AND B1) OR B2, since the tests are combined left to right.
int RequestBuilder::groupParentheses(qsizetype clause) const {
    return clause > 0 && m_clauses[clause].targets.size() > 1 ? 1 : 0;
}

QString RequestBuilder::displayText() const {
    if (!m_started) return {};
    if (m_replayed) return m_replayed->displayText;
    QString text = kindPrefix(m_kind) + display_piece::kRecordsWith;
    for (qsizetype i = 0; i < m_clauses.size(); ++i) {
        const Clause& clause = m_clauses[i];
        const int group = groupParentheses(i);
        text += kOpen.repeated(clause.open + group);
        const QString field = quoted(clause.field.piece);
        const QString op = clause.op ? operatorPiece(*clause.op) : QString();
        if (clause.targets.isEmpty()) text += field + op;
        for (qsizetype t = 0; t < clause.targets.size(); ++t)
            text += (t > 0 ? display_piece::connector(Connector::Or) : QString()) + field + op + quoted(clause.targets[t].shown);
        text += kClose.repeated(clause.close + group);
        if (clause.connector) text += display_piece::connector(*clause.connector);
    }
    return text + kOpen.repeated(m_pendingOpen);
}

void RequestBuilder::addConditions(const Clause& clause, int group, QList<SqlCondition>& conditions) const {
    SqlCondition base;
    base.field = clause.field.field;
    base.fieldIdentifier = clause.field.identifier;
    base.op = clause.op.value_or(CompareOp::Equal);
    base.definitionPosition = clause.field.definitionPosition;
    base.definitionPage = clause.field.field.page;
    const QList<TargetEntry> targets = clause.targets.isEmpty() ? QList<TargetEntry>{{}} : clause.targets;
    for (qsizetype t = 0; t < targets.size(); ++t) {
        SqlCondition condition = base;
        const bool first = t == 0;
        const bool last = t == targets.size() - 1;
        condition.target = targets[t].stored;
        condition.openParentheses = first ? clause.open + group : 0;
        condition.closeParentheses = last ? clause.close + group : 0;
        condition.connector = last ? clause.connector.value_or(Connector::None) : Connector::Or;
        conditions.append(condition);
    }
}

SqlRequest RequestBuilder::request() const {
    if (m_replayed) {
        SqlRequest request = *m_replayed;
        if (m_matches) request.matches = *m_matches;
        return request;
    }
    SqlRequest request;
    request.kind = m_kind;
    request.listCode = m_listCode;
    request.emailFilter = m_filter;
    request.displayText = displayText();
    for (qsizetype i = 0; i < m_clauses.size(); ++i)
        addConditions(m_clauses[i], groupParentheses(i), request.conditions);
    request.openCount = openCount();
    request.closeCount = closeCount();
    if (m_matches) request.matches = *m_matches;
    return request;
}

}  // namespace vn
