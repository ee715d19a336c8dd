#include "store/engine/store_error.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kHead = 11, kParm = 3, kTemp = 1;

struct RecordAccessTest : ::testing::Test {
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(RecordAccessTest, GetFieldIntReadsOnlyPlainDigits) {
    struct Case {
        QString text;
        int value;
    };
    const Case cases[] = {{" 12", 0}, {"-3", 0}, {"1.5", 0}, {"", 0}, {"007", 7}, {"42", 42},
                          {"2147483647", 2147483647}, {"2147483648", 0}, {"99999999999999999999", 0}};
    access.EnsureRecord(kParm, "k");
    for (const Case& c : cases) {
        access.SetFieldText(kParm, 2, c.text);
        EXPECT_EQ(access.GetFieldInt(kParm, 2), c.value) << c.text.toStdString();
    }
}

TEST_F(RecordAccessTest, IncrementAndDecrementChangeOnlyDigitFields) {
    struct Case {
        QString before;
        int delta;
        QString after;
    };
    const Case cases[] = {{"1 2", 1, "13"}, {"12a", 1, "12a"}, {"", 1, ""}, {"9", 1, "10"},
                          {"10", -1, "9"},  {"0", -1, "-1"},   {" 7 ", -1, "6"}};
    access.EnsureRecord(kParm, "k");
    for (const Case& c : cases) {
        access.SetFieldText(kParm, 2, c.before);
        c.delta > 0 ? access.IncrementField(kParm, 2) : access.DecrementField(kParm, 2);
        EXPECT_EQ(access.GetFieldText(kParm, 2), c.after) << c.before.toStdString();
    }
}

TEST_F(RecordAccessTest, SetFieldIntWritesDecimalDigits) {
    access.EnsureRecord(kParm, "k");
    access.SetFieldInt(kParm, 3, 1234);
    EXPECT_EQ(access.GetFieldText(kParm, 3), "1234");
}

TEST_F(RecordAccessTest, EnsureRecordCreatesOnceAndLeavesItCurrent) {
    access.EnsureRecord(kHead, "abc");
    access.SetFieldText(kHead, 4, "Smith");
    access.EnsureRecord(kHead, "abc");
    EXPECT_EQ(access.GetFieldText(kHead, 4), "Smith");
    EXPECT_EQ(access.RecordCount(kHead), 1);
}

TEST_F(RecordAccessTest, FailedLookupLeavesFirstRecordReadableAndRefusesWrites) {
    store.addRecords(kHead, {"m", "c", "x"});
    EXPECT_FALSE(access.FindRecord(kHead, "d"));
    EXPECT_EQ(access.GetFieldText(kHead, 0), "c");
    EXPECT_THROW(access.SetFieldText(kHead, 1, "oops"), StoreError);
    ASSERT_TRUE(access.FindRecord(kHead, "c"));
    EXPECT_EQ(access.GetFieldText(kHead, 1), "vc");
}

TEST_F(RecordAccessTest, DeleteRecordIgnoresAbsentKeys) {
    store.addRecords(kHead, {"a", "b"});
    access.DeleteRecord(kHead, "zz");
    access.DeleteRecord(kHead, "a");
    EXPECT_EQ(store.keys(kHead), QStringList{"b"});
}

TEST_F(RecordAccessTest, DeleteAllRecordsCountsWhenAsked) {
    store.addRecords(kHead, {"a", "b", "c"});
    store.addRecords(kParm, {"p"});
    access.DeleteAllRecords(kHead, true);
    access.DeleteAllRecords(kParm, false);
    EXPECT_EQ(access.progressCounter, 3);
    EXPECT_EQ(access.RecordCount(kHead), 0);
    EXPECT_EQ(access.RecordCount(kParm), 0);
}

TEST_F(RecordAccessTest, FieldFactsAndNames) {
    EXPECT_EQ(access.GetFieldCount(kHead), 30);
    EXPECT_EQ(access.GetFieldName(kHead, 0), "Key");
    EXPECT_EQ(access.GetFieldSize(kHead, 4), 40);
    EXPECT_TRUE(access.IsMemoField(14, 121));
    EXPECT_FALSE(access.IsMemoField(14, 120));
    EXPECT_EQ(access.GetFieldNumber(14, "Memo"), 121);
    EXPECT_TRUE(store.prompter.messages.isEmpty());
}

TEST_F(RecordAccessTest, UnknownFieldNameWarnsAndGivesMinusOneWhichNoOperationAccepts) {
    access.EnsureRecord(kHead, "a");
    const int n = access.GetFieldNumber(kHead, "memo");
    EXPECT_EQ(n, -1);
    EXPECT_EQ(store.prompter.texts(), QStringList{"GetFieldNumber Error - The field [memo] could not be found"});
    EXPECT_EQ(store.prompter.beeps, 1);
    EXPECT_THROW(access.GetFieldText(kHead, n), StoreError);
    EXPECT_THROW(access.SetFieldText(kHead, n, "x"), StoreError);
    EXPECT_THROW(access.GetFieldText(kHead, access.GetFieldCount(kHead)), StoreError);
}

TEST_F(RecordAccessTest, UnopenedSlotIsAnErrorNamingIt) {
    try {
        access.RecordCount(kTemp);
        FAIL();
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), "Table 1 [Temp] is not open.");
    }
    EXPECT_THROW(access.RecordCount(32), StoreError);
}

