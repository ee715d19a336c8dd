#include "lists/pages/page_layout.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "lists/pages/page_geometry.h"
#include "platform/printing/palette.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>
#include <iterator>
#include <utility>

using namespace vn;
using namespace vn::definition_tables;
using Kind = LayoutItem::Kind;

namespace {

// Every character 7 pixels wide, whatever the font.
class FixedMeasure : public TextMeasure {
public:
    int width(const QString& text, int, bool) const override { return 7 * int(text.size()); }
};

QString n(int value) { return QString::number(value); }

struct PageLayoutTest : ::testing::Test {
    QString key(int number) const { return definitionKey("abc", 1, number); }
    void place(int number, FieldKind kind, int slot, QRect rect, const QString& caption, test::FieldValues more = {}) {
        test::putDefinition(access, key(number), int(kind), slot,
                            {{fdis::kCaption, caption}, {fdis::kTop, n(rect.top())}, {fdis::kLeft, n(rect.left())},
                             {fdis::kWidth, n(rect.width())}, {fdis::kHeight, n(rect.height())}});
        test::putRow(access, kFdisSlot, key(number), more);
    }
    QList<LayoutItem> layout(bool inDesigner = true) {
        return layoutPage(LoadDefinitions(access, "abc"), 1, FixedMeasure(), inDesigner);
    }
    static QList<LayoutItem> parts(const QList<LayoutItem>& items, int number, Kind kind) {
        QList<LayoutItem> found;
        for (const LayoutItem& item : items)
            if (item.definitionNumber == number && item.kind == kind) found << item;
        return found;
    }
    static const LayoutItem& only(const QList<LayoutItem>& items) {
        EXPECT_EQ(items.size(), 1);
        return items.first();
    }

    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(PageLayoutTest, TextFieldCaptionsWrapAtTwoBoxWidths) {
    struct Case {
        int width;
        int captionLength;
        int lines;
    };
    const Case cases[] = {
        {110, 30, 1},  // size 10: 420 div 220
        {110, 40, 2},  // 560 div 220
        {50, 30, 4},   // 420 div 100
        {110, 3, 1},   // short captions take one line
        {110, 0, 1},
    };
    int number = 0;
    for (const Case& c : cases) {
        ++number;
        place(number, FieldKind::Text, number, {300, 40 * number + 60, c.width, 21}, QString(c.captionLength, 'x'),
              {{fdis::kTabOrder, n(number + 4)}});
    }
    const QList<LayoutItem> items = layout();
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case& c = cases[i];
        const int top = 40 * (i + 1) + 60;
        SCOPED_TRACE(testing::Message() << "width " << c.width << ", caption " << c.captionLength);
        const LayoutItem& caption = only(parts(items, i + 1, Kind::Caption));
        EXPECT_EQ(caption.rect, QRect(300, top - 13 * c.lines, c.width, 13 * c.lines));
        const LayoutItem& box = only(parts(items, i + 1, Kind::TextBox));
        EXPECT_EQ(box.rect, QRect(300, top, c.width, 21));
        EXPECT_EQ(box.recordColumn, i + 1);
        EXPECT_EQ(box.tabOrder, i + 5);
        EXPECT_EQ(box.text, n(i + 5));
    }
}

TEST_F(PageLayoutTest, RecordScreenShowsNoTabNumbers) {
    place(1, FieldKind::Text, 3, {100, 100, 110, 21}, "Name", {{fdis::kTabOrder, "1"}});
    const LayoutItem& box = only(parts(layout(false), 1, Kind::TextBox));
    EXPECT_EQ(box.text, "");
    EXPECT_EQ(box.tabOrder, 1);
    EXPECT_EQ(box.recordColumn, 3);
}

TEST_F(PageLayoutTest, OnlyActiveDefinitionsAreDrawnInNumberOrder) {
    place(3, FieldKind::CheckBox, 2, {400, 50, 60, 21}, "Later");
    place(1, FieldKind::CheckBox, 1, {400, 20, 60, 21}, "First");
    place(2, FieldKind::Text, 1, {100, 100, 110, 21}, "Deleted", {{fdis::kActive, "0"}});
    place(4, FieldKind::Label, 1, {8, 300, 100, 21}, "Gone", {{fdis::kActive, "0"}});

    QList<int> numbers;
    for (const LayoutItem& item : layout()) numbers << item.definitionNumber;
    EXPECT_EQ(numbers, (QList<int>{1, 3}));
}

TEST_F(PageLayoutTest, MemoCaptionSitsAboveTheBox) {
    place(1, FieldKind::Memo, 1, {200, 200, 200, 80}, "Notes");
    const QList<LayoutItem> items = layout();
    EXPECT_EQ(only(parts(items, 1, Kind::Caption)).rect, QRect(200, 184, 35, 16));
    const LayoutItem& box = only(parts(items, 1, Kind::MemoBox));
    EXPECT_EQ(box.rect, QRect(200, 200, 200, 80));
    EXPECT_EQ(box.recordColumn, ColumnMap::kMemoColumn);
}

TEST_F(PageLayoutTest, CheckBoxCarriesItsCaptionAndColumn) {
    place(1, FieldKind::CheckBox, 2, {400, 50, 60, 30}, "Paid");
    const LayoutItem& box = only(parts(layout(), 1, Kind::CheckBox));
    EXPECT_EQ(box.rect, QRect(400, 50, 60, 21));
    EXPECT_EQ(box.text, "Paid");
    EXPECT_EQ(box.recordColumn, 22);
}

TEST_F(PageLayoutTest, RadioGroupShowsOnlyButtonsWithCaptions) {
    place(1, FieldKind::RadioGroup, 2, {100, 150, 120, 68}, "Size",
          {{fdis::kFirstButton, "Small"}, {fdis::kFirstButton + 1, "Medium"}, {fdis::kFirstButton + 3, "Large"}});
    const QList<LayoutItem> items = layout();
    const LayoutItem& group = only(parts(items, 1, Kind::RadioGroup));
    EXPECT_EQ(group.rect, QRect(100, 150, 120, 68));
    EXPECT_EQ(group.text, "Size");

    const QList<LayoutItem> buttons = parts(items, 1, Kind::RadioButton);
    ASSERT_EQ(buttons.size(), 3);
    const struct {
        int number;
        QString caption;
        int top;
    } expected[] = {{1, "Small", 167}, {2, "Medium", 184}, {4, "Large", 201}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i].buttonNumber, expected[i].number);
        EXPECT_EQ(buttons[i].text, expected[i].caption);
        EXPECT_EQ(buttons[i].rect, QRect(108, expected[i].top, 104, 17));
        EXPECT_EQ(buttons[i].recordColumn, 62);
    }
}

