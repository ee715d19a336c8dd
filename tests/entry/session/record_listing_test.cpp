#include "entry/session/office_choices.h"
#include "entry/session/record_listing.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kWebTime = 27;

QStringList keysOf(const QList<ListingEntry>& entries) {
    QStringList keys;
    for (const ListingEntry& e : entries) keys << e.key;
    return keys;
}

struct RecordListingTest : ::testing::Test {
    RecordListingTest() {
        // District "ned" holds the counties ALB and BIG (codes stored in capitals).
        fx.putRow(kCountySlot, "ALB", {{2, "Albany"}});
        fx.putRow(kCountySlot, "BIG", {{2, "Big Horn"}});
        fx.putRow(kCountySlot, "CAR", {{2, "Carbon"}});
        fx.putRow(kDistrictSlot, "NED", {{2, "North East"}, {3, "2"}, {4, "ALBBIG"}});
        fx.putRow(kDistrictSlot, "SWD", {{2, "South West"}, {3, "1"}, {4, "CAR"}});
    }
    void addRecord(const QString& key, const QString& last, const QString& first = "Ann", const QString& time = {}) {
        fx.putRow(kHeadSlot, key, {{2, first}, {3, "Q"}, {4, last}, {kWebTime, time}});
    }
    QStringList listed(ListingOrder order, const std::optional<QSet<QString>>& accepted = std::nullopt) {
        return keysOf(listing.list("abc", order, accepted));
    }

    test::SessionFixture fx;
    RecordListing listing{fx.access};
};

TEST_F(RecordListingTest, OrdersByNameByIdAndByWebCreation) {
    addRecord("abcwyalb000000000", "Smith", "Bob", "2024-03-01 10:00");
    addRecord("abcwyalb000100000", "Jones", "Ann", "2024-01-01 09:00");
    addRecord("ABCwyalb000200000", "Smith", "Al", "2024-02-01 08:00");  // same list in capitals
    addRecord("abdwyalb000000000", "Adams");                              // another list
    EXPECT_EQ(listed(ListingOrder::ByName),
              QStringList({"abcwyalb000100000", "ABCwyalb000200000", "abcwyalb000000000"}));
    EXPECT_EQ(listed(ListingOrder::ById),
              QStringList({"ABCwyalb000200000", "abcwyalb000000000", "abcwyalb000100000"}));
    EXPECT_EQ(listed(ListingOrder::ByWebCreation),
              QStringList({"abcwyalb000100000", "ABCwyalb000200000", "abcwyalb000000000"}));
    // Windows that walk Head afterwards find it in key order again.
    EXPECT_TRUE(fx.session.catalogue.table(kHeadSlot).indexName().isEmpty());
}

TEST_F(RecordListingTest, EntriesKeepEighteenCharacterKeysWhole) {
    addRecord("abcwyalb1000000000", "O'Neil", "Pat");
    const QList<ListingEntry> entries = listing.list("ABC", ListingOrder::ById);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].key, "abcwyalb1000000000");
    EXPECT_EQ(entries[0].text, "abcwyalb1000000000  O'Neil, Pat  Q");
}

TEST_F(RecordListingTest, OfficeFilterByOperationLevelAndChoice) {
    for (const QString office : {"alb", "big", "car", "ned", "wy_", "*pa"})
        addRecord("abcwy" + office + "000000000", "Name " + office);
    struct Case {
        int level;
        LevelChoice choice;
        QStringList selected;
        QStringList offices;
    };
    const Case cases[] = {
        {1, LevelChoice::Counties, {}, {"*pa", "alb", "big", "car", "ned", "wy_"}},  // a county sees its whole list
        {2, LevelChoice::Counties, {"ALB  Albany"}, {"alb"}},
        {2, LevelChoice::Counties, {"*PA  Paradox Import"}, {"*pa"}},
        {2, LevelChoice::Districts, {"NED  North East"}, {"alb", "big", "ned"}},
        {3, LevelChoice::Districts, {"NED  North East"}, {"alb", "big"}},
        {3, LevelChoice::Districts, {"NED  North East", "SWD  South West"}, {"alb", "big", "car"}},
        {3, LevelChoice::State, {}, {"wy_"}},
        {3, LevelChoice::All, {}, {"*pa", "alb", "big", "car", "ned", "wy_"}},
    };
    for (const Case& c : cases) {
        fx.session.identity.operationalLevel = c.level;
        const auto accepted = AcceptedOfficeCodes(fx.access, fx.session.identity, {c.choice, c.selected});
        QStringList offices;
        for (const QString& key : listed(ListingOrder::ById, accepted)) offices << key.mid(5, 3);
        EXPECT_EQ(offices, c.offices) << c.level << " " << int(c.choice) << " " << c.selected.join('|').toStdString();
    }
}

TEST_F(RecordListingTest, LastNameSearchFindsTheFirstEntryBeginningWithTheText) {
    addRecord("abcwyalb000000000", "Smithson");
    addRecord("abcwyalb000100000", "Smith");
    addRecord("abcwyalb000200000", "Abbot");
    addRecord("abcwyalb1000000000", "Young");  // an 18-character key does not shift the name
    const QList<ListingEntry> entries = listing.list("abc", ListingOrder::ByName);
    struct Case {
        QString typed;
        std::optional<int> row;
    };
    const Case cases[] = {{"sm", 1}, {"SMITHS", 2}, {"smithx", std::nullopt}, {"y", 3}, {"", 0}, {"z", std::nullopt}};
    for (const Case& c : cases) EXPECT_EQ(findLastName(entries, c.typed), c.row) << c.typed.toStdString();
    EXPECT_EQ(findLastName({}, "a"), std::nullopt);
}

TEST_F(RecordListingTest, ChoiceListsByOperationLevel) {
    const QStringList imports = {"*PA  Paradox Import", "*AC  Access Import", "*DB  DBase Import"};
    struct Case {
        int level;
        QStringList counties;
        QStringList districts;
    };
    const Case cases[] = {
        {1, {"ALB  Albany"}, {"NED  North East"}},
        {2, {"ALB  Albany", "BIG  Big Horn"}, {"NED  North East", "SWD  South West"}},
        {3, {"ALB  Albany", "BIG  Big Horn", "CAR  Carbon"}, {"NED  North East", "SWD  South West"}},
    };
    for (const Case& c : cases) {
        fx.session.identity.operationalLevel = c.level;
        EXPECT_EQ(CountyChoices(fx.access, fx.session.identity), c.counties + imports) << c.level;
        EXPECT_EQ(DistrictChoices(fx.access, fx.session.identity), c.districts) << c.level;
    }
}

}  // namespace
