#include "requests/stored/request_rows.h"
#include "requests/stored/stored_requests.h"
#include "sample_requests.h"
#include "store/engine/store_error.h"
#include "store/schema/schema.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vn;
using namespace vn::request_tables;
using namespace vn::test;

namespace {

RequestRowLayouts schemaLayouts() {
    return {rowLayout(schema::table("Queu")), rowLayout(schema::table("Pinf")), rowLayout(schema::table("Sinf"))};
}

// ( "Last" = "N*" OR "Last" = "M*" ) AND "Member" = "Checked", keeping only what is stored.
SqlRequest listRequest() {
    SqlRequest r;
    r.kind = RequestKind::List;
    r.listCode = "abc";
    r.displayText = R"(List Records with ( "Last" = "N*" OR "Last" = "M*" ) AND "Member" = "Checked" )";
    r.conditions = {condition(0, 5, "", CompareOp::Equal, "N*", Connector::Or, 1),
                    condition(0, 5, "", CompareOp::Equal, "M*", Connector::And, 0, 1),
                    condition(1, 22, "abc101", CompareOp::Equal, "1", Connector::None)};
    r.openCount = r.closeCount = 1;
    return r;
}

// Last name, the grid cell in row 10, column 5 of page 2, and the memo of page 3; sorted by
// the last name and the city.
SqlRequest reportRequest() {
    SqlRequest r;
    r.kind = RequestKind::Report;
    r.listCode = "abc";
    r.displayText = R"(Print report: Records with "City" = "Cheyenne" )";
    r.conditions = {condition(0, 14, "", CompareOp::Equal, "Cheyenne", Connector::None)};
    r.printFields = {printField(0, 5, 1, 5), printField(2, 121, 2, 50), printField(3, 122, 3, 83)};
    r.sortFields = {sortField(0, 5, 1), sortField(0, 14, 2)};
    return r;
}

// Condition i tests page (i - 1) mod 7 and differs from every other in each stored element.
SqlRequest thirtyConditions() {
    SqlRequest r;
    r.kind = RequestKind::Count;
    r.listCode = "abc";
    r.displayText = "LBCount Records with thirty conditions";
    for (int i = 1; i <= 30; ++i) {
        const int page = (i - 1) % 7;
        r.conditions << condition(page, page == 0 ? i % 16 + 1 : i + 2, page == 0 ? QString() : QStringLiteral("abc%1").arg(i, 3, 10, QChar('0')),
                                  CompareOp(i % 6 + 1), QStringLiteral("target %1").arg(i),
                                  i == 30 ? Connector::None : Connector(i % 2 + 1), i % 11, (i + 3) % 11);
        r.openCount += i % 11;
        r.closeCount += (i + 3) % 11;
    }
    return r;
}

const QString kKey = storedRequestKey("abc", "Members");

RequestRows encode(const SqlRequest& request, const QString& key = kKey) {
    return encodeRequestRows(key, request, schemaLayouts());
}

void expectSameStoredRequest(const SqlRequest& read, const SqlRequest& written) {
    EXPECT_EQ(read.kind, written.kind);
    EXPECT_EQ(read.listCode, written.listCode);
    EXPECT_EQ(read.displayText, written.displayText);
    EXPECT_EQ(read.conditions, written.conditions);
    EXPECT_EQ(read.openCount, written.openCount);
    EXPECT_EQ(read.closeCount, written.closeCount);
    EXPECT_EQ(read.printFields, written.printFields);
    EXPECT_EQ(read.sortFields, written.sortFields);
}

QString refusal(const std::function<void()>& action) {
    try {
        action();
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

TEST(RequestRowsTest, TheTablesHoldThirtyConditionsAnd111PrintAndSortFields) {
    const RequestRowLayouts layouts = schemaLayouts();
    EXPECT_EQ(layouts.queu.sizes.size(), 247);
    EXPECT_EQ(queu::kFieldCount, 247);
    EXPECT_EQ(layouts.pinf.sizes.size(), pinf::kFieldCount);
    EXPECT_EQ(layouts.sinf.sizes.size(), sinf::kFieldCount);
    EXPECT_EQ(pinf::kFieldCount, 2 + 4 * 111);
    EXPECT_EQ(sinf::kFieldCount, 2 + 3 * 111);
    EXPECT_EQ(storedRequestKey("abc", "Members over 60"), "abc  Members over 60");
}

TEST(RequestRowsTest, ConditionOneTakesFields7To14AndConditionThirty239To246) {
    const SqlRequest request = thirtyConditions();
    const RowFields row = encode(request).queu;
    ASSERT_EQ(row.size(), 247);
    EXPECT_EQ(row[queu::kKind], "1");
    EXPECT_EQ(row[queu::kConditionCount], "30");
    const SqlCondition& first = request.conditions[0];
    EXPECT_EQ(row.mid(7, 8), QStringList({QString::number(first.openParentheses), "0",
                                          QString::number(first.field.fieldNumber), "", QString::number(int(first.op)),
                                          "target 1", QString::number(first.closeParentheses), "2"}));
    const SqlCondition& last = request.conditions[29];
    EXPECT_EQ(row.mid(239, 8), QStringList({"8", "1", "32", "abc030", QString::number(int(last.op)), "target 30", "0", "0"}));
    EXPECT_EQ(queu::openParentheses(1), 7);
    EXPECT_EQ(queu::connector(30), 246);
    EXPECT_EQ(queu::target(3), 28);
}

TEST(RequestRowsTest, ThreeConditionsLeaveTheLaterFieldsEmpty) {
    const RowFields row = encode(listRequest()).queu;
    ASSERT_EQ(row.size(), 247);
    EXPECT_EQ(row[0], "abc  Members");
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row[queu::displayPart(1)], listRequest().displayText);
    EXPECT_EQ(row[queu::kConditionCount], "3");
    EXPECT_EQ(row[30], "0");  // the connector of condition 3
    for (int field = 31; field < 247; ++field) EXPECT_EQ(row[field], "") << field;
}

TEST(RequestRowsTest, AHeaderConditionHasNoIdentifierAPageConditionItsDefinitionKey) {
    const RowFields row = encode(listRequest()).queu;
    EXPECT_EQ(row[queu::identifier(1)], "");
    EXPECT_EQ(row[queu::page(3)], "1");
    EXPECT_EQ(row[queu::fieldNumber(3)], "22");
    EXPECT_EQ(row[queu::identifier(3)], "abc101");
}

TEST(RequestRowsTest, PrintAndSortFieldsTakeTheirFields) {
    const RequestRows rows = encode(reportRequest());
    EXPECT_EQ(rows.pinf.mid(0, 14), QStringList({"abc  Members", "3", "0", "5", "1", "5", "2", "121", "2", "50", "3",
                                                 "122", "3", "83"}));
    EXPECT_EQ(rows.sinf.mid(0, 8), QStringList({"abc  Members", "2", "0", "5", "1", "0", "14", "2"}));
    EXPECT_EQ(rows.pinf.size(), pinf::kFieldCount);
    EXPECT_EQ(rows.sinf.size(), sinf::kFieldCount);
}

TEST(RequestRowsTest, OnlyReportAndMailMergeStorePrintAndSortFields) {
    SqlRequest request = reportRequest();
    for (RequestKind kind : {RequestKind::Count, RequestKind::List, RequestKind::Labels, RequestKind::Email}) {
        request.kind = kind;
        const RequestRows rows = encode(request);
        EXPECT_TRUE(rows.pinf.isEmpty());
        EXPECT_TRUE(rows.sinf.isEmpty());
    }
    request.kind = RequestKind::MailMerge;
    EXPECT_FALSE(encode(request).pinf.isEmpty());
}

TEST(RequestRowsTest, RequestsReadBackAsWritten) {
    for (const SqlRequest& request : {listRequest(), reportRequest(), thirtyConditions()}) {
        const StoredRequest read = decodeRequestRows(encode(request));
        EXPECT_EQ(read.key, kKey);
        expectSameStoredRequest(read.request, request);
    }
}

TEST(RequestRowsTest, GridCellsAndTheMemoReadBackWithTheirKinds) {
    const QList<PrintField> fields = decodePinfRow(encode(reportRequest()).pinf);
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[1].field, (FieldRef{2, 121}));
    EXPECT_EQ(fields[1].kind, PrintField::Kind::GridCell);
    EXPECT_EQ(fields[2].field, (FieldRef{3, 122}));
    EXPECT_EQ(fields[2].kind, PrintField::Kind::Field);
    EXPECT_EQ(fields[0].kind, PrintField::Kind::Field);
}

TEST(RequestRowsTest, WhatIsNotStoredIsLeftForTheReaderToRecompute) {
    SqlRequest request = reportRequest();
    request.conditions[0].definitionPosition = 14;
    request.conditions[0].definitionPage = 2;
    request.printFields[0].caption = "Last";
    request.printFields[0].width = 40;
    request.printFields[0].value = "Smith";
    request.sortFields[0].caption = "Last";
    request.sortFields[0].definitionPosition = 5;
    request.matches = {"abc00001"};
    request.replay = true;
    const SqlRequest read = decodeRequestRows(encode(request)).request;
    EXPECT_EQ(read.conditions[0].definitionPosition, 0);
    EXPECT_EQ(read.conditions[0].definitionPage, 0);
    EXPECT_EQ(read.printFields[0].caption, "");
    EXPECT_EQ(read.printFields[0].width, 0);
    EXPECT_EQ(read.printFields[0].value, "");
    EXPECT_EQ(read.printFields[0].definitionPosition, 5);
    EXPECT_EQ(read.sortFields[0].caption, "");
    EXPECT_EQ(read.sortFields[0].definitionPosition, 0);
    EXPECT_TRUE(read.matches.isEmpty());
    EXPECT_FALSE(read.replay);
}

TEST(RequestRowsTest, MissingPrintAndSortRowsReadAsNone) {
    RequestRows rows = encode(reportRequest());
    rows.pinf.clear();
    rows.sinf.clear();
    const SqlRequest read = decodeRequestRows(rows).request;
    EXPECT_TRUE(read.printFields.isEmpty());
    EXPECT_TRUE(read.sortFields.isEmpty());
}

// ---- Refused rows ----

struct BadRow {
    const char* what;
    std::function<void(RowFields&)> change;
    const char* message;  // after "The <table> row "abc  Members" is refused: "
};

void expectRefusals(const char* table, const RowFields& good, const QList<BadRow>& cases,
                    const std::function<void(const RowFields&)>& decode) {
    ASSERT_NO_THROW(decode(good));
    for (const BadRow& c : cases) {
        RowFields row = good;
        c.change(row);
        const QString message = refusal([&] { decode(row); });
        EXPECT_EQ(message, QStringLiteral("The %1 row \"abc  Members\" is refused: %2").arg(table, c.message)) << c.what;
    }
}

std::function<void(RowFields&)> set(int field, const char* value) {
    return [=](RowFields& row) { row[field] = value; };
}

std::function<void(RowFields&)> keep(int fields) {
    return [=](RowFields& row) { row = row.mid(0, fields); };
}

TEST(RequestRowsTest, RefusesBadQueuRows) {
    const QList<BadRow> cases = {
        {"kind 0", set(5, "0"), R"(field 5 (kind) holds "0"; it takes 1 to 6.)"},
        {"kind 7", set(5, "7"), R"(field 5 (kind) holds "7"; it takes 1 to 6.)"},
        {"kind empty", set(5, ""), R"(field 5 (kind) holds ""; it takes 1 to 6.)"},
        {"kind signed", set(5, "+1"), R"(field 5 (kind) holds "+1", not a whole number.)"},
        {"kind spaced", set(5, " 1"), R"(field 5 (kind) holds " 1", not a whole number.)"},
        {"no conditions", set(6, "0"), R"(field 6 (number of conditions) holds "0"; it takes 1 to 30.)"},
        {"31 conditions", set(6, "31"), R"(field 6 (number of conditions) holds "31"; it takes 1 to 30.)"},
        {"a huge count", set(6, "99999999999999999999999"),
         R"(field 6 (number of conditions) holds "99999999999999999999999"; it takes 1 to 30.)"},
        {"a count past the row", [](RowFields& row) { row = row.mid(0, 31); row[6] = "4"; },
         R"(it has 31 fields, so field 38 (condition 4: connector) is missing.)"},
        {"a count over empty fields", set(6, "4"), R"(field 33 (condition 4: field number) holds ""; it takes 1 to 16.)"},
        {"a short row", keep(30), R"(it has 30 fields, so field 30 (condition 3: connector) is missing.)"},
        {"no kind", keep(5), R"(it has 5 fields, so field 5 (kind) is missing.)"},
        {"open parentheses", set(15, "11"), R"(field 15 (condition 2: open parentheses) holds "11"; it takes 0 to 10.)"},
        {"page 7", set(16, "7"), R"(field 16 (condition 2: page) holds "7"; it takes 0 to 6.)"},
        {"page -1", set(16, "-1"), R"(field 16 (condition 2: page) holds "-1", not a whole number.)"},
        {"header field 17", set(17, "17"), R"(field 17 (condition 2: field number) holds "17"; it takes 1 to 16.)"},
        {"header field 0", set(17, "0"), R"(field 17 (condition 2: field number) holds "0"; it takes 1 to 16.)"},
        {"page field 1", set(25, "1"), R"(field 25 (condition 3: field number) holds "1"; it takes 2 to 122.)"},
        {"page field 123", set(25, "123"), R"(field 25 (condition 3: field number) holds "123"; it takes 2 to 122.)"},
        {"operator 0", set(11, "0"), R"(field 11 (condition 1: operator) holds "0"; it takes 1 to 6.)"},
        {"operator 7", set(11, "7"), R"(field 11 (condition 1: operator) holds "7"; it takes 1 to 6.)"},
        {"close parentheses", set(29, "11"), R"(field 29 (condition 3: close parentheses) holds "11"; it takes 0 to 10.)"},
        {"connector 3", set(14, "3"), R"(field 14 (condition 1: connector) holds "3"; it takes 0 to 2.)"},
        {"connector text", set(14, "OR"), R"(field 14 (condition 1: connector) holds "OR", not a whole number.)"},
    };
    expectRefusals("Queu", encode(listRequest()).queu, cases, [](const RowFields& row) { decodeQueuRow(row); });
}

TEST(RequestRowsTest, RefusesBadPinfRows) {
    const QList<BadRow> cases = {
        {"112 print fields", set(1, "112"), R"(field 1 (number of print fields) holds "112"; it takes 0 to 111.)"},
        {"a count past the row", [](RowFields& row) { row = row.mid(0, 14); row[1] = "4"; },
         R"(it has 14 fields, so field 17 (print field 4: definition position) is missing.)"},
        {"a short row", keep(13), R"(it has 13 fields, so field 13 (print field 3: definition position) is missing.)"},
        {"no count", keep(1), R"(it has 1 field, so field 1 (number of print fields) is missing.)"},
        {"page 9", set(6, "9"), R"(field 6 (print field 2: page) holds "9"; it takes 0 to 6.)"},
        {"field 123", set(7, "123"), R"(field 7 (print field 2: field number) holds "123"; it takes 2 to 122.)"},
        {"order 0", set(4, "0"), R"(field 4 (print field 1: print order) holds "0"; it takes 1 to 3.)"},
        {"order 4", set(12, "4"), R"(field 12 (print field 3: print order) holds "4"; it takes 1 to 3.)"},
        {"position", set(5, "x"), R"(field 5 (print field 1: definition position) holds "x", not a whole number.)"},
    };
    expectRefusals("Pinf", encode(reportRequest()).pinf, cases, [](const RowFields& row) { decodePinfRow(row); });
}

TEST(RequestRowsTest, RefusesBadSinfRows) {
    const QList<BadRow> cases = {
        {"count", set(1, "-1"), R"(field 1 (number of sort fields) holds "-1", not a whole number.)"},
        {"112 sort fields", set(1, "112"), R"(field 1 (number of sort fields) holds "112"; it takes 0 to 111.)"},
        {"a count past the row", set(1, "111"), R"(it has 8 fields, so field 334 (sort field 111: sort order) is missing.)"},
        {"header field 20", set(6, "20"), R"(field 6 (sort field 2: field number) holds "20"; it takes 1 to 16.)"},
        {"order 3", set(7, "3"), R"(field 7 (sort field 2: sort order) holds "3"; it takes 1 to 2.)"},
    };
    RowFields good = encode(reportRequest()).sinf.mid(0, 8);
    expectRefusals("Sinf", good, cases, [](const RowFields& row) { decodeSinfRow(row); });
}

TEST(RequestRowsTest, ARefusalQuotesLongTextsCut) {
    RowFields row = encode(listRequest()).queu;
    row[5] = QString(500, 'x');
    EXPECT_EQ(refusal([&] { decodeQueuRow(row); }),
              QStringLiteral("The Queu row \"abc  Members\" is refused: field 5 (kind) holds \"%1...\", not a whole number.")
                  .arg(QString(60, 'x')));
    EXPECT_EQ(refusal([] { decodeQueuRow({}); }), R"(The Queu row "" is refused: it has 0 fields, so field 5 (kind) is missing.)");
}

TEST(RequestRowsTest, ChecksExchangedRowsByTheirSlot) {
    RowFields bad = encode(reportRequest()).pinf;
    bad[6] = "9";
    EXPECT_THROW(checkStoredRequestRow(kPinfSlot, bad), StoreError);
    EXPECT_THROW(checkStoredRequestRow(kQueuSlot, bad), StoreError);
    EXPECT_NO_THROW(checkStoredRequestRow(kHeadSlot, bad));
    EXPECT_NO_THROW(checkStoredRequestRow(kSinfSlot, encode(reportRequest()).sinf));
    EXPECT_NO_THROW(checkStoredRequestRow(kQueuSlot, encode(listRequest()).queu));
}

// ---- Requests the rows cannot hold ----

struct BadRequest {
    const char* what;
    std::function<void(SqlRequest&)> change;
    const char* message;  // after "The request "abc  Members" cannot be saved: "
};

TEST(RequestRowsTest, RefusesToEncodeWhatTheRowsCannotHold) {
    const QList<BadRequest> cases = {
        {"a long target", [](SqlRequest& r) { r.conditions[1].target = QString(91, 'M'); },
         "condition 2: target (Queu field 20) has 91 characters; the field holds 90."},
        {"a long identifier", [](SqlRequest& r) { r.conditions[2].fieldIdentifier = "abc1011"; },
         "condition 3: field identifier (Queu field 26) has 7 characters; the field holds 6."},
        {"no conditions", [](SqlRequest& r) { r.conditions.clear(); },
         "number of conditions (Queu field 6) is 0; it takes 1 to 30."},
        {"31 conditions", [](SqlRequest& r) { while (r.conditions.size() < 31) r.conditions << r.conditions[0]; },
         "number of conditions (Queu field 6) is 31; it takes 1 to 30."},
        {"a kind not stored", [](SqlRequest& r) { r.kind = RequestKind::Transmit; }, "kind (Queu field 5) is 7; it takes 1 to 6."},
        {"page 7", [](SqlRequest& r) { r.conditions[0].field.page = 7; },
         "condition 1: page (Queu field 8) is 7; it takes 0 to 6."},
        {"header field 17", [](SqlRequest& r) { r.conditions[0].field.fieldNumber = 17; },
         "condition 1: field number (Queu field 9) is 17; it takes 1 to 16."},
        {"11 parentheses", [](SqlRequest& r) { r.conditions[0].openParentheses = 11; },
         "condition 1: open parentheses (Queu field 7) is 11; it takes 0 to 10."},
        {"112 print fields", [](SqlRequest& r) { while (r.printFields.size() < 112) r.printFields << r.printFields[0]; },
         "number of print fields (Pinf field 1) is 112; it takes 0 to 111."},
        {"a print order out of place", [](SqlRequest& r) { r.printFields[2].printOrder = 4; },
         "print field 3: print order (Pinf field 12) is 4; it takes 1 to 3."},
        {"a grid cell on the header", [](SqlRequest& r) { r.printFields[1].field.page = 0; },
         "print field 2: field number (Pinf field 7) is 121; it takes 1 to 16."},
        {"a sort field on page 8", [](SqlRequest& r) { r.sortFields[1].field.page = 8; },
         "sort field 2: page (Sinf field 5) is 8; it takes 0 to 6."},
        {"a negative position", [](SqlRequest& r) { r.printFields[0].definitionPosition = -1; },
         "print field 1: definition position (Pinf field 5) is -1; it takes 0 to 2147483647."},
    };
    SqlRequest good = reportRequest();
    good.conditions = listRequest().conditions;
    ASSERT_NO_THROW(encode(good));
    for (const BadRequest& c : cases) {
        SqlRequest request = good;
        c.change(request);
        EXPECT_EQ(refusal([&] { encode(request); }), QStringLiteral("The request \"abc  Members\" cannot be saved: %1").arg(c.message))
            << c.what;
    }
}

TEST(RequestRowsTest, RefusesANameTooLongForTheKey) {
    const QString fits = storedRequestKey("abc", QString(65, 'n'));
    EXPECT_NO_THROW(encode(listRequest(), fits));
    const QString tooLong = storedRequestKey("abc", QString(66, 'n'));
    EXPECT_EQ(refusal([&] { encode(listRequest(), tooLong); }),
              QStringLiteral("The request name is too long: with its list code and two spaces, \"%1...\" takes 71 "
                             "characters, and a stored request's key holds 70.")
                  .arg(tooLong.left(60)));
}

TEST(RequestRowsTest, RefusesMorePrintFieldsThanARowHolds) {
    RequestRowLayouts layouts = schemaLayouts();
    layouts.pinf.sizes.resize(pinf::definitionPosition(2) + 1);
    EXPECT_EQ(refusal([&] { encodeRequestRows(kKey, reportRequest(), layouts); }),
              "The request \"abc  Members\" cannot be saved: it needs field 13 (print field 3: definition position), "
              "but a Pinf row has 10 fields.");
}

// ---- Display text parts ----

TEST(DisplayTextTest, AShortTextIsPartOne) {
    const QString text = R"(LBCount Records with "Last" = "N*" )";
    EXPECT_EQ(splitDisplayText(text), (DisplayParts{text, "", ""}));
    const QString hundred(100, 'x');
    EXPECT_EQ(splitDisplayText(hundred), (DisplayParts{hundred, "", ""}));
}

TEST(DisplayTextTest, SixQuotesInTheFirstHundredSplitAfterTheSixth) {
    const DisplayParts expected = {
        R"(LBCount Records with ( "Last name of the members" = "Northcott-Smithers*" OR "Last name of spouse")",
        R"( = "Northcott-Jones*" ) AND "First name" = "Anne" AND "City" = "Cheyenne" AND "Membership status")",
        R"( = "Active*" AND "State" = "WY" AND "Zip" = "82001-12" )"};
    const QString text = joinDisplayText(expected);
    ASSERT_EQ(text.size(), 250);
    ASSERT_EQ(text.left(100).count(u'"'), 6);
    EXPECT_EQ(splitDisplayText(text), expected);
}

TEST(DisplayTextTest, OneQuoteInTheFirstHundredLeavesPartOneEmpty) {
    const QString text = QString(50, 'a') + u'"' + QString(149, 'b');
    const DisplayParts parts = splitDisplayText(text);
    EXPECT_EQ(parts[0], "");
    EXPECT_EQ(parts[1], "");  // the same hundred characters again
    EXPECT_EQ(parts[2], text.left(100) + "...");
    const QString shorter = QString(50, 'a') + u'"' + QString(59, 'b');  // 110 characters
    EXPECT_EQ(splitDisplayText(shorter), (DisplayParts{"", "", shorter.left(100) + "..."}));
}

TEST(DisplayTextTest, ALongPartThreeIsCutWithDots) {
    QString text;
    for (int i = 0; i < 8; ++i) text += R"("Field" = "Value" AND )";  // 22 characters, 4 quotes each
    text += QString(300, 'z');
    const DisplayParts parts = splitDisplayText(text);
    EXPECT_TRUE(parts[0].endsWith(u'"'));
    EXPECT_LE(parts[0].size(), 100);
    EXPECT_LE(parts[1].size(), 100);
    EXPECT_EQ(parts[2].size(), 103);
    EXPECT_TRUE(parts[2].endsWith("zzz..."));
    EXPECT_EQ(parts[2], text.mid(parts[0].size() + parts[1].size(), 100) + "...");
}

TEST(DisplayTextTest, PartsJoinBackIntoTheText) {
    QString text = "Print report: Records with ";
    for (int i = 0; i < 9; ++i) text += QStringLiteral(R"("Field %1" = "Target %1" OR )").arg(i);
    ASSERT_GT(text.size(), 200);
    ASSERT_LT(text.size(), 290);
    const DisplayParts parts = splitDisplayText(text);
    for (const QString& part : parts) EXPECT_LE(part.size(), 100);
    EXPECT_FALSE(parts[2].isEmpty());
    EXPECT_EQ(joinDisplayText(parts), text);
    EXPECT_EQ(showDisplayText(parts), parts[0] + " " + parts[1] + " " + parts[2]);
    // Through the rows and back.
    SqlRequest request = listRequest();
    request.displayText = text;
    const RequestRows rows = encode(request);
    EXPECT_EQ(rows.queu.mid(2, 3), QStringList(parts.begin(), parts.end()));
    EXPECT_EQ(decodeQueuRow(rows.queu).request.displayText, text);
}

TEST(DisplayTextTest, CountsCharactersNotUtf16Units) {
    const QString clef = QString::fromUtf8("\xf0\x9d\x84\x9e");  // one character, two UTF-16 units
    const QString text = QString(99, 'a') + clef + "b";  // 101 characters
    const DisplayParts parts = splitDisplayText(text);
    EXPECT_EQ(parts[0], "");
    EXPECT_EQ(parts[1], "");
    EXPECT_EQ(parts[2], QString(99, 'a') + clef + "...");
}

}  // namespace
