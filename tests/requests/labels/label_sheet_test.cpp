// The sheet in the printer: which positions exist and hold a label, where each printed label
// goes, the sheet picture and the paging of the screen preview.
#include "label_stocks.h"
#include "requests/labels/label_paging.h"
#include "requests/labels/label_placement.h"
#include "requests/labels/label_sheet.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vn;

// Readable places in failure messages.
namespace vn {
void PrintTo(const LabelPlace& p, std::ostream* os) { *os << "sheet " << p.sheet << " position " << p.position; }
}  // namespace vn

namespace {

TEST(LabelSheet, OnlyTheStocksPositionsExist) {
    LabelSheet sheet(30);
    EXPECT_EQ(sheet.presentCount(), 30);
    sheet.toggle(31);  // a position the stock does not have stays out of reach
    sheet.take(0);
    EXPECT_FALSE(sheet.present(31));
    EXPECT_EQ(sheet.presentCount(), 30);
    sheet.toggle(2);
    EXPECT_FALSE(sheet.present(2));
    EXPECT_EQ(sheet.firstPresent(), 1);
    sheet.clear();
    EXPECT_EQ(sheet.presentCount(), 0);
    EXPECT_EQ(sheet.firstPresent(), std::nullopt);
    sheet.fill();
    EXPECT_EQ(sheet.presentCount(), 30);
    sheet.take(1);
    sheet.setCount(6);  // another stock keeps the marks of the positions both have
    EXPECT_EQ(sheet.presentCount(), 5);
    EXPECT_EQ(sheet.firstPresent(), 2);
}

TEST(LabelPlacer, PlacesOnThePresentPositionsThenOnFreshSheets) {
    struct Case {
        const char* what;
        int perSheet;
        QList<int> absent;  // on the first sheet
        int labels;
        QList<std::pair<int, LabelPlace>> expected;  // label number (1 the first) and its place
    };
    QList<int> firstTen;
    for (int p = 1; p <= 10; ++p) firstTen << p;
    const Case cases[] = {
        {"30 up, the first ten gone", 30, firstTen, 51,
         {{1, {0, 11}}, {20, {0, 30}}, {21, {1, 1}}, {50, {1, 30}}, {51, {2, 1}}}},
        {"30 up, a full sheet", 30, {}, 31, {{1, {0, 1}}, {30, {0, 30}}, {31, {1, 1}}}},
        {"6 up, gaps", 6, {2, 4}, 5, {{1, {0, 1}}, {2, {0, 3}}, {3, {0, 5}}, {4, {0, 6}}, {5, {1, 1}}}},
        {"an empty first sheet is passed over", 6, {1, 2, 3, 4, 5, 6}, 1, {{1, {1, 1}}}},
    };
    for (const Case& c : cases) {
        LabelSheet first(c.perSheet);
        for (int p : c.absent) first.toggle(p);
        LabelPlacer placer(first);
        QList<LabelPlace> places;
        for (int m = 1; m <= c.labels; ++m) places << placer.next();
        for (const auto& [label, place] : c.expected) EXPECT_EQ(places[label - 1], place) << c.what << ", label " << label;
        for (const LabelPlace& place : places) EXPECT_LE(place.position, c.perSheet) << c.what;  // never a hidden cell
    }
}

TEST(LabelSheetPicture, CellsShareThePictureLessItsBorder) {
    struct Case {
        LabelStock stock;
        int position;
        QRect cell;
    };
    const Case cases[] = {
        {test::thirtyUp(1), 1, {8, 8, 51, 20}},  // (170 - 16) / 3, (220 - 16) / 10
        {test::thirtyUp(1), 4, {8, 28, 51, 20}},
        {test::thirtyUp(1), 30, {110, 188, 51, 20}},
        {test::labelStock(80, 4, 20, "1.75", "0.5", 2), 80, {251, 407, 81, 21}},  // 324 / 4, 424 / 20
        {test::labelStock(6, 2, 3, "4", "3.333", 2), 3, {8, 149, 162, 141}},
    };
    for (const Case& c : cases) EXPECT_EQ(labelCellRect(c.stock, c.position), c.cell) << c.stock.name.toStdString() << " " << c.position;
    EXPECT_EQ(sheetPictureSize(1), QSize(170, 220));
    EXPECT_EQ(sheetPictureSize(2), QSize(340, 440));
}

TEST(LabelPaging, OneSheetOfLabelsAPage) {
    LabelPaging paging(61, 30);
    EXPECT_EQ(paging.labelsText(), "Labels:  61");
    EXPECT_EQ(paging.pagesText(), "Page(s):  3");
    EXPECT_EQ(paging.pageText(), "Page:  1");
    EXPECT_FALSE(paging.priorEnabled());
    EXPECT_TRUE(paging.nextEnabled());
    paging.next();
    paging.next();
    EXPECT_EQ(paging.pageText(), "Page:  3");
    EXPECT_EQ(paging.first(), 60);
    EXPECT_EQ(paging.shown(), 1);
    EXPECT_FALSE(paging.nextEnabled());
    paging.next();  // nothing past the last label
    EXPECT_EQ(paging.page(), 3);
    paging.prior();
    EXPECT_EQ(paging.first(), 30);
    EXPECT_EQ(paging.shown(), 30);
    EXPECT_TRUE(paging.priorEnabled());

    struct Case {
        qsizetype labels;
        int perPage;
        qsizetype pages;
        bool nextEnabled;
    };
    for (const Case& c : {Case{30, 30, 1, false}, Case{31, 30, 2, true}, Case{0, 30, 0, false}, Case{5, 80, 1, false}}) {
        const LabelPaging first(c.labels, c.perPage);
        EXPECT_EQ(first.pages(), c.pages) << c.labels << " of " << c.perPage;
        EXPECT_EQ(first.nextEnabled(), c.nextEnabled) << c.labels << " of " << c.perPage;
        EXPECT_EQ(first.shown(), std::min<qsizetype>(c.labels, c.perPage));
    }
}

}  // namespace
