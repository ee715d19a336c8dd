#include "lists/definitions/field_definition.h"
#include "entry/rules/selection_entries.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

FieldDefinition textField(int slot, bool list = true) {
    FieldDefinition d;
    d.key = QStringLiteral("abc10%1").arg(slot);
    d.slot = slot;
    d.hasList = list;
    return d;
}

class SelectionEntries : public ::testing::Test {
protected:
    void put(const QString& key, const QString& position) {
        a.EnsureRecord(kSelcSlot, key);
        a.SetFieldText(kSelcSlot, 1, position);
    }
    test::StoreFixture store;
    RecordAccess& a = store.access;
};

TEST_F(SelectionEntries, SlotOneStartsWithNewPageThenItemsInShownOrder) {
    put("abc011Red", "2");
    put("abc011Blue", "1");
    put("abc021Other", "0");
    EXPECT_EQ(selectionEntries(a, "abc", textField(1)), (QStringList{">> Select New Page <<", "Blue", "Red"}));
    EXPECT_EQ(selectionEntries(a, "abc", textField(2)), (QStringList{"Other"}));
}

TEST_F(SelectionEntries, ExclusiveListsAreOfferedAndEveryItemShown) {
    for (int i = 0; i < 130; ++i) put(QStringLiteral("abc021Item%1").arg(i, 3, 10, QChar('0')), "");
    FieldDefinition exclusive = textField(2, false);
    exclusive.exclusive = true;
    EXPECT_EQ(selectionEntries(a, "abc", exclusive).size(), 130);
    EXPECT_TRUE(selectionEntries(a, "abc", textField(2, false)).isEmpty());
}

TEST_F(SelectionEntries, LearningIsOfferedOnlyForNewInputOfAnOpenListWithEntries) {
    const FieldDefinition field = textField(2);
    FieldDefinition locked = field;
    locked.listLocked = true;
    EXPECT_TRUE(offersToLearn(field, {"Red"}, "red"));  // exact comparison
    EXPECT_FALSE(offersToLearn(field, {"Red"}, "Red"));
    EXPECT_FALSE(offersToLearn(field, {}, "Red"));  // an empty list never asks
    EXPECT_FALSE(offersToLearn(field, {"Red"}, ""));
    EXPECT_FALSE(offersToLearn(locked, {"Red"}, "Blue"));
    EXPECT_FALSE(offersToLearn(textField(2, false), {">> Select New Page <<"}, "Blue"));
    EXPECT_TRUE(offersToLearn(textField(1), {">> Select New Page <<"}, "Blue"));
}

TEST_F(SelectionEntries, ALearnedItemIsMadeOnceAndOfferedAtPositionZero) {
    put("abc021Red", "1");
    const FieldDefinition field = textField(2);
    EXPECT_TRUE(learnSelectionItem(a, "abc", field, "Amber"));
    EXPECT_FALSE(learnSelectionItem(a, "abc", field, "Amber"));
    EXPECT_EQ(a.KeysWithPrefix(kSelcSlot, "abc021", 6).size(), 2);
    EXPECT_EQ(selectionEntries(a, "abc", field), (QStringList{"Amber", "Red"}));
}

}  // namespace
