#include "requests/memo/memo_document.h"
#include "requests/memo/memo_entries.h"

#include "lists/records/record_tables.h"
#include "requests/evaluation/request_store.h"

#include <gtest/gtest.h>

using namespace vn;
using test::RequestStore;

namespace {

constexpr int kFirst = 2, kMiddle = 3, kLast = 4;

struct MemoEntriesTest : ::testing::Test, RequestStore {
    void person(const QString& record, const QString& last, const QString& first, const QString& middle) {
        put(kHeadSlot, record, {{kLast, last}, {kFirst, first}, {kMiddle, middle}});
    }
    void memo(const QString& record, int page, const QString& text) { put(pageSlot(page), record, {{kMemoColumn, text}}); }
};

// Keys stay whole (18 characters from sequence 10000 on) and carry their page; page 4 memos,
// empty memos, missing page rows and records gone from Head give no entry.
TEST_F(MemoEntriesTest, EveryMemoOfPagesOneToThreeInMatchOrder) {
    const QString longKey = key(10000), shortKey = key(7), gone = key(8);
    person(longKey, "Smith", "Ann", "Q");
    person(shortKey, "Jones", "Bob", "");
    memo(longKey, 1, "Called\ttwice\r\nSecond line");
    memo(longKey, 2, "");
    memo(longKey, 3, "Third page");
    memo(longKey, 4, "Page four is not listed");
    memo(shortKey, 2, QString(60, 'm'));
    memo(gone, 1, "No Head row");
    const QList<MemoEntry> entries = memoEntries(access, {longKey, gone, shortKey});
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].key, longKey);
    EXPECT_EQ(entries[0].key.size(), 18);
    EXPECT_EQ(entries[0].page, 1);
    EXPECT_EQ(entries[0].name, "Smith, Ann Q");
    EXPECT_EQ(entries[0].firstLine, "Calledtwice" "Second line");
    EXPECT_EQ(entries[1].page, 3);
    EXPECT_EQ(entries[2].key, shortKey);
    EXPECT_EQ(entries[2].page, 2);
    EXPECT_EQ(entries[2].firstLine, QString(50, 'm'));
}

TEST_F(MemoEntriesTest, MoreThanAThousandMemosAreAllListed) {
    MatchList matches;
    for (int i = 1; i <= 1001; ++i) {
        matches << key(i);
        put(kHeadSlot, key(i), {{kLast, "L"}});
        memo(key(i), 1, "m");
    }
    EXPECT_EQ(memoEntries(access, matches).size(), 1001);
}

TEST_F(MemoEntriesTest, NamesAreCutToThirtyCharacters) {
    person(key(1), QString(40, 'L'), "F", "M");
    memo(key(1), 1, "x");
    EXPECT_EQ(memoEntries(access, {key(1)}).value(0).name, QString(30, 'L'));
}

// The list line pads each column to its width, here one pixel a character.
TEST(MemoListLine, ColumnsArePaddedToTheirWidths) {
    const MemoEntry entry{"abcwyalb000100000", 3, "Smith, Ann Q", "First words"};
    const QString line = memoListLine(entry, "Notes", [](const QString& t) { return int(t.size()); });
    EXPECT_EQ(line, QString("abcwyalb000100000").leftJustified(110) + "   3        " + QString("Smith, Ann Q").leftJustified(130) +
                        "  " + QString("Notes").leftJustified(90) + "  First words");
}

// What is printed is read afresh: the whole memo in its lines, the document name with the
// middle initial first; a row gone since reads as empty.
TEST_F(MemoEntriesTest, ThePrintoutReadsMemosAndNamesAfresh) {
    const QString a = key(10001), b = key(2);
    person(a, "Smith", "Ann", "Q");
    memo(a, 3, "one\r\ntwo\nthree");
    const MemoPrintout printout =
        readMemoPrintout(access, "abc", {"Notes 1", "", "Notes 3"}, {{a, 3, "", ""}, {b, 1, "", ""}});
    EXPECT_EQ(printout.listCode, "abc");
    ASSERT_EQ(printout.memos.size(), 2);
    EXPECT_EQ(printout.memos[0].key, a);
    EXPECT_EQ(printout.memos[0].memoName, "Notes 3");
    EXPECT_EQ(printout.memos[0].documentName, "Smith, Q Ann");
    EXPECT_EQ(printout.memos[0].lines, (QStringList{"one", "two", "three"}));
    EXPECT_EQ(printout.memos[1].documentName, std::nullopt);
    EXPECT_TRUE(printout.memos[1].lines.isEmpty());
}

TEST_F(MemoEntriesTest, MemoNamesAreTheCaptionsOfEachPagesMemoField) {
    define(1, 4, FieldKind::Memo, 1, {{4, "Contact Notes"}});
    define(3, 2, FieldKind::Memo, 1, {{4, "Follow-up"}});
    define(2, 1, FieldKind::Text, 1, {{4, "Not a memo"}});
    EXPECT_EQ(memoNames(LoadDefinitions(access, "abc")), (QStringList{"Contact Notes", "", "Follow-up"}));
}

}  // namespace
