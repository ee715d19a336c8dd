#include "store/engine/store_error.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kLink = 23;
const QString kOwner = "abcwyalb000000000";

// 17-character record keys, distinct by their sequence number.
QString recordKey(int n) { return QStringLiteral("xyzwyalb%1").arg(n, 4, 10, QChar('0')) + "00000"; }

struct LinkChainTest : ::testing::Test {
    int capacity() { return access.GetFieldSize(kLink, 5) / 17; }
    void append(int count) {
        for (int i = 0; i < count; ++i) access.AppendLinkEntry(kLink, kOwner, recordKey(i));
    }
    QStringList readAll() {
        QStringList entries;
        QString entry;
        while (access.NextLinkEntry(kLink, kOwner, entry)) entries << entry;
        return entries;
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(LinkChainTest, FullBlocksContinueInTheNextSuffix) {
    append(capacity() + 1);
    EXPECT_EQ(store.keys(kLink), (QStringList{kOwner + "AA", kOwner + "AB"}));
    ASSERT_TRUE(access.FindRecord(kLink, kOwner + "AB"));
    EXPECT_EQ(access.GetFieldInt(kLink, 1), 1);
    EXPECT_EQ(access.GetFieldInt(kLink, 2), 1);
}

TEST_F(LinkChainTest, AfterAZComesBA) {
    append(capacity() * 26 + 1);
    const QStringList keys = store.keys(kLink);
    EXPECT_EQ(keys.size(), 27);
    EXPECT_EQ(keys.at(25), kOwner + "AZ");
    EXPECT_EQ(keys.at(26), kOwner + "BA");
}

TEST_F(LinkChainTest, ReadingReturnsWholeKeysInOrderAcrossBlocksThenStops) {
    const int n = capacity() + 3;
    append(n);
    QStringList expected;
    for (int i = 0; i < n; ++i) expected << recordKey(i);
    EXPECT_EQ(readAll(), expected);
    ASSERT_TRUE(access.FindRecord(kLink, kOwner + "AA"));
    EXPECT_EQ(access.GetFieldText(kLink, 3), "");
    EXPECT_EQ(readAll(), QStringList{});  // a second read needs a rewind
    EXPECT_TRUE(access.RewindLinkChain(kLink, kOwner));
    EXPECT_EQ(readAll(), expected);
}

TEST_F(LinkChainTest, ReadingResumesInTheBlockWhereItStopped) {
    append(capacity() + 2);
    QString entry;
    for (int i = 0; i <= capacity(); ++i) ASSERT_TRUE(access.NextLinkEntry(kLink, kOwner, entry));
    EXPECT_EQ(entry, recordKey(capacity()));
    ASSERT_TRUE(access.FindRecord(kLink, kOwner + "AA"));
    EXPECT_EQ(access.GetFieldText(kLink, 3), "AB");
    ASSERT_TRUE(access.NextLinkEntry(kLink, kOwner, entry));
    EXPECT_EQ(entry, recordKey(capacity() + 1));
}

TEST_F(LinkChainTest, FindSetsTheReadPosition) {
    append(3);
    EXPECT_TRUE(access.FindLinkEntry(kLink, kOwner, recordKey(1)));
    EXPECT_EQ(access.GetFieldInt(kLink, 2), 2);
    EXPECT_TRUE(access.FindLinkEntry(kLink, kOwner, recordKey(2).left(12)));  // compared over its own length
    EXPECT_FALSE(access.FindLinkEntry(kLink, kOwner, recordKey(7)));
    EXPECT_FALSE(access.FindLinkEntry(kLink, "nochain", recordKey(0)));
    EXPECT_TRUE(store.prompter.messages.isEmpty());
}

TEST_F(LinkChainTest, EntriesOfTheWrongWidthAreRefused) {
    append(1);
    for (const QString& bad : {recordKey(1) + "0", recordKey(1).left(16), QString()})
        EXPECT_THROW(access.AppendLinkEntry(kLink, kOwner, bad), StoreError) << bad.toStdString();
    EXPECT_EQ(readAll(), QStringList{recordKey(0)});
}

TEST_F(LinkChainTest, RewindOfAMissingChainIsFalse) { EXPECT_FALSE(access.RewindLinkChain(kLink, kOwner)); }

}  // namespace
