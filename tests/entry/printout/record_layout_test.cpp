#include "entry/printout/record_layout.h"

#include "printout_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using Op = RecordingSink::Op;

namespace {

class RecordLayoutTest : public ::testing::Test, protected test::PrintoutFixture {
protected:
    RecordingSink draw() {
        RecordingSink sink({595, 842});
        layoutRecord(sink, record, *definitions());
        return sink;
    }
    // The fill colour in force when the op at index was drawn.
    static quint32 fillBefore(const RecordingSink& sink, qsizetype index) {
        for (qsizetype i = index; i >= 0; --i)
            if (sink.ops[i].kind == Op::FillColour) return sink.ops[i].colour;
        return 0;
    }
};

// Positions in points worked out by hand from the grid: x(c) = trunc(10.4 c) + 3, y(r) =
// trunc(3.58 r), page 1 from row 29, page 2 from row 131.
TEST_F(RecordLayoutTest, FieldsSitWhereTheGridPutsThem) {
    place({1, 1, 1, 1, "Name", 44, 148, 110, 21});            // column 10, row 29 + 10
    place({1, 2, 3, 1, "Paid", 88, 296, 60, 21});             // column 20, row 29 + 20
    record.pages[0][1] = "Ann";
    record.pages[0][21] = "1";
    record.header[4] = "Smith";
    const RecordingSink sink = draw();

    const Op* caption = textOp(sink, "Name");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->at, QPointF(104, 139));
    const Op* value = textOp(sink, "Ann");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->at, QPointF(108, 150));
    const Op* x = textOp(sink, "X");
    ASSERT_TRUE(x);
    EXPECT_EQ(x->at, QPointF(221, 172));
    ASSERT_TRUE(textOp(sink, "Paid"));
    EXPECT_EQ(textOp(sink, "Paid")->at, QPointF(234, 175));
    const QList<Op> boxes = ops(sink, Op::Rectangle);
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const Op& r) { return r.at == QPointF(104, 150) && r.to == QPointF(184, 161); }));
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const Op& r) { return r.at == QPointF(219, 175) && r.to == QPointF(229, 182); }));
    ASSERT_TRUE(textOp(sink, "Smith"));
    EXPECT_EQ(textOp(sink, "Smith")->at, QPointF(306, 28));  // x(29) + 2, y(8)
    EXPECT_EQ(textOp(sink, "Varnedo Data Entry Printout:")->at, QPointF(3, 0));
}

TEST_F(RecordLayoutTest, TheChosenButtonIsTheOneBlackCircle) {
    place({1, 1, 4, 2, "Colour", 132, 444, 100, 68}, {{13, "3"}, {14, "Red"}, {15, "Green"}, {16, "Blue"}});
    for (const char* stored : {"2", "0", "", "x2"}) {
        record.pages[0][62] = stored;
        const RecordingSink sink = draw();
        QList<QPair<QPointF, quint32>> circles;
        for (qsizetype i = 0; i < sink.ops.size(); ++i)
            if (sink.ops[i].kind == Op::Circle) circles.append({sink.ops[i].at, fillBefore(sink, i)});
        ASSERT_EQ(circles.size(), 3) << stored;
        const bool chosen = QString(stored) == "2";
        EXPECT_EQ(circles[0], qMakePair(QPointF(323, 228), 0xFFFFFFFFu)) << stored;
        EXPECT_EQ(circles[1], qMakePair(QPointF(323, 238), chosen ? 0xFF000000u : 0xFFFFFFFFu)) << stored;
        EXPECT_EQ(circles[2], qMakePair(QPointF(323, 249), 0xFFFFFFFFu)) << stored;
        EXPECT_EQ(textOp(sink, "Green")->at, QPointF(333, 232));  // x(31) + 8, y(29 + 30 + 6)
    }
}

// A box of height 44 holds 10 rows, so three memo lines; every line end counts.
TEST_F(RecordLayoutTest, TheMemoShowsWhatItsBoxHolds) {
    place({2, 1, 2, 1, "Notes", 0, 148, 300, 44});
    record.pages[1][121] = "first\r\nsecond^^third\vfourth";
    const RecordingSink sink = draw();
    const QList<QPair<QString, QPointF>> expected = {{"first", {107, 468}}, {"second", {107, 479}}, {"third", {107, 490}}};
    for (const auto& [text, at] : expected) {
        ASSERT_TRUE(textOp(sink, text)) << text.toStdString();
        EXPECT_EQ(textOp(sink, text)->at, at) << text.toStdString();
    }
    EXPECT_FALSE(textOp(sink, "fourth"));
    ASSERT_TRUE(textOp(sink, "Notes (Full memo may not show)"));
    EXPECT_EQ(textOp(sink, "Notes (Full memo may not show)")->at, QPointF(104, 458));
    ASSERT_TRUE(textOp(sink, "Page 2"));
    EXPECT_EQ(textOp(sink, "Page 2")->at, QPointF(252, 826));
}

// Pages 3 and 5 start sheets, and so does a page whose half is already taken: page 4 without
// a page 3 must not land on page 2.
TEST_F(RecordLayoutTest, PagesGoTwoToASheet) {
    const QList<QPair<QList<int>, int>> cases = {
        {{}, 1}, {{1, 2}, 1}, {{1, 2, 3}, 2}, {{1, 3, 5}, 3}, {{2, 4}, 2}, {{1, 2, 4, 6}, 3}};
    for (const auto& [pages, sheets] : cases) {
        test::PrintoutFixture list;
        for (int page : pages) list.place({page, 1, 1, 1, "F", 0, 148, 60, 21});
        RecordingSink sink({595, 842});
        layoutRecord(sink, list.record, *list.definitions());
        EXPECT_EQ(ops(sink, Op::NewPage).size() + 1, sheets) << pages.size();
        EXPECT_EQ(bool(textOp(sink, "Page 1")), pages.contains(1));
    }
}

TEST_F(RecordLayoutTest, GridsAndLinksWithoutConstructionLeaveNoTrace) {
    place({1, 1, 7, 1, "Table", 0, 140, 0, 0});
    place({1, 2, 6, 1, "https://example.org", 40, 140, 200, 21});
    const RecordingSink sink = draw();
    EXPECT_FALSE(textOp(sink, "https://example.org"));
    EXPECT_EQ(ops(sink, Op::Rectangle).size(), 16);  // the header boxes only
}

TEST_F(RecordLayoutTest, AGridDrawsItsTitlesAndTheRecordsCells) {
    place({1, 1, 7, 1, "", 44, 140, 0, 0});
    db.putRow(kTdatSlot, definitionKey("abc", 1, 1),
              {{1, "Scores"}, {2, "2"}, {3, "2"}, {4, "70"}, {6, "5"}, {7, "Fall"}, {8, "3"}, {9, "Spring"}, {16, "Math"}, {17, "Art"}});
    record.pages[0][77] = "B+";  // row 2, column 2
    const RecordingSink sink = draw();
    // Column 0 from trunc(140 / 14) = 10, 5 wide; column 1 is 3 wide, column 2 is 2 wide.
    const QList<QPair<QString, QPointF>> expected = {{"Scores", {107, 139}}, {"Fall", {159, 139}}, {"Spring", {190, 139}},
                                                    {"Math", {107, 153}}, {"B+", {190, 168}}};
    for (const auto& [text, at] : expected) {
        ASSERT_TRUE(textOp(sink, text)) << text.toStdString();
        EXPECT_EQ(textOp(sink, text)->at, at) << text.toStdString();
    }
}

}  // namespace
