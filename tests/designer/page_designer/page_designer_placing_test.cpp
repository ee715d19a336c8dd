#include "designer/page_designer/designer_messages.h"
#include "page_designer_fixture.h"

using namespace vn;
using namespace vn::test;
using namespace vn::definition_tables;

class PlacingTest : public PageDesignerFixture {};

TEST_F(PlacingTest, PlacingWritesTheRowAndLocksTheWindowUntilConfirmed) {
    openDesigner();
    placeField(FieldKind::Text, "Name");

    EXPECT_EQ(fdis("abc101", fdis::kActive), "1");
    EXPECT_EQ(fdis("abc101", fdis::kKind), "1");
    EXPECT_EQ(fdis("abc101", fdis::kSlot), "1");
    EXPECT_EQ(fdis("abc101", fdis::kCaption), "Name");
    EXPECT_EQ(fdis("abc101", fdis::kTabOrder), "1");
    EXPECT_EQ(fdis("abc101", fdis::kSize), "10");
    EXPECT_EQ(stored(kListSlot, "abc", 2), "1");
    EXPECT_TRUE(view().cancelEnabled);
    EXPECT_TRUE(view().moveEnabled);
    EXPECT_EQ(QPoint(view().x, view().y), QPoint(200, 144));
    EXPECT_FALSE(view().pageButtonsEnabled);
    EXPECT_FALSE(view().headerEnabled);
    EXPECT_FALSE(view().menuEnabled);
    EXPECT_FALSE(view().fieldsEnabled);

    designer->continueAdd();
    EXPECT_EQ(view().panel, DesignerPanel::Options);
    EXPECT_EQ(QPoint(view().x, view().y), QPoint(0, 0));
    EXPECT_TRUE(view().pageButtonsEnabled && view().headerEnabled && view().menuEnabled && view().fieldsEnabled);
}

TEST_F(PlacingTest, EachKindStartsAtItsDefaultPositionWithItsSize) {
    struct Case {
        FieldKind kind;
        QString name;
        QRect placed;  // left, top, width, height as stored
    };
    const Case cases[] = {
        {FieldKind::Text, "Name", {200, 144, 110, 21}},
        {FieldKind::Memo, "Notes", {200, 200, 200, 80}},
        {FieldKind::CheckBox, "Agree", {200, 144, 5 * 6 + 18, 21}},
        {FieldKind::RadioGroup, "Size", {200, 144, 3 * 6 + 36, 17 * 2 + 17}},
        {FieldKind::Label, "Hello", {200, 144, 110, 21}},
        {FieldKind::Link, "a@b.org", {200, 144, 80, 21}},
        {FieldKind::Table, "Scores", {8, 250, 0, 0}},
    };
    openDesigner();
    for (const Case& c : cases) {
        const int number = addField(c.kind, c.name);
        const FieldDefinition& d = definition(number);
        EXPECT_EQ(QRect(d.left, d.top, d.width, d.height), c.placed) << c.name.toStdString();
    }
    EXPECT_EQ(definition(6).shownFontSize(), 12);
    EXPECT_EQ(definition(6).shownColourIndex(), 13);
}

TEST_F(PlacingTest, ADuplicateNameIsRefusedExceptForLabels) {
    openDesigner();
    addField(FieldKind::Text, "Name");
    ASSERT_TRUE(designer->add(FieldKind::Text));
    designer->editInputs(filled(FieldKind::Text, "Name"));
    designer->place();

    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kDuplicateName});
    EXPECT_FALSE(exists(kFdisSlot, "abc102"));
    EXPECT_EQ(view().panel, DesignerPanel::Add);
    EXPECT_EQ(view().inputs.name, "Name");
    EXPECT_EQ(designer->takeFocus(), DesignerFocus::Name);
    designer->continueAdd();

    addField(FieldKind::Label, "Same");
    addField(FieldKind::Label, "Same");
    EXPECT_EQ(fdis("abc103", fdis::kCaption), "Same");
}

TEST_F(PlacingTest, RenamingAPlacedFieldToADuplicateIsNotStored) {
    openDesigner();
    addField(FieldKind::CheckBox, "Agree");
    placeField(FieldKind::CheckBox, "Other");
    designer->editInputs(filled(FieldKind::CheckBox, "Agree"));
    designer->continueAdd();

    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kDuplicateName});
    EXPECT_EQ(fdis("abc102", fdis::kCaption), "Other");
    EXPECT_EQ(view().panel, DesignerPanel::Add);
}