TEST_F(PageLayoutTest, LabelsAndLinksTakeTheirKindsDefaults) {
    place(1, FieldKind::Label, 1, {8, 20, 100, 21}, QString(20, 'a'), {{fdis::kSize, "1"}});
    place(2, FieldKind::Label, 2, {8, 60, 110, 21}, QString(60, 'b'), {{fdis::kFontSize, "12"}, {fdis::kColour, "10"}});
    place(3, FieldKind::Link, 1, {8, 200, 160, 21}, "www.example.com", {{fdis::kSize, "1"}});
    const QList<LayoutItem> items = layout();

    const LayoutItem& plain = only(parts(items, 1, Kind::Label));
    EXPECT_EQ(plain.rect, QRect(8, 20, 100, 17 * 2));  // 20 x 16 = 320 div 200 = 1 line
    EXPECT_EQ(plain.pointSize, 8);
    EXPECT_EQ(plain.colour, paletteColour(1));
    EXPECT_TRUE(plain.bold);
    EXPECT_FALSE(plain.underline);

    const LayoutItem& large = only(parts(items, 2, Kind::Label));
    EXPECT_EQ(large.rect, QRect(8, 60, 110, 21 * 6));  // 60 x 20 = 1200 div 220 = 5 lines
    EXPECT_EQ(large.pointSize, 12);
    EXPECT_EQ(large.colour, paletteColour(10));
    EXPECT_FALSE(large.bold);

    const LayoutItem& link = only(parts(items, 3, Kind::Link));
    EXPECT_EQ(link.rect, QRect(8, 200, 160, 21 * 2));  // 15 x 20 = 300 div 320 -> 1 line
    EXPECT_EQ(link.pointSize, 12);
    EXPECT_EQ(link.colour, paletteColour(13));
    EXPECT_FALSE(link.bold);
    EXPECT_TRUE(link.underline);
    EXPECT_EQ(link.text, "www.example.com");
}

