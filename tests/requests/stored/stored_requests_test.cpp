#include "requests/stored/stored_requests.h"
#include "sample_requests.h"
#include "store/engine/store_error.h"
#include "support/qt_printers.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::request_tables;
using namespace vn::test;

namespace {

SqlRequest countRequest() {
    SqlRequest r;
    r.kind = RequestKind::Count;
    r.listCode = "abc";
    r.displayText = R"(LBCount Records with "Last" = "N*" AND "Member" = "Checked" )";
    r.conditions = {condition(0, 5, "", CompareOp::GreaterOrEqual, "N*", Connector::And),
                    condition(1, 22, "abc101", CompareOp::Equal, "1", Connector::None)};
    return r;
}

SqlRequest reportRequest() {
    SqlRequest r;
    r.kind = RequestKind::Report;
    r.listCode = "abc";
    r.displayText = R"(Print report: Records with "City" = "Cheyenne" )";
    r.conditions = {condition(0, 14, "", CompareOp::Equal, "Cheyenne", Connector::None)};
    for (int j = 1; j <= 111; ++j) {
        const int page = j % 7;
        const int fieldNumber = page == 0 ? j % 16 + 1 : j % 121 + 2;
        r.printFields << printField(page, fieldNumber, j, j % 84);
        r.sortFields << sortField(page, fieldNumber, j);
    }
    return r;
}

struct StoredRequestsTest : ::testing::Test {
    test::StoreFixture store;
    RecordAccess& access = store.access;
    const QString key = storedRequestKey("abc", "Members");
};

TEST_F(StoredRequestsTest, TheTablesLayoutsAreTheCodecs) {
    const RequestRowLayouts layouts = requestRowLayouts(access);
    EXPECT_EQ(layouts.queu.table, "Queu");
    EXPECT_EQ(layouts.queu.sizes.size(), queu::kFieldCount);
    EXPECT_EQ(layouts.pinf.sizes.size(), pinf::kFieldCount);
    EXPECT_EQ(layouts.sinf.sizes.size(), sinf::kFieldCount);
    EXPECT_EQ(layouts.queu.sizes[queu::target(1)], 90);
    EXPECT_EQ(layouts.queu.sizes[queu::kKey], 70);
}

TEST_F(StoredRequestsTest, ACountRequestIsOneQueuRowFieldByField) {
    writeStoredRequest(access, key, countRequest());
    ASSERT_TRUE(access.FindRecord(kQueuSlot, key));
    EXPECT_EQ(access.GetFieldText(kQueuSlot, 2), countRequest().displayText);
    EXPECT_EQ(access.GetFieldInt(kQueuSlot, 5), 1);
    EXPECT_EQ(access.GetFieldInt(kQueuSlot, 6), 2);
    QStringList first, second;
    for (int field = 7; field <= 14; ++field) first << access.GetFieldText(kQueuSlot, field);
    for (int field = 15; field <= 22; ++field) second << access.GetFieldText(kQueuSlot, field);
    EXPECT_EQ(first, QStringList({"0", "0", "5", "", "5", "N*", "0", "1"}));
    EXPECT_EQ(second, QStringList({"0", "1", "22", "abc101", "1", "1", "0", "0"}));
    EXPECT_EQ(access.GetFieldText(kQueuSlot, 23), "");
    EXPECT_EQ(access.RecordCount(kPinfSlot), 0);
    EXPECT_EQ(access.RecordCount(kSinfSlot), 0);
}

TEST_F(StoredRequestsTest, RequestsReadBackAsWritten) {
    for (const SqlRequest& written : {countRequest(), reportRequest()}) {
        writeStoredRequest(access, key, written);
        const std::optional<StoredRequest> read = readStoredRequest(access, key);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->key, key);
        EXPECT_EQ(read->displayParts, splitDisplayText(written.displayText));
        EXPECT_EQ(read->request.kind, written.kind);
        EXPECT_EQ(read->request.listCode, "abc");
        EXPECT_EQ(read->request.displayText, written.displayText);
        EXPECT_EQ(read->request.conditions, written.conditions);
        EXPECT_EQ(read->request.printFields, written.printFields);
        EXPECT_EQ(read->request.sortFields, written.sortFields);
    }
}

