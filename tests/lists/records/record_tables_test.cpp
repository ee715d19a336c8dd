#include "lists/records/list_removal.h"
#include "lists/records/record_key.h"
#include "lists/records/record_rows.h"
#include "lists/records/record_values.h"
#include "store/engine/store_error.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const KeyOrigin kCounty{"wy", "alb"};

struct RecordTablesTest : ::testing::Test {
    // A record of the list saved the way the entry window saves a new one.
    QString saveNew(const QString& code, const KeyOrigin& origin = kCounty) {
        RecordValues values(NewRecordKey(access, code, origin));
        values.setHeader(4, "Smith");
        values.save(access, 2);
        CommitRecordCounter(access, code, origin);
        return values.key();
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(RecordTablesTest, KeysCountFromZeroAndNeverReuseANumber) {
    EXPECT_EQ(saveNew("abc"), "abcwyalb000000000");
    EXPECT_EQ(saveNew("abc"), "abcwyalb000100000");
    const QString third = saveNew("abc");
    DeleteRecordRows(access, third);
    EXPECT_EQ(saveNew("abc"), "abcwyalb000300000");  // below the counter numbers are not proposed again
    access.EnsureRecord(kHeadSlot, "abcwyalb000500000");  // a record that came from elsewhere
    EXPECT_EQ(saveNew("abc"), "abcwyalb000400000");
    EXPECT_EQ(saveNew("abc"), "abcwyalb000600000");
}

TEST_F(RecordTablesTest, KeysByOperationLevel) {
    struct Case {
        int level;
        QString key;
    };
    for (const Case& c : {Case{1, "xyzwyalb000000000"}, Case{2, "xyzwyned000000000"}, Case{3, "xyzwywy_000000000"}}) {
        const KeyOrigin origin{"wy", officeCodeFor(c.level, "ALB", "NED", "wy")};
        EXPECT_EQ(buildRecordKey("XYZ", origin, 0), c.key) << c.level;
    }
}

TEST_F(RecordTablesTest, SequenceTenThousandGivesAnEighteenCharacterKeyKeptWhole) {
    access.EnsureRecord(kParmSlot, "abc");
    access.SetFieldInt(kParmSlot, 2, 9999);
    EXPECT_EQ(saveNew("abc"), "abcwyalb999900000");
    const QString key = saveNew("abc");
    EXPECT_EQ(key, "abcwyalb1000000000");
    EXPECT_EQ(key.size(), 18);
    RecordValues read;
    read.load(access, key);
    EXPECT_EQ(read.header(4), "Smith");
}

TEST_F(RecordTablesTest, SavedValuesReadBackAndUnsavedPagesHaveNoRows) {
    RecordValues values("abcwyalb000000000");
    values.setHeader(2, "Ann");
    values.setPage(1, 21, "0");
    values.setPage(2, 121, "line 1\r\nline 2");
    values.setPage(2, 76, "cell r2 c1");
    values.save(access, 2);
    EXPECT_FALSE(values.isChanged());
    RecordValues read;
    read.load(access, "abcwyalb000000000");
    EXPECT_EQ(read.header(2), "Ann");
    EXPECT_EQ(read.page(1, 21), "0");
    EXPECT_EQ(read.page(2, 121), "line 1\r\nline 2");
    EXPECT_EQ(read.page(2, 76), "cell r2 c1");
    EXPECT_EQ(read.page(3, 1), "");
    EXPECT_TRUE(access.FindRecord(pageSlot(2), "abcwyalb000000000"));
    EXPECT_FALSE(access.FindRecord(pageSlot(3), "abcwyalb000000000"));
    EXPECT_THROW(read.page(7, 1), StoreError);
    EXPECT_THROW(read.header(26), StoreError);
}

TEST_F(RecordTablesTest, DeletingARecordRemovesTheChainsItOwns) {
    const QString owner = saveNew("abc");
    const QString other = saveNew("abc");
    access.AppendLinkEntry(kLinkSlot, owner, "xyzwyalb000000000");
    access.AppendLinkEntry(kLinkSlot, other, "xyzwyalb000100000");
    DeleteRecordRows(access, owner);
    EXPECT_FALSE(access.FindRecord(kHeadSlot, owner));
    EXPECT_EQ(store.keys(kLinkSlot), QStringList{other + "AA"});
}

TEST_F(RecordTablesTest, ChainsOfAnEighteenCharacterKeyAreNotTakenForAShorterOnesChains) {
    const QString shortKey = "abcwyalb100000000";
    const QString longKey = "abcwyalb1000000000";
    access.EnsureRecord(kLinkSlot, longKey + "AA");
    access.EnsureRecord(kLinkSlot, shortKey + "AA");
    DeleteOwnedLinks(access, shortKey);
    EXPECT_EQ(store.keys(kLinkSlot), QStringList{longKey + "AA"});
}

TEST_F(RecordTablesTest, DeletingAListsRecordsLeavesOtherListsAndRestartsTheCounter) {
    for (int i = 0; i < 3; ++i) saveNew("abc");
    const QString keep = saveNew("abd");
    access.AppendLinkEntry(kLinkSlot, "abcwyalb000000000", "abdwyalb000000000");
    access.EnsureRecord(kHeadSlot, "ABCwyalb009900000");  // same list, other case
    access.EnsureRecord(kListSlot, "abc");
    access.SetFieldInt(kListSlot, 5, 7);
    DeleteListRecords(access, "ABC");
    EXPECT_EQ(store.keys(kHeadSlot), QStringList{keep});
    EXPECT_EQ(store.keys(pageSlot(1)), QStringList{keep});
    EXPECT_EQ(store.keys(kLinkSlot), QStringList{});
    ASSERT_TRUE(access.FindRecord(kListSlot, "abc"));
    EXPECT_EQ(access.GetFieldInt(kListSlot, 5), 0);
    EXPECT_EQ(saveNew("abc"), "abcwyalb000100000");  // the counter starts again at 1
}

TEST_F(RecordTablesTest, AFailedSaveLeavesNothingHalfWritten) {
    RecordValues values("abcwyalb000000000");
    values.setHeader(4, "Smith");
    values.setPage(1, 1, "kept?");
    store.catalogue.close(pageSlot(1));  // the page table is gone: the save must fail
    EXPECT_THROW(values.save(access, 1), StoreError);
    EXPECT_EQ(access.RecordCount(kHeadSlot), 0);
}

}  // namespace

namespace {

TEST_F(RecordTablesTest, DeletingAWholeListTakesEverythingEnteredUnderIt) {
    const int listSlots[] = {kListSlot, 9, 25, 10, 12, 17, 19, 18};
    for (int slot : listSlots) {
        const bool request = slot >= 17 && slot <= 19;
        access.EnsureRecord(slot, slot == kListSlot ? "abc" : request ? "abc  Members" : "abc101");
        access.EnsureRecord(slot, slot == kListSlot ? "abd" : request ? "abd  Members" : "abd101");
    }
    access.EnsureRecord(10, "ABC011Red");  // another case of the same code
    saveNew("abc");
    const QString other = saveNew("abd");
    access.AppendLinkEntry(kLinkSlot, "abcwyalb000000000", other);
    access.EnsureRecord(24, "01001");  // default lists belong to no list
    access.EnsureRecord(13, "1actionGotoExit");
    DeleteWholeList(access, "abc");
    for (int slot : listSlots) {
        const QStringList keys = store.keys(slot);
        EXPECT_EQ(keys.size(), 1) << slot;
        EXPECT_TRUE(keys.value(0).startsWith("abd")) << slot;
    }
    EXPECT_EQ(store.keys(kHeadSlot), QStringList{other});
    EXPECT_EQ(store.keys(kLinkSlot), QStringList{});
    EXPECT_FALSE(access.FindRecord(kParmSlot, "abc"));
    EXPECT_TRUE(access.FindRecord(kParmSlot, "abd"));
    EXPECT_EQ(access.RecordCount(24), 1);
    EXPECT_EQ(access.RecordCount(13), 1);
}

}  // namespace
