#include "lists/records/record_tables.h"
#include "maintenance_rows.h"
#include "setup/maintenance/key_conversion.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using test::fieldOf;
using test::putRow;

namespace {

const KeyOrigin kOrigin{QStringLiteral("wy"), QStringLiteral("alb")};
const QString kTaken = QStringLiteral("abcwyalb002000000");   // a record of the current form
const QString kLonger = QStringLiteral("abcwyalb1000000000");  // sequence 10000: current form too

// Old records with their header's first name, a page row and a two-block link chain.
void addOldRecord(RecordAccess& a, const QString& key) {
    putRow(a, kHeadSlot, key, {{2, "first " + key}});
    putRow(a, kPag3Slot, key, {{1, "page " + key}});
    putRow(a, kLinkSlot, key + "AA", {{5, "chain " + key}});
    putRow(a, kLinkSlot, key + "AB", {{5, "more " + key}});
}

class KeyConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* key : {"xyz12", "abc1", "abc2"}) addOldRecord(a, key);
        for (const QString& key : {kTaken, kLonger}) {
            putRow(a, kHeadSlot, key, {{2, "current"}});
            putRow(a, kPag1Slot, key, {{1, "own page"}});
        }
    }
    test::StoreFixture store;
    RecordAccess& a = store.access;
};

TEST_F(KeyConversionTest, numbersOldKeysInKeyOrderPassingOverKeysInUse) {
    const KeyConversion done = convertRecordKeys(a, kOrigin, {});

    // abc1 gets 001, abc2 would get 002 (taken) and gets 003, xyz12 gets 004.
    const QStringList expected{"abcwyalb001000000", kTaken, "abcwyalb003000000", kLonger, "xyzwyalb004000000"};
    EXPECT_EQ(store.keys(kHeadSlot), expected);
    const std::pair<const char*, QString> moves[] = {
        {"abc1", "abcwyalb001000000"}, {"abc2", "abcwyalb003000000"}, {"xyz12", "xyzwyalb004000000"}};
    for (const auto& [old, now] : moves) {
        EXPECT_EQ(fieldOf(a, kHeadSlot, now, 2), QStringLiteral("first ") + old);
        EXPECT_EQ(fieldOf(a, kPag3Slot, now, 1), QStringLiteral("page ") + old);
        EXPECT_EQ(fieldOf(a, kLinkSlot, now + "AA", 5), QStringLiteral("chain ") + old);
        EXPECT_EQ(fieldOf(a, kLinkSlot, now + "AB", 5), QStringLiteral("more ") + old);
        EXPECT_FALSE(a.FindRecord(kPag3Slot, old));
        EXPECT_FALSE(a.FindRecord(kLinkSlot, old + QStringLiteral("AA")));
    }
    for (const QString& key : {kTaken, kLonger}) {
        EXPECT_EQ(fieldOf(a, kHeadSlot, key, 2), "current");
        EXPECT_EQ(fieldOf(a, kPag1Slot, key, 1), "own page");
    }
    EXPECT_EQ(done.converted, 3);
    EXPECT_EQ(done.numbersSkipped, 1);
    EXPECT_EQ(done.left, 0);
}

TEST_F(KeyConversionTest, stopsAtTheLastThreeDigitNumberKeepingTheRest) {
    const KeyConversion done = convertRecordKeys(a, kOrigin, {}, kLastConversionNumber - 1);

    EXPECT_EQ(fieldOf(a, kHeadSlot, "abcwyalb998000000", 2), "first abc1");
    EXPECT_EQ(fieldOf(a, kHeadSlot, "abcwyalb999000000", 2), "first abc2");
    EXPECT_EQ(fieldOf(a, kHeadSlot, "xyz12", 2), "first xyz12");
    EXPECT_EQ(fieldOf(a, kLinkSlot, "xyz12AA", 5), "chain xyz12");
    EXPECT_EQ(done.converted, 2);
    EXPECT_EQ(done.left, 1);
    for (const QString& key : store.keys(kHeadSlot)) EXPECT_LE(key.size(), 18) << key.toStdString();
}

TEST_F(KeyConversionTest, aCancelChangesNothing) {
    const QStringList before = store.keys(kHeadSlot);
    const KeyConversion done = convertRecordKeys(a, kOrigin, [](qint64 d, qint64) { return d < 2; });
    EXPECT_TRUE(done.cancelled);
    EXPECT_EQ(store.keys(kHeadSlot), before);
    EXPECT_EQ(fieldOf(a, kLinkSlot, "abc1AA", 5), "chain abc1");
}

}  // namespace
