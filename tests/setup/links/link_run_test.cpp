#include "setup/links/head_rows.h"
#include "setup/links/link_run.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using test::chainOf;
using test::recordKey;

namespace {

constexpr int kBlocks = 26 * 26;

class LinkRunTest : public ::testing::Test {
protected:
    LinkCounts run(const char* primary, const QStringList& secondary, int condition = 1) {
        return runLinks(store.access, {QString::fromLatin1(primary), secondary, condition});
    }
    QStringList linkKeys() { return store.keys(kLinkSlot); }
    // Every block of the owner's chain filled with other keys.
    void fillChain(const QString& owner) {
        const int perBlock = store.access.GetFieldSize(kLinkSlot, 5) / 17;
        for (int n = 0; n < kBlocks; ++n) {
            store.access.EnsureRecord(kLinkSlot, owner + QChar('A' + n / 26) + QChar('A' + n % 26));
            store.access.SetFieldInt(kLinkSlot, 1, perBlock);
            store.access.SetFieldInt(kLinkSlot, 2, 1);
            store.access.SetFieldText(kLinkSlot, 5, recordKey("zzz", n).repeated(perBlock));
        }
    }

    test::StoreFixture store;
};

}  // namespace

TEST_F(LinkRunTest, linksMatchesOneWayOnceToTheLowestEqualPrimary) {
    test::putHeadRows(store.access, {{recordKey("abc", 2), "O'Brien", "Mary-Ann"},
                                     {recordKey("abc", 1), "OBrien", "Maryann"},
                                     {recordKey("abc", 3), "Smith, Jr", "Ann"},
                                     {recordKey("abd", 1), "OBRIEN", "maryann"},
                                     {recordKey("abd", 2), "Smith Jr", "Ann"},
                                     {recordKey("abe", 1), "obrien", "maryann"}});

    qint64 lastDone = 0, total = 0;
    const LinkCounts first = runLinks(store.access, {"abc", {"abd"}, 1}, [&](qint64 done, qint64 all) {
        lastDone = done;
        total = all;
    });
    const LinkCounts second = run("abc", {"abd"});

    EXPECT_EQ(first.added, 1);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(chainOf(store.access, recordKey("abc", 1)), QStringList{recordKey("abd", 1)});
    EXPECT_EQ(linkKeys(), QStringList{recordKey("abc", 1) + "AA"});  // no back chain, none from abe
    EXPECT_EQ(lastDone, 6);
    EXPECT_EQ(total, 6);
}

TEST_F(LinkRunTest, underThePhoneConditionPunctuationOfPhonesIsIgnored) {
    test::putHeadRows(store.access, {{recordKey("abc", 1), "Lee", "Ann", "(307) 555-1234"},
                                     {recordKey("abc", 2), "Lee", "Bob", "307 555 1234"},
                                     {recordKey("abd", 1), "Lee", "Ann", "307-555-1234"},
                                     {recordKey("abd", 2), "Lee", "Bob", "307 555 9999"}});

    EXPECT_EQ(run("abc", {"abd"}, 2).added, 1);
    EXPECT_EQ(chainOf(store.access, recordKey("abc", 1)), QStringList{recordKey("abd", 1)});
    EXPECT_TRUE(chainOf(store.access, recordKey("abc", 2)).isEmpty());
}

TEST_F(LinkRunTest, rowsWithoutANameOrWithKeysOfAnotherLengthAreSkipped) {
    test::putHeadRows(store.access, {{recordKey("abc", 1), "", ""},
                                     {recordKey("abc", 2), " - ", "."},
                                     {"abcwyalb1000000000", "Lee", "Ann"},
                                     {"abcshort", "Lee", "Ann"},
                                     {recordKey("abc", 3), "Lee", "Ann"},
                                     {recordKey("abd", 1), "", ""},
                                     {"abdwyalb1000000000", "Lee", "Ann"},
                                     {recordKey("abd", 2), "Lee", "Ann"}});

    const LinkCounts counts = run("abc", {"abd"});

    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.skipped, 6);
    EXPECT_EQ(linkKeys(), QStringList{recordKey("abc", 3) + "AA"});
    EXPECT_EQ(chainOf(store.access, recordKey("abc", 3)), QStringList{recordKey("abd", 2)});
}

TEST_F(LinkRunTest, aFullChainIsReportedOnceAndTheRunGoesOn) {
    test::putHeadRows(store.access, {{recordKey("abc", 1), "Lee", "Ann"},
                                     {recordKey("abc", 2), "Ray", "Bob"},
                                     {recordKey("abd", 1), "Lee", "Ann"},
                                     {recordKey("abd", 2), "Ray", "Bob"},
                                     {recordKey("abe", 1), "Lee", "Ann"}});
    fillChain(recordKey("abc", 1));

    const LinkCounts counts = run("abc", {"abd", "abe"});

    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(store.prompter.texts(),
              QStringList{"Index limit for this data set has been exceeded!. Contact State Support Staff."});
    EXPECT_EQ(chainOf(store.access, recordKey("abc", 2)), QStringList{recordKey("abd", 2)});
}

TEST_F(LinkRunTest, clearingRemovesOnlyTheListsOwnChains) {
    test::putHeadRows(store.access, {{recordKey("abc", 1), "Lee", "Ann"}, {recordKey("abd", 1), "Lee", "Ann"}});
    run("abc", {"abd"});
    run("abd", {"abc"});

    EXPECT_EQ(clearListLinks(store.access, "ABC"), 1);

    EXPECT_EQ(linkKeys(), QStringList{recordKey("abd", 1) + "AA"});
    EXPECT_EQ(chainOf(store.access, recordKey("abd", 1)), QStringList{recordKey("abc", 1)});
}

TEST_F(LinkRunTest, aFailedRunWritesNothing) {
    test::putHeadRows(store.access, {{recordKey("abc", 1), "Lee", "Ann"}, {recordKey("abd", 1), "Lee", "Ann"},
                                     {recordKey("abd", 2), "Lee", "Ann"}});
    EXPECT_ANY_THROW(runLinks(store.access, {"abc", {"abd"}, 1}, [](qint64 done, qint64) {
        if (done == 3) throw std::runtime_error("stopped");
    }));
    EXPECT_TRUE(linkKeys().isEmpty());
}
