#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kHead = 11, kParm = 3;

struct RecordWalkTest : ::testing::Test {
    RecordWalkTest() { store.access.setShutdownRequest([this] { ++shutdowns; }); }

    QStringList walk(int slot) {
        QStringList keys;
        store.access.BeginScan(slot);
        while (store.access.GetNextRec(slot)) keys << store.access.GetFieldText(slot, 0);
        return keys;
    }
    bool sequenceErrorShown() const {
        return store.prompter.texts().contains(
            "GetNextRec Sequence Error in File Number [11].  The program will now attempt to close. "
            "Report the above Sequence and File number to the computer center now! "
            "Ignore any other errors reported during the closing process.");
    }

    test::StoreFixture store;
    RecordAccess& access = store.access;
    int shutdowns = 0;
};

TEST_F(RecordWalkTest, VisitsEveryRecordOnceInKeyOrder) {
    store.addRecords(kHead, {"c", "a", "b"});
    EXPECT_EQ(walk(kHead), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(walk(kParm), QStringList{});
}

TEST_F(RecordWalkTest, BeginScanPurgesTheRecordWithAnEmptyKey) {
    store.addRecords(kHead, {"", "a", "b"});
    EXPECT_EQ(walk(kHead), (QStringList{"a", "b"}));
    EXPECT_EQ(access.RecordCount(kHead), 2);
}

TEST_F(RecordWalkTest, OneRecordThenEndThenSequenceError) {
    store.addRecords(kHead, {"a"});
    access.BeginScan(kHead);
    EXPECT_TRUE(access.GetNextRec(kHead));
    EXPECT_FALSE(access.GetNextRec(kHead));
    EXPECT_FALSE(sequenceErrorShown());
    EXPECT_FALSE(access.GetNextRec(kHead));
    EXPECT_TRUE(sequenceErrorShown());
    EXPECT_TRUE(access.exitFlag());
    EXPECT_EQ(shutdowns, 1);
}

TEST_F(RecordWalkTest, DeletingTheRecordJustReturnedContinuesWithTheNextKey) {
    store.addRecords(kHead, {"a", "b", "c", "d"});
    QStringList seen;
    access.BeginScan(kHead);
    while (access.GetNextRec(kHead)) {
        const QString key = access.GetFieldText(kHead, 0);
        seen << key;
        if (key == "a" || key == "c") access.DeleteRecord(kHead, key);
    }
    EXPECT_EQ(seen, (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(store.keys(kHead), (QStringList{"b", "d"}));
    EXPECT_FALSE(sequenceErrorShown());
}

TEST_F(RecordWalkTest, DeletingTheLastRecordEndsTheWalk) {
    store.addRecords(kHead, {"a", "b"});
    access.BeginScan(kHead);
    ASSERT_TRUE(access.GetNextRec(kHead));
    ASSERT_TRUE(access.GetNextRec(kHead));
    access.DeleteRecord(kHead, "b");
    EXPECT_FALSE(access.GetNextRec(kHead));
    EXPECT_FALSE(sequenceErrorShown());
}

TEST_F(RecordWalkTest, CallerMayLookUpAndAddRecordsBetweenSteps) {
    store.addRecords(kHead, {"a", "c", "e"});
    QStringList seen;
    access.BeginScan(kHead);
    while (access.GetNextRec(kHead)) {
        const QString key = access.GetFieldText(kHead, 0);
        seen << key;
        access.SetFieldText(kHead, 4, "seen");
        if (key == "a") access.EnsureRecord(kHead, "b");
        access.FindRecord(kHead, "e");
    }
    EXPECT_EQ(seen, (QStringList{"a", "b", "c", "e"}));
}

TEST_F(RecordWalkTest, WalksOfTwoSlotsCanBeNested) {
    store.addRecords(kHead, {"h1", "h2"});
    store.addRecords(kParm, {"p1", "p2"});
    QStringList pairs;
    access.BeginScan(kHead);
    while (access.GetNextRec(kHead)) {
        access.BeginScan(kParm);
        while (access.GetNextRec(kParm))
            pairs << access.GetFieldText(kHead, 0) + access.GetFieldText(kParm, 0);
    }
    EXPECT_EQ(pairs, (QStringList{"h1p1", "h1p2", "h2p1", "h2p2"}));
}

}  // namespace
