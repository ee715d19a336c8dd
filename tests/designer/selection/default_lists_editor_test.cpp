#include "lists/definitions/definition_keys.h"
#include "designer/selection/default_lists_editor.h"
#include "designer/selection/selection_messages.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

class DefaultListsTest : public ::testing::Test {
protected:
    void put(int list, int item, const QString& text) {
        store.access.EnsureRecord(kDsliSlot, defaultListItemKey(list, item));
        store.access.SetFieldText(kDsliSlot, 1, text);
    }
    QStringList keys(int list) {
        QStringList all;
        for (const DefaultListItem& item : DefaultListItems(store.access, list)) all << item.key;
        return all;
    }
    void addCounty(const QString& code, const QString& name) {
        store.access.EnsureRecord(kCountySlot, code);
        store.access.SetFieldText(kCountySlot, 2, name);
    }

    test::StoreFixture store;
    DefaultLists lists{store.access, store.prompter};
};

TEST_F(DefaultListsTest, ItemsOfOneListInKeyOrder) {
    put(4, 1, "February");
    put(4, 0, "January");
    put(5, 0, "Monday");
    lists.open(false);
    lists.choose(4);
    EXPECT_EQ(DefaultListTexts(store.access, 4), (QStringList{"January", "February"}));
    EXPECT_EQ(lists.items().size(), 2);
    EXPECT_FALSE(lists.editable());
}

TEST_F(DefaultListsTest, AddingTakesTheNumberAboveTheHighest) {
    lists.open(false);
    lists.choose(14);
    ASSERT_TRUE(lists.add("First"));
    EXPECT_EQ(keys(14), QStringList{"14000"});
    put(14, 1, "b");
    put(14, 3, "d");
    lists.choose(14);
    ASSERT_TRUE(lists.add("Next"));
    EXPECT_EQ(keys(14).last(), "14004");
    EXPECT_EQ(lists.items().last().text, "Next");
}

TEST_F(DefaultListsTest, ListWithItem999TakenRefusesMore) {
    put(15, 999, "last");
    lists.choose(15);
    EXPECT_FALSE(lists.add("more"));
    EXPECT_EQ(keys(15), QStringList{"15999"});
    EXPECT_EQ(store.prompter.texts(), QStringList{selection_messages::kDefaultListFull});
}

TEST_F(DefaultListsTest, ShippedListsCannotBeChanged) {
    put(1, 0, "Alabama");
    lists.choose(1);
    EXPECT_FALSE(lists.add("Atlantis"));
    EXPECT_FALSE(lists.select(0));
    EXPECT_EQ(keys(1), QStringList{"01000"});
}

TEST_F(DefaultListsTest, RemovingAsksFirst) {
    put(20, 0, "a");
    put(20, 1, "b");
    lists.choose(20);
    ASSERT_TRUE(lists.select(0));
    store.prompter.answers = {Answer::No};
    lists.removeSelected();
    EXPECT_EQ(keys(20).size(), 2);
    EXPECT_EQ(lists.selected(), -1);
    ASSERT_TRUE(lists.select(0));
    lists.removeSelected();
    EXPECT_EQ(keys(20), QStringList{"20001"});
    EXPECT_EQ(store.prompter.texts(), QStringList(2, selection_messages::kConfirmRemoveDefaultItem));
}

TEST_F(DefaultListsTest, CountyListIsFilledOnceAndOnlyWithGrovanta) {
    addCounty("ADA", "Ada");
    addCounty("BOI", "Boise");
    lists.open(false);
    EXPECT_TRUE(keys(2).isEmpty());
    lists.open(true);
    EXPECT_EQ(keys(2), (QStringList{"02001", "02002"}));
    EXPECT_EQ(DefaultListTexts(store.access, 2), (QStringList{"ADA  Ada", "BOI  Boise"}));
    store.access.DeleteRecord(kDsliSlot, "02001");
    addCounty("CAN", "Canyon");
    lists.open(true);
    EXPECT_EQ(keys(2), QStringList{"02002"});
}

}  // namespace