struct TableLayoutTest : PageLayoutTest {
    // Two rows, three columns: row names 60 px, column sizes 5, 8 and 4 characters.
    void SetUp() override {
        place(1, FieldKind::Text, 1, {300, 100, 110, 21}, "Before");
        place(2, FieldKind::Table, 1, {8, 250, 0, 0}, "");
        test::putRow(access, kTdatSlot, key(2),
                     {{tdat::kName, "Stock"}, {tdat::kColumnCount, "3"}, {tdat::kRowCount, "2"},
                      {tdat::columnSize(0), "60"}, {tdat::columnSize(1), "5"}, {tdat::columnTitle(1), "Item"},
                      {tdat::columnSize(2), "8"}, {tdat::columnTitle(2), "Where"}, {tdat::columnSize(3), "4"},
                      {tdat::columnTitle(3), "Qty"}, {tdat::columnSize(4), "9"}, {tdat::rowName(1), "Shelf"},
                      {tdat::rowName(2), "Store"}, {tdat::rowName(3), "Hidden"}});
    }
};

TEST_F(TableLayoutTest, GridLinesFrameEveryColumnAndRow) {
    QList<QRect> lines;
    for (const LayoutItem& line : parts(layout(), 2, Kind::TableLine)) {
        lines << line.rect;
        EXPECT_EQ(line.colour, paletteColour(16));
    }
    const int height = 17 * 2 + 20;
    const int width = 60 + 3 + 53 + 83 + 43 + 6;
    EXPECT_EQ(lines, (QList<QRect>{{8, 250, 3, height},
                                   {71, 250, 3, height},
                                   {124, 250, 3, height},
                                   {207, 250, 3, height},
                                   {250, 250, 3, height},
                                   {253, 250, 3, height},
                                   {8, 250, width, 3},
                                   {8, 267, width, 3},
                                   {8, 284, width, 3},
                                   {8, 301, width, 3}}));
}

TEST_F(TableLayoutTest, CellsFillTheGridRowByRow) {
    const QList<LayoutItem> cells = parts(layout(), 2, Kind::TableCell);
    ASSERT_EQ(cells.size(), 6);
    const int lefts[] = {74, 127, 210};
    const int widths[] = {50, 80, 40};
    for (int i = 0; i < 6; ++i) {
        const int row = i / 3 + 1, column = i % 3 + 1;
        SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
        EXPECT_EQ(cells[i].row, row);
        EXPECT_EQ(cells[i].column, column);
        EXPECT_EQ(cells[i].rect, QRect(lefts[column - 1], 270 + 17 * (row - 1), widths[column - 1], 14));
        EXPECT_EQ(cells[i].recordColumn, ColumnMap::tableCellColumn(row, column).value());
        EXPECT_EQ(cells[i].tabOrder, 21 + i);
        EXPECT_EQ(cells[i].fieldKind, FieldKind::Table);
    }
}

TEST_F(TableLayoutTest, NameTitlesAndRowNamesLabelTheGrid) {
    QStringList texts;
    for (const LayoutItem& text : parts(layout(), 2, Kind::TableText))
        texts << QStringLiteral("%1,%2 %3 @%4,%5").arg(text.row).arg(text.column).arg(text.text).arg(text.rect.x()).arg(text.rect.y());
    EXPECT_EQ(texts, (QStringList{"0,0 Stock @11,253", "0,1 Item @74,253", "0,2 Where @127,253", "0,3 Qty @210,253",
                                  "1,0 Shelf @11,270", "2,0 Store @11,287"}));
}

TEST(TableExtentTest, CountsOnlyTheTablesColumns) {
    TableConstruction t;
    t.columnCount = 3;
    t.rowCount = 2;
    const int sizes[] = {60, 5, 8, 4, 9, 2};
    for (int c = 0; c <= 5; ++c) t.columns[c].size = sizes[c];
    EXPECT_EQ(tableExtent(t), QSize(60 + 3 + 53 + 83 + 43 + 6, 17 * 4 + 3));
    // The width check before placing counts every column entered, in use or not.
    EXPECT_EQ(tableColumnsWidth(t), 60 + 3 + 53 + 83 + 43 + 93 + 23);

    t.columnCount = 1;
    t.rowCount = 10;
    EXPECT_EQ(tableExtent(t), QSize(60 + 3 + 53 + 6, 17 * 12 + 3));
}

TEST(HighlightColourTest, EachKindHasItsColour) {
    const std::pair<FieldKind, int> cases[] = {{FieldKind::Text, 11},     {FieldKind::Memo, 13},  {FieldKind::CheckBox, 10},
                                               {FieldKind::RadioGroup, 15}, {FieldKind::Label, 12}, {FieldKind::Link, 14},
                                               {FieldKind::Table, 2}};
    for (const auto& [kind, index] : cases) EXPECT_EQ(highlightColour(kind), paletteColour(index)) << int(kind);
}

}  // namespace
