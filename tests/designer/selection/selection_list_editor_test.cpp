#include "lists/definitions/definition_tables.h"
#include "designer/selection/selection_list_editor.h"
#include "designer/selection/selection_messages.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const QString kPrefix = QStringLiteral("abc011");
const QString kDefinition = QStringLiteral("abc101");

// A field's editor over a fresh store, its Fdis row present.
class SelectionListEditorTest : public ::testing::Test {
protected:
    SelectionListEditorTest() {
        store.access.EnsureRecord(kFdisSlot, kDefinition);
        editor.open();
    }

    void addAll(const QStringList& texts) {
        for (const QString& text : texts) ASSERT_TRUE(editor.add(text)) << text.toStdString();
    }
    void select(const QString& text) { editor.select(int(editor.texts().indexOf(text))); }
    // "text:position" of every stored item in shown order.
    QStringList stored() {
        QStringList all;
        for (const SelectionItem& item : SelectionItems(store.access, kPrefix))
            all << item.text + ':' + QString::number(item.position);
        return all;
    }

    test::StoreFixture store;
    SelectionListEditor editor{store.access, store.prompter, kPrefix, kDefinition};
};

TEST_F(SelectionListEditorTest, AddedItemsKeepTheOrderTheyWereAddedIn) {
    addAll({"Red", "Green", "Blue"});
    EXPECT_EQ(stored(), (QStringList{"Red:0", "Green:1", "Blue:2"}));
    EXPECT_EQ(editor.selected(), -1);
}

TEST_F(SelectionListEditorTest, ReAddingAnItemChangesNothingAndBeeps) {
    addAll({"Red", "Green", "Blue"});
    EXPECT_FALSE(editor.add("Red"));
    EXPECT_FALSE(editor.add(""));
    EXPECT_EQ(store.prompter.beeps, 1);
    EXPECT_EQ(stored(), (QStringList{"Red:0", "Green:1", "Blue:2"}));
}

TEST_F(SelectionListEditorTest, MovingSwapsWithTheNeighbourAndKeepsTheItemSelected) {
    addAll({"Red", "Green", "Blue"});
    select("Blue");
    EXPECT_TRUE(editor.canMoveUp());
    EXPECT_FALSE(editor.canMoveDown());
    editor.moveUp();
    EXPECT_EQ(stored(), (QStringList{"Red:0", "Blue:1", "Green:2"}));
    EXPECT_EQ(editor.texts().at(editor.selected()), "Blue");
    editor.moveDown();
    editor.moveDown();  // already last: nothing happens
    EXPECT_EQ(stored(), (QStringList{"Red:0", "Green:1", "Blue:2"}));
}

// Items made at entry have no position; a re-add in an older version left gaps.
TEST_F(SelectionListEditorTest, MovingAmongUnnumberedItemsFollowsTheShownOrder) {
    for (const auto& [text, position] : {std::pair{"Cat", ""}, {"Ant", ""}, {"Bee", "7"}}) {
        store.access.EnsureRecord(kSelcSlot, kPrefix + text);
        store.access.SetFieldText(kSelcSlot, 1, position);
    }
    editor.open();
    ASSERT_EQ(editor.texts(), (QStringList{"Ant", "Cat", "Bee"}));
    select("Cat");
    editor.moveUp();
    EXPECT_EQ(stored(), (QStringList{"Cat:0", "Ant:1", "Bee:2"}));
    ASSERT_TRUE(editor.add("Dog"));
    EXPECT_EQ(stored().last(), "Dog:3");
}

TEST_F(SelectionListEditorTest, DeletingAsksAndClosesTheGap) {
    addAll({"Red", "Blue", "Green"});
    select("Red");
    store.prompter.answers = {Answer::No};
    editor.deleteSelected();
    EXPECT_EQ(stored().size(), 3);
    EXPECT_FALSE(editor.canDelete());
    select("Red");
    editor.deleteSelected();
    EXPECT_EQ(stored(), (QStringList{"Blue:0", "Green:1"}));
    EXPECT_EQ(store.prompter.texts(),
              QStringList(2, selection_messages::kConfirmDeleteItem));
}

TEST_F(SelectionListEditorTest, LongItemsAreCutWithAWarning) {
    EXPECT_EQ(editor.checkLength(QString(90, 'x')), QString(90, 'x'));
    EXPECT_TRUE(store.prompter.messages.isEmpty());
    EXPECT_EQ(editor.checkLength(QString(91, 'x')), QString(90, 'x'));
    EXPECT_EQ(store.prompter.texts(), QStringList{selection_messages::kItemTooLong});
    EXPECT_EQ(store.prompter.beeps, 1);
}

TEST_F(SelectionListEditorTest, LockIsWrittenToTheDefinitionAtOnce) {
    editor.setLocked(true);
    ASSERT_TRUE(store.access.FindRecord(kFdisSlot, kDefinition));
    EXPECT_EQ(store.access.GetFieldInt(kFdisSlot, definition_tables::fdis::kListLocked), 1);
    SelectionListEditor again(store.access, store.prompter, kPrefix, kDefinition);
    again.open();
    EXPECT_TRUE(again.locked());
    again.setLocked(false);
    store.access.FindRecord(kFdisSlot, kDefinition);
    EXPECT_EQ(store.access.GetFieldInt(kFdisSlot, definition_tables::fdis::kListLocked), 0);
}

TEST_F(SelectionListEditorTest, AppendedListGoesAfterTheItemsAndSkipsThoseAlreadyThere) {
    addAll({"March", "Extra"});
    editor.append({"January", "February", "March", "April"});
    EXPECT_EQ(stored(), (QStringList{"March:0", "Extra:1", "January:2", "February:3", "April:4"}));
}

}  // namespace
