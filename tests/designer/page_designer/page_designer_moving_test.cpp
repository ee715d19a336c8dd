#include "page_designer_fixture.h"

using namespace vn;
using namespace vn::test;
using namespace vn::definition_tables;

class MovingTest : public PageDesignerFixture {
protected:
    void putField(FieldKind kind, int top, int left, int width, int height) {
        putDefinition(store.access, "abc101", int(kind), 1,
                      {{fdis::kCaption, "Field"}, {fdis::kTop, QString::number(top)}, {fdis::kLeft, QString::number(left)},
                       {fdis::kWidth, QString::number(width)}, {fdis::kHeight, QString::number(height)}});
    }
};

TEST_F(MovingTest, HoldingMoveUpFromTop30StopsAt17WithABeep) {
    putField(FieldKind::Text, 30, 100, 110, 21);
    openDesigner();
    designer->select(1);

    designer->move(MoveDirection::Up);
    EXPECT_EQ(fdis("abc101", fdis::kTop), "22");
    EXPECT_EQ(store.prompter.beeps, 0);
    designer->move(MoveDirection::Up);
    EXPECT_EQ(fdis("abc101", fdis::kTop), "17");
    EXPECT_EQ(store.prompter.beeps, 1);
    EXPECT_EQ(view().y, 17);
    EXPECT_EQ(view().x, 100);
}

TEST_F(MovingTest, ARadioGroupStopsTwentyPixelsAboveTheBottom) {
    putField(FieldKind::RadioGroup, 240, 100, 150, 185);
    openDesigner();
    designer->select(1);
    designer->move(MoveDirection::Down);
    EXPECT_EQ(fdis("abc101", fdis::kTop), "247");
    EXPECT_EQ(store.prompter.beeps, 1);
}

TEST_F(MovingTest, ATableMovesByItsDrawnGrid) {
    putField(FieldKind::Table, 250, 668, 0, 0);
    putRow(store.access, kTdatSlot, "abc101",
           {{tdat::kColumnCount, "1"}, {tdat::kRowCount, "1"}, {tdat::columnSize(0), "50"}, {tdat::columnSize(1), "10"}});
    openDesigner();
    designer->select(1);
    designer->move(MoveDirection::Right);
    EXPECT_EQ(fdis("abc101", fdis::kLeft), QString::number(832 - (50 + 3 + 103 + 6)));
    EXPECT_EQ(store.prompter.beeps, 1);
}

TEST_F(MovingTest, NothingMovesBeforeTheFieldIsPlaced) {
    openDesigner();
    ASSERT_TRUE(designer->add(FieldKind::Text));
    designer->editInputs(filled(FieldKind::Text, "Name"));
    EXPECT_FALSE(view().moveEnabled);
    designer->move(MoveDirection::Up);
    EXPECT_FALSE(exists(kFdisSlot, "abc101"));
}

TEST_F(MovingTest, AMemoIsResizedAtOnceWithinItsLimits) {
    openDesigner();
    placeField(FieldKind::Memo, "Notes");
    ASSERT_TRUE(view().resizeEnabled);
    designer->resizeMemo(MemoResize::Wider);
    designer->resizeMemo(MemoResize::Shorter);
    EXPECT_EQ(fdis("abc101", fdis::kWidth), "208");
    EXPECT_EQ(fdis("abc101", fdis::kHeight), "72");

    for (int i = 0; i < 20; ++i) designer->resizeMemo(MemoResize::Narrower);
    EXPECT_EQ(fdis("abc101", fdis::kWidth), "80");
    EXPECT_GT(store.prompter.beeps, 0);

    designer->continueAdd();
    EXPECT_EQ(fdis("abc101", fdis::kWidth), "80");  // confirming keeps the size given
}
