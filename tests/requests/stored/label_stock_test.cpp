#include "requests/stored/label_stock.h"
#include "store/catalogue/table_location.h"
#include "store/engine/store_error.h"
#include "store/files/installation.h"
#include "support/qt_printers.h"
#include "support/store_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

using namespace vn;
using namespace vn::request_tables;

namespace {

// 30 labels, 3 across and 10 down, of 2.625 by 1 inches: 7.875 by 10 inches.
RowFields goodRow(const QString& name = "Avery 5160") { return {name, "", "30", "3", "10", "2.625", "1", "1", "10", "8"}; }

void addRow(test::StoreFixture& store, const RowFields& row) {
    store.access.EnsureRecord(kLabeSlot, row[0]);
    for (int field = 1; field < row.size(); ++field) store.access.SetFieldText(kLabeSlot, field, row[field]);
}

QString refusal(const RowFields& row) {
    try {
        labelStockFromRow(row);
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

TEST(LabelStockTest, ReadsARow) {
    const LabelStock stock = labelStockFromRow(goodRow());
    EXPECT_EQ(stock.name, "Avery 5160");
    EXPECT_EQ(stock.perSheet, 30);
    EXPECT_EQ(stock.across, 3);
    EXPECT_EQ(stock.down, 10);
    EXPECT_EQ(stock.width.toString(), "2.625");
    EXPECT_EQ(stock.height.toString(), "1");
    EXPECT_EQ(stock.previewSize, 1);
    EXPECT_EQ(stock.printFontSize, 10);
    EXPECT_EQ(stock.screenFontSize, 8);
}

TEST(LabelStockTest, ASheetMayBeFilledExactly) {
    // 8 across of 1 inch, 10 down of 1 inch, every place a label; field 1 is not read.
    const LabelStock stock = labelStockFromRow({"Full", "anything", "80", "8", "10", "1.0000", " 1 ", "2", "9", "7"});
    EXPECT_EQ(stock.perSheet, 80);
    EXPECT_EQ(stock.previewSize, 2);
}

TEST(LabelStockTest, RefusesBadRowsNamingThem) {
    struct Case {
        int field;  // -1: the row is cut after 9 fields
        const char* value;
        const char* message;  // after "The Labe row "Avery 5160" is refused: "
    };
    const Case cases[] = {
        {2, "0", R"(field 2 (labels per sheet) holds "0"; it takes 1 to 80.)"},
        {2, "81", R"(field 2 (labels per sheet) holds "81"; it takes 1 to 80.)"},
        {2, "", R"(field 2 (labels per sheet) holds ""; it takes 1 to 80.)"},
        {2, "thirty", R"(field 2 (labels per sheet) holds "thirty", not a whole number.)"},
        {3, "0", R"(field 3 (labels across) holds "0"; it takes 1 to 2147483647.)"},
        {4, "0", R"(field 4 (labels down) holds "0"; it takes 1 to 2147483647.)"},
        {4, "-10", R"(field 4 (labels down) holds "-10", not a whole number.)"},
        {4, "9", "3 across by 9 down (fields 3 and 4) give 27 places for 30 labels per sheet (field 2)."},
        {5, "", R"(field 5 (label width) holds "", not a positive decimal number of inches.)"},
        {5, "0", R"(field 5 (label width) holds "0", not a positive decimal number of inches.)"},
        {5, "0.00004", R"(field 5 (label width) holds "0.00004", not a positive decimal number of inches.)"},
        {5, "-2.625", R"(field 5 (label width) holds "-2.625", not a positive decimal number of inches.)"},
        {5, "2,625", R"(field 5 (label width) holds "2,625", not a positive decimal number of inches.)"},
        {5, "2 5/8", R"(field 5 (label width) holds "2 5/8", not a positive decimal number of inches.)"},
        {6, "one", R"(field 6 (label height) holds "one", not a positive decimal number of inches.)"},
        {5, "2.6667", "3 labels across of 2.6667 inches (fields 3 and 5) are wider than a sheet of 8 inches."},
        {6, "1.0001", "10 labels down of 1.0001 inches (fields 4 and 6) are taller than a sheet of 10 inches."},
        {5, "999999999999999", R"(field 5 (label width) holds "999999999999999", not a positive decimal number of inches.)"},
        {7, "3", R"(field 7 (preview size) holds "3"; it takes 1 to 2.)"},
        {7, "0", R"(field 7 (preview size) holds "0"; it takes 1 to 2.)"},
        {8, "0", R"(field 8 (printing font size) holds "0"; it takes 1 to 2147483647.)"},
        {9, "8pt", R"(field 9 (preview font size) holds "8pt", not a whole number.)"},
        {-1, "", "it has 9 fields, so field 9 (preview font size) is missing."},
    };
    ASSERT_EQ(refusal(goodRow()), "");
    for (const Case& c : cases) {
        RowFields row = goodRow();
        if (c.field < 0)
            row.removeLast();
        else
            row[c.field] = c.value;
        EXPECT_EQ(refusal(row), QStringLiteral("The Labe row \"Avery 5160\" is refused: %1").arg(c.message))
            << c.field << " " << c.value;
    }
}

TEST(LabelStockTest, AWideSheetAcrossIsRefusedBeforeItsPlacesAreCounted) {
    // 4 across of 2.625 inches: 10.5 inches.
    RowFields row = goodRow();
    row[labe::kAcross] = "4";
    EXPECT_EQ(refusal(row), "The Labe row \"Avery 5160\" is refused: 4 labels across of 2.625 inches (fields 3 and 5) "
                            "are wider than a sheet of 8 inches.");
    row[labe::kAcross] = "2147483647";  // times the width: beyond any decimal
    row[labe::kWidth] = "500000000000";
    EXPECT_EQ(refusal(row), "The Labe row \"Avery 5160\" is refused: 2147483647 labels across of 500000000000 inches "
                            "(fields 3 and 5) are wider than a sheet of 8 inches.");
    row = goodRow();
    row[labe::kDown] = "11";
    EXPECT_EQ(refusal(row), "The Labe row \"Avery 5160\" is refused: 11 labels down of 1 inches (fields 4 and 6) are "
                            "taller than a sheet of 10 inches.");
}

TEST(LabelStockTest, TheWalkKeepsTheGoodRowsAndReportsTheRefusedOnes) {
    test::StoreFixture store;
    RowFields bad = goodRow("Avery 5161");
    bad[labe::kPerSheet] = "90";
    RowFields large = goodRow("Avery 5163");
    large[labe::kPreviewSize] = "2";
    addRow(store, large);
    addRow(store, bad);
    addRow(store, goodRow("Avery 5160"));
    const LabelStockReading reading = readLabelStocks(store.access);
    ASSERT_EQ(reading.stocks.size(), 2);
    EXPECT_EQ(reading.stocks[0].name, "Avery 5160");
    EXPECT_EQ(reading.stocks[1].name, "Avery 5163");
    EXPECT_EQ(reading.stocks[1].previewSize, 2);
    EXPECT_EQ(reading.refusals,
              QStringList({R"(The Labe row "Avery 5161" is refused: field 2 (labels per sheet) holds "90"; it takes 1 to 80.)"}));
}

TEST(LabelStockTest, AnEmptyTableHasNoStocks) {
    test::StoreFixture store;
    const LabelStockReading reading = readLabelStocks(store.access);
    EXPECT_TRUE(reading.stocks.isEmpty());
    EXPECT_TRUE(reading.refusals.isEmpty());
}

TEST(LabelStockTest, FindsAStockByName) {
    test::StoreFixture store;
    RowFields bad = goodRow("Bad");
    bad[labe::kWidth] = "wide";
    addRow(store, bad);
    addRow(store, goodRow("Avery 5160"));
    const std::optional<LabelStock> found = findLabelStock(store.access, "Avery 5160");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, labelStockFromRow(goodRow()));
    EXPECT_FALSE(findLabelStock(store.access, "avery 5160"));
    EXPECT_FALSE(findLabelStock(store.access, "Avery 5161"));
    EXPECT_THROW(findLabelStock(store.access, "Bad"), StoreError);
}

// Every sheet type a new installation ships with is read, listed in the order of its count.
TEST(LabelStockTest, TheShippedStocksAreAllRead) {
    test::TempFolder folder;
    createDatabase(QDir(folder.path()).filePath(TableLocation::databaseFileName()), true);
    TableCatalogue catalogue;
    catalogue.ReopenDataTables(folder.path(), {});
    test::RecordingPrompter prompter;
    RecordAccess access(catalogue, prompter);
    const LabelStockReading reading = readLabelStocks(access);
    EXPECT_EQ(reading.refusals, QStringList());
    QList<int> counts;
    for (const LabelStock& stock : reading.stocks) {
        counts << stock.perSheet;
        EXPECT_EQ(stock.across * stock.down, stock.perSheet) << stock.name.toStdString();
    }
    EXPECT_EQ(counts, (QList<int>{6, 10, 14, 20, 30, 80}));
}

}  // namespace
