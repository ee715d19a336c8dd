#pragma once

#include "requests/builder/field_list.h"
#include "requests/builder/target_lists.h"
#include "requests/evaluation/evaluation.h"
#include "requests/request.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vn {

// Where the user is in the request: 1 to 6 while a condition is built; None before a kind is
// chosen; Processed once "Process" completed the request.
enum class BuilderStep {
    None = 0,
    FieldWanted = 1,
    FieldChosen = 2,
    OperatorChosen = 3,
    TargetGiven = 4,
    ConnectorChosen = 5,
    GridCellChosen = 6,
    Processed = 7,
};

// What the evaluation leads to. A mail merge goes on as a report does.
enum class Continuation { None, Count, List, Checks, Memo, Report, Labels, Email, Math, Transmit };

// Everything the builder's window shows and lets the user do, derived from the builder.
struct BuilderState {
    BuilderStep step = BuilderStep::None;
    bool requestStarted = false;  // a kind was chosen
    QStringList requestLines{QString(), QString(), QString()};
    QString matches;  // the count once evaluated

    // Page buttons and the field list.
    QList<int> pageButtons;  // the pages offered, 0 the header
    int shownPage = 0;
    bool pagesEnabled = false;
    PageFields fields;  // of the page shown
    bool fieldListShown = false;
    bool fieldListEnabled = false;
    std::optional<FieldRef> tickedField;

    bool operatorsShown = false;
    std::optional<CompareOp> tickedOperator;

    bool targetEditShown = false;
    bool focusTargetEdit = false;  // an operator was chosen for a typed target
    QString targetText;
    TargetInput targetList = TargetInput::Edit;  // Edit: no list shown
    QList<TargetEntry> targetEntries;
    bool severalPicks = false;
    QList<int> picked;
    bool continueEnabled = false;

    bool connectorsShown = false;
    bool processEnabled = false;
    std::optional<Connector> tickedConnector;

    bool parenthesesShown = false;
    bool addOpenEnabled = false;
    bool addCloseEnabled = false;
    bool deleteOpenEnabled = false;
    bool deleteCloseEnabled = false;
    int openCount = 0;
    int closeCount = 0;

    QString hint;  // empty: the hint box is hidden

    bool printListShown = false;
    bool addToQueueShown = false;
    bool replaying = false;  // a stored request: "Continue" leads back to its targets
    Continuation continuation = Continuation::None;
    QList<MatchListEntry> listEntries;
};

}  // namespace vn
