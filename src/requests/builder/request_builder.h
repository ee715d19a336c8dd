#pragma once

#include "requests/builder/builder_state.h"
#include "requests/builder/field_list.h"
#include "requests/request.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace vn {

class Prompter;

// The request builder without its window: a request is clicked together field by field, and
// every event moves the step machine on. The window forwards the user's events and draws
// state(); request() is the request as it stands. Events that do not fit the step are ignored,
// as their controls are not offered then.
class RequestBuilder {
public:
    // The texts of a page text field's selection items, in key order.
    using SelectionItems = std::function<QStringList(int page, int slot)>;

    RequestBuilder(Prompter& prompter, SelectionItems selectionItems);

    // The list whose records are searched, and its fields; any request is dropped.
    void setList(const QString& listCode, ListFields fields);
    const QString& listCode() const { return m_listCode; }

    void openRequestMenu();  // "Request": no kind yet, everything cleared
    void startKind(RequestKind kind, EmailFilter filter);
    void showPage(int page);
    void clickField(const FieldRef& field);
    void clickOperator(CompareOp op);
    void typeTarget(const QString& text);
    void enterTarget();  // the edit box entered again: its target is taken back
    void leaveTarget();  // the edit box left: its text is the target
    void pickTargets(QList<int> rows);
    void continueTargets();
    void clickConnector(Connector connector);  // And or Or
    // Completes the request; true when it is to be evaluated now.
    bool process();
    void addOpen();
    void deleteOpen();
    void addClose();
    void deleteClose();
    // A stored request, complete, to be evaluated as it is (its replay flag set).
    void replay(const SqlRequest& stored);
    bool replaying() const { return m_replayed.has_value(); }
    // The evaluation's result; entries for the List view.
    void evaluated(const MatchList& matches, QList<MatchListEntry> entries = {});

    BuilderState state() const;
    // The keys the last evaluation found; empty before it.
    MatchList matchList() const { return m_matches.value_or(MatchList{}); }
    SqlRequest request() const;
    RequestKind kind() const { return m_kind; }
    // The conditions as they stand: every pick of a list is a condition of its own.
    int conditionCount() const;

private:
    // One field clicked with its operator, its targets (several when picked from a list) and
    // the parentheses and connector around them.
    struct Clause {
        int open = 0;
        FieldChoice field;
        std::optional<CompareOp> op;
        QList<TargetEntry> targets;
        int close = 0;
        std::optional<Connector> connector;
    };

    void clear();
    // 1 when the clause's picks are a group of their own (several, after an earlier condition).
    int groupParentheses(qsizetype clause) const;
    BuilderStep step() const;
    bool typedTarget() const;
    bool listedTarget() const;
    PageFields shownFields() const;
    QList<int> pageButtons() const;
    QString hint() const;
    QString displayText() const;
    void addConditions(const Clause& clause, int group, QList<SqlCondition>& conditions) const;
    int openCount() const;
    int closeCount() const;
    void fillParentheses(BuilderState& state) const;
    void fillTargets(BuilderState& state) const;
    bool refuse(const QString& message);

    Prompter& m_prompter;
    SelectionItems m_selectionItems;
    QString m_listCode;
    ListFields m_fields;

    bool m_started = false;
    bool m_processed = false;
    RequestKind m_kind = RequestKind::Count;
    EmailFilter m_filter = EmailFilter::All;
    int m_page = kHeaderPage;
    QList<Clause> m_clauses;
    int m_pendingOpen = 0;  // "(" entered for the condition the next field click starts
    QString m_typed;
    bool m_focusTarget = false;
    QList<TargetEntry> m_listEntries;
    QList<int> m_picked;
    std::optional<MatchList> m_matches;
    QList<MatchListEntry> m_listView;
    std::optional<SqlRequest> m_replayed;
};

}  // namespace vn
