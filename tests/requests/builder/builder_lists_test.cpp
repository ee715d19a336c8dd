#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "requests/builder/field_list.h"
#include "requests/builder/target_lists.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::definition_tables;

namespace {

TEST(TargetLists, SelectionEntriesInByteOrderBelowAnEmptyEntry) {
    QStringList shown;
    for (const TargetEntry& e : selectionTargets({"bbb", "AAA", "aaa"})) shown << e.shown;
    EXPECT_EQ(shown, (QStringList{"", "AAA", "aaa", "bbb"}));

    // Only the first 90 characters are compared; equal ones come in reverse.
    const QString stem(90, QLatin1Char('s'));
    const QList<TargetEntry> same = selectionTargets({stem + "1", stem + "2"});
    EXPECT_EQ(same.value(1).stored, stem + "2");
    EXPECT_EQ(same.value(2).stored, stem + "1");
}

struct FieldListTest : ::testing::Test {
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(FieldListTest, PageFieldsInDefinitionOrderWithTheirNumbersAndInputs) {
    test::putDefinition(access, "abc101", 1, 2, {{fdis::kCaption, "Color"}, {fdis::kHasList, "1"}});
    test::putDefinition(access, "abc102", 5, 1, {{fdis::kCaption, "A label"}});
    test::putDefinition(access, "abc103", 3, 3, {{fdis::kCaption, "Member"}});
    test::putDefinition(access, "abc104", 4, 2,
                        {{fdis::kCaption, "Shirt"}, {fdis::kFirstButton, "Red"}, {fdis::kFirstButton + 1, "Green"},
                         {fdis::kFirstButton + 3, "Blue"}});
    test::putDefinition(access, "abc105", 1, 1, {{fdis::kCaption, "Gone"}, {fdis::kActive, "0"}});
    test::putDefinition(access, "abc106", 2, 1, {{fdis::kCaption, "Notes"}});
    test::putDefinition(access, "abc107", 1, 3, {{fdis::kCaption, "Exclusive"}, {fdis::kExclusive, "1"}});
    test::putDefinition(access, "abc401", 6, 1, {{fdis::kCaption, "www.example.org"}});
    const ListFields list = listFields(LoadDefinitions(access, "abc"));

    struct Expected {
        QString caption;
        int number;
        TargetInput input;
    };
    const QList<Expected> expected = {
        {"Color", 3, TargetInput::SelectionList}, {"Member", 24, TargetInput::CheckBoxList},
        {"Shirt", 63, TargetInput::RadioList},    {"Notes", 122, TargetInput::Edit},
        {"Exclusive", 4, TargetInput::SelectionList},
    };
    const QList<FieldChoice>& fields = list.pages[1].fields;
    ASSERT_EQ(fields.size(), expected.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].caption, expected[i].caption);
        EXPECT_EQ(fields[i].piece, expected[i].caption);
        EXPECT_EQ(fields[i].field, (FieldRef{1, expected[i].number})) << expected[i].caption.toStdString();
        EXPECT_EQ(fields[i].input, expected[i].input) << expected[i].caption.toStdString();
    }
    EXPECT_EQ(fields[0].identifier, "abc101");
    EXPECT_EQ(fields[0].slot, 2);
    EXPECT_EQ(fields[2].buttons, (QList<TargetEntry>{{"Red", "1"}, {"Green", "2"}, {"Blue", "4"}}));
    EXPECT_FALSE(list.pages[1].grid);
    EXPECT_TRUE(list.pages[4].inUse);  // a link alone uses the page
    EXPECT_TRUE(list.pages[4].fields.isEmpty());
    EXPECT_FALSE(list.pages[2].inUse);
}

TEST_F(FieldListTest, ATableIsAGridOfCells) {
    test::putDefinition(access, "abc201", 7, 1, {{fdis::kCaption, "Scores"}});
    test::putRow(access, kTdatSlot, "abc201",
                 {{tdat::kName, "Scores"}, {tdat::kColumnCount, "5"}, {tdat::kRowCount, "10"}, {tdat::columnTitle(2), "Spring"},
                  {tdat::columnTitle(5), "Total"}, {tdat::rowName(3), "Art"}, {tdat::rowName(10), "Sum"}});
    const ListFields list = listFields(LoadDefinitions(access, "abc"));
    ASSERT_TRUE(list.pages[2].grid);
    const FieldGrid& grid = *list.pages[2].grid;
    EXPECT_EQ(grid.title, "Scores");
    EXPECT_EQ(grid.cells.size(), 50);
    EXPECT_TRUE(list.pages[2].fields.isEmpty());
    const FieldChoice* artSpring = grid.cell(3, 2);
    ASSERT_TRUE(artSpring);
    EXPECT_EQ(artSpring->field, (FieldRef{2, 83}));
    EXPECT_EQ(artSpring->piece, "T:Scores C:Spring R:Art");
    EXPECT_TRUE(artSpring->gridCell);
    EXPECT_EQ(grid.cell(10, 5)->field.fieldNumber, 121);
    EXPECT_EQ(grid.cell(11, 1), nullptr);
    EXPECT_EQ(list.find({2, 121}), grid.cell(10, 5));
}

TEST_F(FieldListTest, TheHeaderHasSixteenFieldsWithTitleAndSuffixLists) {
    const PageFields header = headerFields();
    ASSERT_EQ(header.fields.size(), 16);
    EXPECT_EQ(header.fields[0].caption, "Record Key");
    EXPECT_EQ(header.fields[9].caption, "Position / Title");
    EXPECT_EQ(header.fields[15].field, (FieldRef{0, 16}));
    EXPECT_EQ(header.fields[1].input, TargetInput::TitleList);
    EXPECT_EQ(header.fields[5].input, TargetInput::SuffixList);
    EXPECT_EQ(header.fields[4].input, TargetInput::Edit);
}

TEST_F(FieldListTest, SelectionItemsOfOneFieldInKeyOrder) {
    for (const char* key : {"abc031Red", "abc031Blue", "abc041Other", "ABC031Green"})
        test::putRow(access, kSelcSlot, key, {{1, "0"}});
    EXPECT_EQ(selectionItemTexts(access, "abc", 1, 3), (QStringList{"Green", "Blue", "Red"}));
}

}  // namespace