TEST_F(PlacingTest, ATextFieldIsNoWiderThanThePage) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::Text));
    FieldInputs in = filled(FieldKind::Text, "Comments");
    in.size = 90;
    designer->editInputs(in);
    EXPECT_EQ(view().inputs.size, 81);
    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kTooWide});

    designer->place();
    EXPECT_EQ(fdis("abc101", fdis::kWidth), "820");
    EXPECT_EQ(fdis("abc101", fdis::kLeft), "12");  // pulled in from 200 to fit
}

TEST_F(PlacingTest, ATableWiderThanThePageIsRefused) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::Table));
    FieldInputs in = filled(FieldKind::Table, "Scores");
    in.table.columnCount = 5;
    for (int c = 1; c <= 5; ++c) in.table.columns[c] = {16, QStringLiteral("C%1").arg(c)};
    designer->editInputs(in);
    designer->place();

    EXPECT_EQ(store.prompter.texts(), (QStringList{designer_messages::kTableTooWide, designer_messages::kTableTooWide}));
    EXPECT_FALSE(exists(kFdisSlot, "abc101"));

    in.table.columns[5].size = 10;
    for (int r = 1; r <= 10; ++r) in.table.rowNames[r - 1] = QStringLiteral("Row %1").arg(r);
    in.table.rowCount = 10;
    designer->editInputs(in);
    designer->place();
    EXPECT_EQ(stored(kTdatSlot, "abc101", tdat::columnSize(0)), QString::number(6 * 6 + 5));
    EXPECT_EQ(stored(kTdatSlot, "abc101", tdat::kRowCount), "10");
    EXPECT_EQ(fdis("abc101", fdis::kTop), "245");  // a ten-row grid fits above the bottom
}

TEST_F(PlacingTest, CancelRemovesTheRowAndWhatHangsOnItSoTheNextFieldInheritsNothing) {
    openDesigner();
    placeField(FieldKind::Text, "Colour");
    FieldInputs in = filled(FieldKind::Text, "Colour");
    in.required = in.readOnly = in.exclusiveList = true;
    designer->editInputs(in);
    putRow(store.access, kHelpSlot, "abc101", {{help::kText, "Say your colour"}});
    putRow(store.access, kSelcSlot, "abc011Red", {{1, "0"}});
    putRow(store.access, kSelcSlot, "abc021Keep", {{1, "0"}});

    designer->cancelAdd();
    EXPECT_FALSE(exists(kFdisSlot, "abc101"));
    EXPECT_FALSE(exists(kHelpSlot, "abc101"));
    EXPECT_EQ(store.keys(kSelcSlot), QStringList{"abc021Keep"});

    EXPECT_EQ(addField(FieldKind::CheckBox, "Agree"), 1);
    for (int field : {fdis::kRequired, fdis::kCharacterType, fdis::kHasList, fdis::kReadOnly, fdis::kExclusive})
        EXPECT_EQ(fdis("abc101", field), "0") << field;
    EXPECT_FALSE(exists(kHelpSlot, "abc101"));
}

TEST_F(PlacingTest, ARowMadeForHelpOrAListBeforePlacingKeepsItsNumber) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::Text));
    designer->editInputs(filled(FieldKind::Text, "Colour"));
    ASSERT_TRUE(designer->ensureRow());
    EXPECT_EQ(fdis("abc101", fdis::kCaption), "Colour");
    EXPECT_FALSE(view().cancelEnabled);
    EXPECT_FALSE(view().moveEnabled);

    designer->continueAdd();
    EXPECT_TRUE(exists(kFdisSlot, "abc101"));
    ASSERT_TRUE(designer->add(FieldKind::Text));
    EXPECT_EQ(view().currentDefinition, 2);
}

TEST_F(PlacingTest, ATextFieldFromASiblingDataSetRemembersItsSource) {
    openDesigner();
    ASSERT_TRUE(designer->addSiblingTextField(2, 7, "Troop", 12));
    EXPECT_TRUE(view().placeEnabled);
    designer->place();
    designer->continueAdd();
    addField(FieldKind::Text, "Plain");

    EXPECT_EQ(fdis("abc101", fdis::kDataSet), "2");
    EXPECT_EQ(fdis("abc101", fdis::kDataSetField), "7");
    EXPECT_EQ(fdis("abc101", fdis::kCharacterType), "4");
    EXPECT_EQ(fdis("abc102", fdis::kDataSet), "0");
    EXPECT_EQ(fdis("abc102", fdis::kDataSetField), "0");
}