TEST_F(StoredRequestsTest, AReportKeepsItsPrintAndSortFieldsUnderTheSameKey) {
    writeStoredRequest(access, key, reportRequest());
    ASSERT_TRUE(access.FindRecord(kPinfSlot, key));
    EXPECT_EQ(access.GetFieldInt(kPinfSlot, 1), 111);
    EXPECT_EQ(access.GetFieldInt(kPinfSlot, pinf::printOrder(111)), 111);
    ASSERT_TRUE(access.FindRecord(kSinfSlot, key));
    EXPECT_EQ(access.GetFieldInt(kSinfSlot, 1), 111);
    EXPECT_EQ(access.GetFieldInt(kSinfSlot, sinf::sortOrder(111)), 111);
}

TEST_F(StoredRequestsTest, ARewrittenReportLeavesNothingOfTheOldRows) {
    writeStoredRequest(access, key, reportRequest());
    SqlRequest fewer = reportRequest();
    fewer.printFields = fewer.printFields.mid(0, 2);
    fewer.sortFields = fewer.sortFields.mid(0, 1);
    writeStoredRequest(access, key, fewer);
    ASSERT_TRUE(access.FindRecord(kPinfSlot, key));
    EXPECT_EQ(access.GetFieldText(kPinfSlot, pinf::page(3)), "");
    ASSERT_TRUE(access.FindRecord(kSinfSlot, key));
    EXPECT_EQ(access.GetFieldText(kSinfSlot, sinf::page(2)), "");
    EXPECT_EQ(readStoredRequest(access, key)->request.printFields, fewer.printFields);
}

TEST_F(StoredRequestsTest, AnAbsentKeyReadsAsNothing) {
    writeStoredRequest(access, key, countRequest());
    EXPECT_FALSE(readStoredRequest(access, storedRequestKey("abc", "members")));
    EXPECT_FALSE(readStoredRequest(access, storedRequestKey("abd", "Members")));
}

TEST_F(StoredRequestsTest, ARefusedRequestWritesNothing) {
    SqlRequest request = reportRequest();
    request.sortFields[110].field.page = 7;  // the last value encoded
    try {
        writeStoredRequest(access, key, request);
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(),
                  R"(The request "abc  Members" cannot be saved: sort field 111: page (Sinf field 332) is 7; it takes 0 to 6.)");
    }
    EXPECT_EQ(access.RecordCount(kQueuSlot), 0);
    EXPECT_EQ(access.RecordCount(kPinfSlot), 0);
    EXPECT_EQ(access.RecordCount(kSinfSlot), 0);

    request = countRequest();
    request.conditions[1].target = QString(91, 'x');
    EXPECT_THROW(writeStoredRequest(access, key, request), StoreError);
    EXPECT_THROW(writeStoredRequest(access, storedRequestKey("abc", QString(66, 'n')), countRequest()), StoreError);
    EXPECT_EQ(access.RecordCount(kQueuSlot), 0);
}

TEST_F(StoredRequestsTest, ABadStoredRowIsRefusedNamingKeyAndField) {
    writeStoredRequest(access, key, reportRequest());
    access.FindRecord(kPinfSlot, key);
    access.SetFieldText(kPinfSlot, pinf::fieldNumber(2), "123");
    try {
        (void)readStoredRequest(access, key);
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The Pinf row \"abc  Members\" is refused: field 7 (print field 2: field "
                                              "number) holds \"123\"; it takes 2 to 122."));
    }
    access.FindRecord(kQueuSlot, key);
    access.SetFieldText(kQueuSlot, queu::kConditionCount, "31");
    EXPECT_THROW((void)readStoredRequest(access, key), StoreError);
}

TEST_F(StoredRequestsTest, PrintAndSortRowsOfOtherKindsAreNotRead) {
    writeStoredRequest(access, key, reportRequest());
    access.FindRecord(kPinfSlot, key);
    access.SetFieldText(kPinfSlot, pinf::kCount, "bad");
    writeStoredRequest(access, key, countRequest());  // the Queu row now says Count
    const std::optional<StoredRequest> read = readStoredRequest(access, key);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->request.printFields.isEmpty());
}

TEST_F(StoredRequestsTest, RowsReadUpToDelta) {
    writeStoredRequest(access, key, countRequest());
    ASSERT_TRUE(access.FindRecord(kQueuSlot, key));
    const RowFields row = readCurrentRow(access, kQueuSlot);
    EXPECT_EQ(row.size(), queu::kFieldCount);
    EXPECT_EQ(row[0], key);
}

}  // namespace
