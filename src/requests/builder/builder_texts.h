#pragma once

#include "requests/request.h"

#include <QList>
#include <QString>

namespace vn {

// The builder's own texts: hints, tool tips, captions and messages.
namespace builder_text {

QString generalHint();  // the "Request" menu
QString kindHint(RequestKind kind);  // a request of the kind was started
QString nextFieldHint(RequestKind kind);  // after And or Or
QString fieldHint();
QString operatorHint();
QString connectorHint();

inline const QString kMatchesTip =
    QStringLiteral("This box displays the number of qualifying records found based upon your request.");
inline const QString kTargetListTip = QStringLiteral(
    "This is the automatic target listbox.  Many selected fields have a limited range of possible targets or "
    "matches.  When this is the case the targets will be listed for you.");
inline const QString kAndTip = QStringLiteral("Use AND to connect two field tests that must both be true to be selected");
inline const QString kOrTip =
    QStringLiteral("Click OR to test two fields.  If either test is true the record will be selected");
inline const QString kProcessTip = QStringLiteral("Process the SQL request as it stands");
inline const QString kContinueNote = QStringLiteral("Click Continue when finished with target selections...");

inline const QString kTooManyConditions = QStringLiteral(
    "A request holds at most 30 conditions.  Every target picked from a list counts as a condition of its own.");
inline const QString kTooManyPicks = QStringLiteral("At most 20 targets can be picked from one list.");
inline const QString kTooManyParentheses = QStringLiteral(
    "At most ten parentheses can be open at a time, and several targets picked from a list need one of their "
    "own.  Pick one target here.");

}  // namespace builder_text

// The operator group's buttons, in order.
struct OperatorCaption {
    CompareOp op;
    const char* caption;
    const char* objectName;
};
const QList<OperatorCaption>& operatorCaptions();

}  // namespace vn
