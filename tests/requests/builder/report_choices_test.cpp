#include "requests/builder/report_choices.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

// The header and page 2 with a caption longer than 20 characters and a 2 x 2 grid.
ListFields someFields() {
    ListFields list;
    list.pages[kHeaderPage] = headerFields();
    PageFields& page = list.pages[2];
    page.inUse = true;
    FieldChoice longOne;
    longOne.field = {2, 1};
    longOne.definitionPosition = 1;
    longOne.caption = "A caption of thirty characters";
    page.fields.append(longOne);
    FieldGrid grid;
    grid.title = "Sizes";
    grid.columnTitles = {"S", "M"};
    grid.rowTitles = {"2024", "2025"};
    for (int cell = 0; cell < 4; ++cell) {
        FieldChoice c;
        c.field = {2, 10 + cell};
        c.definitionPosition = 3;
        c.gridCell = true;
        grid.cells.append(c);
    }
    page.grid = grid;
    return list;
}

struct ReportChoicesTest : ::testing::Test {
    ReportChoices choices;
    void SetUp() override {
        // Widths tell where they came from: the column of a cell, else the field number.
        choices.start(someFields(), [](const FieldChoice& f, int column) { return column ? 100 + column : f.field.fieldNumber; });
    }
    QList<int> printOrder() const {
        QList<int> numbers;
        for (const PrintField& p : choices.printFields()) numbers << p.field.fieldNumber * 10 + p.printOrder;
        return numbers;
    }
};

TEST_F(ReportChoicesTest, PrintFieldsKeepTheirOrderNumbersEqualToTheirPlaces) {
    EXPECT_EQ(choices.state().pageButtons, (QList<int>{kHeaderPage, 2}));
    choices.clickField({0, 4});
    choices.clickField({0, 2});
    choices.clickField({2, 1});  // not on the page shown
    choices.showPage(2);
    choices.clickField({2, 1});
    EXPECT_EQ(printOrder(), (QList<int>{41, 22, 13}));
    choices.clickField({2, 1});
    choices.showPage(kHeaderPage);
    choices.clickField({0, 4});
    EXPECT_EQ(printOrder(), (QList<int>{21}));
    EXPECT_EQ(choices.state().orderNumbers, (QList<std::pair<FieldRef, int>>{{{0, 2}, 1}}));
}

TEST_F(ReportChoicesTest, FieldsAreDescribedByCaptionAndWidth) {
    choices.clickField({0, 5});
    choices.showPage(2);
    choices.clickField({2, 1});
    choices.clickField({2, 13});  // row 2, column 2
    const QList<PrintField> fields = choices.printFields();
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].caption, "Last");
    EXPECT_EQ(fields[0].width, 5);
    EXPECT_EQ(fields[1].caption, "A caption of thirty ");
    EXPECT_EQ(fields[1].kind, PrintField::Kind::Field);
    EXPECT_EQ(fields[2].caption, "T:2C:2R:2");
    EXPECT_EQ(fields[2].width, 102);
    EXPECT_EQ(fields[2].kind, PrintField::Kind::GridCell);
}

TEST_F(ReportChoicesTest, SortFieldsFollowThePrintFieldsAndLeadToTheOutput) {
    choices.continueToSort();
    EXPECT_EQ(choices.state().stage, ReportStage::PrintFields);  // nothing to print yet
    choices.showPage(2);
    choices.clickField({2, 1});
    EXPECT_TRUE(choices.state().continueEnabled);
    choices.continueToSort();
    ReportChoicesState state = choices.state();
    EXPECT_EQ(state.stage, ReportStage::SortFields);
    EXPECT_EQ(state.shownPage, kHeaderPage);
    EXPECT_FALSE(state.processEnabled);
    choices.processRequest();
    EXPECT_FALSE(choices.state().outputShown);
    choices.clickField({0, 16});
    choices.clickField({0, 4});
    ASSERT_EQ(choices.sortFields().size(), 2);
    EXPECT_EQ(choices.sortFields()[1].sortOrder, 2);
    EXPECT_EQ(choices.printFields().size(), 1);
    choices.processRequest();
    EXPECT_TRUE(choices.state().outputShown);
    choices.reSelect();
    EXPECT_FALSE(choices.state().outputShown);
    choices.outputDone();  // no output was chosen
    EXPECT_FALSE(choices.state().addToQueueShown);
    choices.processRequest();
    choices.outputDone();
    EXPECT_TRUE(choices.state().addToQueueShown);
    choices.clearSortFields();
    EXPECT_TRUE(choices.sortFields().isEmpty());
    EXPECT_FALSE(choices.state().addToQueueShown);
    EXPECT_EQ(choices.printFields().size(), 1);
}

