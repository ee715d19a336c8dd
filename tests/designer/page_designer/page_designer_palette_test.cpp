#include "designer/page_designer/designer_messages.h"
#include "page_designer_fixture.h"

using namespace vn;
using namespace vn::test;
using namespace vn::definition_tables;

namespace {

QStringList captions(const PageDesignerView& view) {
    QStringList all;
    for (const DesignerButton& b : view.palette) all << b.caption;
    return all;
}

}  // namespace

class PaletteTest : public PageDesignerFixture {};

TEST_F(PaletteTest, AnEmptyPageOffersEachKindsCapacity) {
    openDesigner();
    designer->showPalette();
    EXPECT_EQ(view().panel, DesignerPanel::Palette);
    EXPECT_EQ(captions(view()), (QStringList{"Text Field (20)", "Memo Field (1)", "Check Box (40)", "Radio Button Grp (10)",
                                             "Label (20)", "URL / Email Link (1)", "Table (1)"}));
    for (const DesignerButton& b : view().palette) EXPECT_TRUE(b.enabled) << b.caption.toStdString();
    designer->closePalette();
    EXPECT_EQ(view().panel, DesignerPanel::Options);
}

TEST_F(PaletteTest, ADeletedFieldKeepsItsSlot) {
    openDesigner();
    for (const char* name : {"One", "Two", "Three"}) addField(FieldKind::Text, name);
    designer->select(2);
    designer->deleteField();

    EXPECT_EQ(view().palette[0].caption, "Text Field (17)");
    const int number = addField(FieldKind::Text, "Four");
    EXPECT_EQ(number, 4);
    EXPECT_EQ(fdis("abc104", fdis::kSlot), "4");
}

TEST_F(PaletteTest, AKindAtCapacityIsDisabledAndRefused) {
    openDesigner();
    addField(FieldKind::Memo, "Notes");
    EXPECT_EQ(view().palette[int(FieldKind::Memo) - 1].caption, "Memo Field (0)");
    EXPECT_FALSE(view().palette[int(FieldKind::Memo) - 1].enabled);
    EXPECT_FALSE(designer->add(FieldKind::Memo));
    EXPECT_EQ(view().panel, DesignerPanel::Options);
}

TEST_F(PaletteTest, APageWithAll83NumbersInUseRefusesFurtherFields) {
    for (int n = 1; n <= 83; ++n) putDefinition(store.access, definitionKey("abc", 1, n), int(FieldKind::Label), n % 20 + 1);
    openDesigner();
    EXPECT_FALSE(designer->add(FieldKind::Text));
    EXPECT_EQ(store.prompter.texts(), QStringList{designer_messages::kPageFull});
    EXPECT_EQ(view().panel, DesignerPanel::Options);
}

TEST_F(PaletteTest, LeavingTheAddViewWithoutPlacingHandsTheNumberBack) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::CheckBox));
    EXPECT_EQ(view().panel, DesignerPanel::Add);
    designer->continueAdd();

    EXPECT_EQ(view().panel, DesignerPanel::Options);
    EXPECT_FALSE(exists(kFdisSlot, "abc101"));
    ASSERT_TRUE(designer->add(FieldKind::CheckBox));
    EXPECT_EQ(view().currentDefinition, 1);
}

TEST_F(PaletteTest, CancellingAPlacedCheckBoxLeavesTheCountAndTheNextFieldTakesItsNumber) {
    openDesigner();
    addField(FieldKind::Text, "Name");
    designer->showPalette();
    const QString before = view().palette[int(FieldKind::CheckBox) - 1].caption;

    const int number = placeField(FieldKind::CheckBox, "Agree");
    ASSERT_TRUE(view().cancelEnabled);
    designer->cancelAdd();
    designer->showPalette();
    EXPECT_EQ(view().palette[int(FieldKind::CheckBox) - 1].caption, before);

    EXPECT_EQ(addField(FieldKind::Label, "Hello"), number);
}
