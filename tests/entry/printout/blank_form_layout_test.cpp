#include "entry/printout/blank_form_layout.h"

#include "printout_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using Op = RecordingSink::Op;

namespace {

class BlankFormLayoutTest : public ::testing::Test, protected test::PrintoutFixture {
protected:
    // 800 by 800: a column and a row are 10 units; design pixels scale by 800 / 840.
    RecordingSink draw() {
        RecordingSink sink({800, 800});
        layoutBlankForm(sink, *definitions());
        return sink;
    }
    // The texts drawn on each sheet.
    static QList<QStringList> sheets(const RecordingSink& sink) {
        QList<QStringList> result{{}};
        for (const Op& op : sink.ops) {
            if (op.kind == Op::NewPage) result.append(QStringList());
            if (op.kind == Op::Text) result.last() << op.text;
        }
        return result;
    }
};

// Page 4 without a page 3 must not be drawn over page 2: its lower region is taken.
TEST_F(BlankFormLayoutTest, APageWhoseRegionIsTakenStartsASheet) {
    for (int page : {1, 2, 4}) place({page, 1, 5, 1, QStringLiteral("Label %1").arg(page), 0, 0, 100, 21});
    const QList<QStringList> drawn = sheets(draw());
    ASSERT_EQ(drawn.size(), 2);
    for (const char* text : {"Record Code", "abc", "Email Address", "Page 1", "Label 1", "Page 2", "Label 2"})
        EXPECT_TRUE(drawn[0].contains(text)) << text;
    EXPECT_TRUE(drawn[1].contains("Label 4"));
    EXPECT_FALSE(drawn[0].contains("Label 4"));
    for (const QStringList& sheet : drawn) EXPECT_EQ(sheet.last(), kBlankFormFooter);
}

TEST_F(BlankFormLayoutTest, PagesOneToThreeTakeTwoSheets) {
    for (int page : {1, 2, 3}) place({page, 1, 5, 1, QStringLiteral("Label %1").arg(page), 0, 0, 100, 21});
    const QList<QStringList> drawn = sheets(draw());
    ASSERT_EQ(drawn.size(), 2);
    EXPECT_TRUE(drawn[1].contains("Label 3"));
    const Op* title = textOp(draw(), "Page 3");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->at, QPointF(370, 460));  // column 37, row 17 + 29: the upper region
}

// Every option prints its mark and its caption, however many the group has.
TEST_F(BlankFormLayoutTest, ARadioGroupPrintsEveryOption) {
    place({1, 1, 4, 1, "Grade", 0, 0, 200, 136},
          {{13, "7"}, {14, "A"}, {15, "B"}, {16, "C"}, {17, "D"}, {18, "E"}, {19, "F"}, {20, "G"}});
    const RecordingSink sink = draw();
    const QList<Op> texts = ops(sink, Op::Text);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const Op& op) { return op.text == "O "; }), 7);
    for (const char* caption : {"A", "E", "F", "G"}) {
        const Op* op = textOp(sink, caption);
        ASSERT_TRUE(op) << caption;
        EXPECT_DOUBLE_EQ(op->at.x(), 30) << caption;  // three columns in
    }
    EXPECT_DOUBLE_EQ(textOp(sink, "G")->at.y(), 210 + 6.125 * 10);  // row 17 + 4, seventh row
}

TEST_F(BlankFormLayoutTest, ALongCaptionStandsAboveItsBoxInLines) {
    place({1, 1, 1, 1, "Name of the school the member attends", 84, 420, 110, 21});
    const RecordingSink sink = draw();
    QList<Op> lines;
    for (const Op& op : ops(sink, Op::Text))
        if (op.at.x() == 400) lines << op;  // design left 420 is 400 units
    ASSERT_GT(lines.size(), 1);
    const double boxTop = 190 + 84 * 800.0 / 1260;  // row 17 + 2, design top 84
    EXPECT_LT(lines.last().at.y(), boxTop);
    EXPECT_GT(lines.last().at.y(), boxTop - 20);
    for (const Op& line : lines) EXPECT_LE(line.text.size(), 110 * 800.0 / 840 / (0.55 * 7 * 800 / 560)) << line.text.toStdString();
}

}  // namespace
