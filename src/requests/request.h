#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

// What a request produces. The codes are stored in Queu field 5; only 1 to 6 are ever stored.
enum class RequestKind : int {
    Count = 1,
    List = 2,
    Labels = 3,
    Report = 4,
    MailMerge = 5,
    Email = 6,
    Transmit = 7,
    Calculate = 8,
    WriteChecks = 9,
    MemoPrinting = 10,
};
inline constexpr int kStoredKinds = 6;

// The start of a request's display text ("LBCount ", "List ", ...).
QString kindPrefix(RequestKind kind);

// A condition's operator, stored as its code.
enum class CompareOp : int { Equal = 1, Less = 2, Greater = 3, LessOrEqual = 4, GreaterOrEqual = 5, NotEqual = 6 };

// Its piece of the display text ("= ", "<> ", ...).
QString operatorPiece(CompareOp op);

// What joins a condition to the next one; None ends the request.
enum class Connector : int { None = 0, And = 1, Or = 2 };

// Which records an evaluation takes, by the kind the request was started as.
enum class EmailFilter : int { All = 0, WithAddress = 1, WithoutAddress = 2 };

// Where a field lives: page 0 is the header (Head), 1 to 6 the page tables. The field number is
// the table column plus one: 1-16 header fields, 2-21 text, 22-61 check boxes, 62-71 radio
// groups, 72-121 grid cells, 122 the memo.
struct FieldRef {
    int page = 0;
    int fieldNumber = 0;

    bool operator==(const FieldRef&) const = default;
};

namespace field_numbers {
inline constexpr int kHeaderFields = 16;
inline constexpr int kFirstText = 2, kLastText = 21;
inline constexpr int kFirstCheckBox = 22, kLastCheckBox = 61;
inline constexpr int kFirstRadio = 62, kLastRadio = 71;
inline constexpr int kFirstGridCell = 72, kLastGridCell = 121;
inline constexpr int kMemo = 122;
inline constexpr int kHeaderEmail = 9;  // Head field 8
}  // namespace field_numbers

// One field test of a request.
struct SqlCondition {
    int openParentheses = 0;   // 0-10
    FieldRef field;
    QString fieldIdentifier;   // the Fdis key of a page field, at most 6 characters; empty for the header
    CompareOp op = CompareOp::Equal;
    QString target;            // may hold the wild card "*"
    int closeParentheses = 0;  // 0-10
    Connector connector = Connector::None;
    // Not stored:
    int definitionPosition = 0;  // the field's place in its page's definitions, or the header field number
    int definitionPage = 0;      // the page shown when the field was chosen

    bool operator==(const SqlCondition&) const = default;
};

// A column of a report or mail-merge file.
struct PrintField {
    enum class Kind : int { Field = 1, GridCell = 2 };
    int definitionPosition = 0;
    FieldRef field;
    int printOrder = 0;
    QString caption;  // at most 20 characters
    int width = 0;
    int numericSlot = 0;
    Kind kind = Kind::Field;
    QString value;
    QString previousValue;

    bool operator==(const PrintField&) const = default;
};

// A sort key of a report or mail-merge file.
struct SortField {
    int definitionPosition = 0;
    FieldRef field;
    int sortOrder = 0;
    QString caption;
    int width = 0;
    PrintField::Kind kind = PrintField::Kind::Field;
    QString value;

    bool operator==(const SortField&) const = default;
};

// The record keys the last evaluation selected, in the order found. Keys are kept whole and the
// list has no limit: a match is never dropped.
using MatchList = QStringList;

// The request the builder composes: one at a time.
struct SqlRequest {
    static constexpr int kMaxConditions = 30;
    static constexpr int kMaxParentheses = 10;
    static constexpr int kMaxPicks = 20;
    static constexpr int kMaxPrintFields = 111;
    static constexpr int kMaxSortFields = 111;

    RequestKind kind = RequestKind::Count;
    QString listCode;
    QString displayText;
    QList<SqlCondition> conditions;
    int openCount = 0;
    int closeCount = 0;
    QList<PrintField> printFields;
    QList<SortField> sortFields;
    MatchList matches;
    EmailFilter emailFilter = EmailFilter::All;
    bool replay = false;
};

}  // namespace vn