TEST_F(ReportChoicesTest, AMailMergeWritesItsFileInsteadOfOfferingOutputs) {
    choices.startMailMerge(someFields(), [](const FieldChoice& f, int) { return f.field.fieldNumber; });
    choices.showPage(2);
    ReportChoicesState state = choices.state();
    EXPECT_TRUE(state.mailMerge);
    EXPECT_FALSE(state.fields.grid);  // no grid cells in a merge file
    EXPECT_EQ(state.hint, "Hint:  The field selection, target matching, etc. for your Mail-merge request is now completed.");
    choices.clickField({2, 10});
    EXPECT_TRUE(choices.printFields().isEmpty());
    choices.clickField({2, 1});
    EXPECT_FALSE(choices.processRequest());  // not before the sort view
    choices.continueToSort();
    choices.clickField({0, 5});
    EXPECT_FALSE(choices.state().wordProcessorEnabled);
    EXPECT_TRUE(choices.processRequest());
    state = choices.state();
    EXPECT_FALSE(state.outputShown);
    EXPECT_FALSE(state.summingEnabled);
    choices.mergeWritten(false);  // no records: the file is there, the request is not offered for the queue
    EXPECT_TRUE(choices.state().wordProcessorEnabled);
    EXPECT_FALSE(choices.state().addToQueueShown);
    choices.mergeWritten(true);
    EXPECT_TRUE(choices.state().addToQueueShown);
    choices.clickField({0, 4});  // the sort can change and the file be written again
    EXPECT_EQ(choices.sortFields().size(), 2);

    choices.start(someFields(), {});
    EXPECT_FALSE(choices.state().mailMerge);
    EXPECT_FALSE(choices.state().wordProcessorEnabled);
}

// Every field of page 2 counts as numeric.
TEST_F(ReportChoicesTest, SumsAreKeptOnlyOnceTheSummingViewIsProcessed) {
    const auto pageTwo = [](const QList<PrintField>& fields) {
        QList<SumColumn> columns;
        for (const PrintField& p : fields)
            if (p.field.page == 2) columns.append({p.field, p.caption, false, {}, {}});
        return columns;
    };
    choices.start(someFields(), {}, pageTwo);
    choices.clickField({0, 5});
    choices.continueToSort();
    EXPECT_FALSE(choices.state().summingEnabled);  // nothing numeric printed

    choices.start(someFields(), {}, pageTwo);
    choices.clickField({0, 5});
    choices.showPage(2);
    choices.clickField({2, 1});
    choices.continueToSort();
    ASSERT_TRUE(choices.state().summingEnabled);
    choices.openSumming();
    ReportChoicesState state = choices.state();
    EXPECT_EQ(state.stage, ReportStage::Summing);
    ASSERT_EQ(state.sumColumns.size(), 1);
    EXPECT_EQ(state.availableBreaks.size(), 2);
    choices.tickTotals(0);
    choices.selectBreak({2, 1});
    choices.selectBreak({0, 5});
    choices.unselectBreak({2, 1});
    choices.processSumming();  // no mode yet
    EXPECT_EQ(choices.state().stage, ReportStage::Summing);
    EXPECT_EQ(choices.summing().mode, SummingMode::None);
    choices.chooseSummingMode(SummingMode::SumsOnly);
    choices.processSumming();
    state = choices.state();
    EXPECT_EQ(state.stage, ReportStage::SortFields);
    EXPECT_TRUE(state.outputShown);
    const ReportSumming summing = choices.summing();
    EXPECT_EQ(summing.mode, SummingMode::SumsOnly);
    EXPECT_EQ(summing.breakFields, (QList<FieldRef>{{0, 5}}));
    ASSERT_EQ(summing.columns.size(), 1);
    EXPECT_TRUE(summing.columns[0].totals);
}

}  // namespace