TEST_F(RecordAccessTest, RecordIndexGivesZeroBasedPosition) {
    EXPECT_EQ(access.RecordIndex(kHead, "a"), -1);
    store.addRecords(kHead, {"a", "b", "c", "d", "e"});
    EXPECT_EQ(access.RecordIndex(kHead, "a"), 0);
    EXPECT_EQ(access.RecordIndex(kHead, "c"), 2);
    EXPECT_EQ(access.RecordIndex(kHead, "zz"), 4);
}

TEST_F(RecordAccessTest, FindNearestPrefixListsKeysWithAPrefix) {
    store.addRecords(kParm, {"aaa1", "abc1", "abc2", "abc3", "abd1"});
    QStringList found;
    for (bool more = access.FindNearestPrefix(kParm, "abc", 3, true); more;
         more = access.FindNearestPrefix(kParm, "abc", 3, false))
        found << access.GetFieldText(kParm, 0);
    EXPECT_EQ(found, (QStringList{"abc1", "abc2", "abc3"}));
    EXPECT_FALSE(access.FindNearestPrefix(kParm, "zzz", 3, true));
}

TEST_F(RecordAccessTest, FindNearestPrefixStopsAtTheLastRecord) {
    store.addRecords(kParm, {"abc1", "abc2"});
    ASSERT_TRUE(access.FindNearestPrefix(kParm, "abc", 3, true));
    ASSERT_TRUE(access.FindNearestPrefix(kParm, "abc", 3, false));
    EXPECT_FALSE(access.FindNearestPrefix(kParm, "abc", 3, false));
}

TEST_F(RecordAccessTest, KeysWithAPrefixInAnyCaseOfItsCode) {
    store.addRecords(kHead, {"abb9", "abc1", "ABc2", "aBC3", "abd1", "abc\xf0\x9f\x98\x80"});
    EXPECT_EQ(access.KeysWithPrefix(kHead, "abc", 3), (QStringList{"ABc2", "aBC3", "abc1", "abc\xf0\x9f\x98\x80"}));
    EXPECT_EQ(access.KeysWithPrefix(kHead, "abc", 0), (QStringList{"abc1", "abc\xf0\x9f\x98\x80"}));
    EXPECT_EQ(access.KeysWithPrefix(kHead, "zz", 2), QStringList{});
    EXPECT_EQ(access.CountKeysWithPrefix(kHead, "abc", 3), 4);
    EXPECT_EQ(access.CountKeysWithPrefix(kHead, "abc", 0), 2);
    EXPECT_EQ(access.CountKeysWithPrefix(kHead, "zz", 2), 0);
    ASSERT_TRUE(access.FindRecord(kHead, "abc1"));
    EXPECT_EQ(access.DeleteKeysWithPrefix(kHead, "ABC", 3), 4);
    EXPECT_EQ(access.GetFieldText(kHead, 0), "");  // the current record went with them
    EXPECT_EQ(store.keys(kHead), (QStringList{"abb9", "abd1"}));
}

TEST_F(RecordAccessTest, WritesInOneTransactionApplyWholeOrNotAtAll) {
    {
        Transaction tx(access.database(kHead));
        access.EnsureRecord(kHead, "a");
        access.SetFieldText(kHead, 4, "Smith");
        access.EnsureRecord(14, "a");
        access.SetFieldText(14, 1, "page");
    }
    EXPECT_EQ(access.RecordCount(kHead), 0);
    EXPECT_EQ(access.RecordCount(14), 0);
    {
        Transaction tx(access.database(kHead));
        access.EnsureRecord(kHead, "a");
        access.SetFieldText(kHead, 4, "Smith");
        access.EnsureRecord(14, "a");
        access.SetFieldText(14, 121, "memo\r\ntext");
        tx.commit();
    }
    ASSERT_TRUE(access.FindRecord(kHead, "a"));
    EXPECT_EQ(access.GetFieldText(kHead, 4), "Smith");
    ASSERT_TRUE(access.FindRecord(14, "a"));
    EXPECT_EQ(access.GetFieldText(14, 121), "memo\r\ntext");
}

}  // namespace
