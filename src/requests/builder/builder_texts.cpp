#include "requests/builder/builder_texts.h"

namespace vn {

namespace builder_text {

namespace {

const QString kHint = QStringLiteral("Hint:  ");
const QString kWantsField = QStringLiteral("   At this point the SQL system wants a field name.");
const QString kExamples = QStringLiteral(
    "  Click a field in the list (the page buttons show the fields of the list's pages), then an operator, then "
    "give the target.  Examples:  \"Last\" = \"Smith\" selects every Smith;  \"Zip\" >= \"82000\" AND \"Zip\" < "
    "\"83000\" selects a range of zip codes.  The wild card * stands for anything from its place on:  \"Last\" = "
    "\"N*\" selects every last name that starts with N, and \"*\" alone matches every record.");

}  // namespace

QString generalHint() {
    return kHint + QStringLiteral(
        "The SQL menu options are [Goto], [Request], [Queue], and [Setup Email].  [Request] starts a new request: "
        "choose what it should produce (a count, a list, labels, a report...), then build it one field test at a "
        "time.  [Queue] shows or clears the stored requests; [Setup Email] sets up sending e-mail.");
}

QString kindHint(RequestKind kind) {
    if (kind == RequestKind::Report)
        return kHint + QStringLiteral(
            "What is a report?  A report prints chosen fields of the selected records in columns, in the order you "
            "choose, on the screen, the printer or a text file.  First select the records: click a field.");
    if (kind == RequestKind::MailMerge)
        return kHint + QStringLiteral(
            "What is a Mail-Merge?  A mail-merge file holds chosen fields of the selected records, one record a "
            "line, for a word processor to merge into letters.  First select the records: click a field.");
    return nextFieldHint(kind) + kExamples;
}

QString nextFieldHint(RequestKind kind) {
    const QString with = kind == RequestKind::WriteChecks ? QStringLiteral(" with...") : QStringLiteral("with...");
    return kHint + kindPrefix(kind) + QStringLiteral("Records ") + with + kWantsField;
}

QString fieldHint() {
    return kHint + QStringLiteral(
        "At this point the SQL system wants an operator  for the field you have selected.  Click one of the "
        "operators: = equal to, < less than, > greater than, <= less than or equal to, >= greater than or equal "
        "to, <> not equal to.  Values are compared as text: 9 comes after 13.");
}

QString operatorHint() {
    return kHint + QStringLiteral(
        "At this point the SQL system wants you to enter or select a target(s).  Type the value to compare with "
        "and leave the box (Tab), or pick one or more entries of the list and click Continue; several picks "
        "select the records that match any of them.");
}

QString connectorHint() {
    return kHint + QStringLiteral(
        "At this point the SQL system wants a connector.  Click And when the next field test must also be true, "
        "Or when either may be true, or Process to run the request as it stands.  Tests are combined from left "
        "to right; the parentheses group them.");
}

}  // namespace builder_text

const QList<OperatorCaption>& operatorCaptions() {
    static const QList<OperatorCaption> captions = {
        {CompareOp::Equal, "(=) Equal to", "equalRadio"},
        {CompareOp::Less, "(<) Less than", "lessRadio"},
        {CompareOp::Greater, "(>) Greater than", "greaterRadio"},
        {CompareOp::LessOrEqual, "(<=) Less than or Equal to", "lessOrEqualRadio"},
        {CompareOp::GreaterOrEqual, "(>=) Greater than or Equal to", "greaterOrEqualRadio"},
        {CompareOp::NotEqual, "(<>) Not equal to", "notEqualRadio"},
    };
    return captions;
}

}  // namespace vn
