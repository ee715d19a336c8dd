#include "request_store.h"

#include <gtest/gtest.h>

using namespace vn;
using test::RequestStore;

namespace {

constexpr int kFirstColumn = 2, kLastColumn = 4;

struct ListViewTest : ::testing::Test, RequestStore {
    void person(const QString& record, const QString& last, const QString& first) {
        put(kHeadSlot, record, {{kLastColumn, last}, {kFirstColumn, first}});
    }
    QStringList texts(const MatchList& matches) {
        QStringList shown;
        for (const MatchListEntry& e : listViewEntries(access, matches)) {
            EXPECT_TRUE(e.text.startsWith(e.key + "  ")) << e.text.toStdString();
            shown << e.text;
        }
        return shown;
    }
};

TEST_F(ListViewTest, EntriesAreSortedByNameEqualNamesInTheReverseOfTheMatchOrder) {
    person(key(1), "Smith", "Ann");
    person(key(2), "Jones", "Bob");
    person(key(3), "Smith", "Ann");
    person(key(4), "Smithson", "Al");
    person(key(5), "de Vries", "Eva");
    person(key(6), "Smith", "Anna");
    EXPECT_EQ(texts({key(1), key(2), key(3), key(4), key(5), key(6)}),
              QStringList({key(2) + "  Jones, Bob", key(3) + "  Smith, Ann", key(1) + "  Smith, Ann",
                           key(6) + "  Smith, Anna", key(4) + "  Smithson, Al", key(5) + "  de Vries, Eva"}));
}

TEST_F(ListViewTest, RecordsGoneFromHeadAreLeftOutAndKeysStayWhole) {
    person(key(1), "Baker", "Cy");
    person(key(10000), "Adams", "Zed");
    const QStringList shown = texts({key(1), key(7), key(10000)});
    EXPECT_EQ(shown, QStringList({"abcwyalb1000000000  Adams, Zed", key(1) + "  Baker, Cy"}));
    const auto entries = listViewEntries(access, {key(10000)});
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].key, "abcwyalb1000000000");
}

}  // namespace
