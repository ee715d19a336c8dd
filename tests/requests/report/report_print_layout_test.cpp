#include "platform/printing/recording_sink.h"
#include "requests/report/print_report.h"
#include "requests/report/report_print_layout.h"
#include "support/pdf_text.h"
#include "support/print_job_harness.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

using Op = RecordingSink::Op;

constexpr double kWidth = 4800, kHeight = 8000, kLine = kHeight / 80;  // dots: the margin is 200
constexpr int kFirst = 3, kLast = 5, kCity = 14, kAmount = 2, kCount = 3;

PrintField field(int page, int number, int width, const QString& caption) {
    PrintField p;
    p.field = {page, number};
    p.width = width;
    p.caption = caption;
    return p;
}

SumColumn sum(int number, bool totals = true) {
    SumColumn c;
    c.field = {1, number};
    c.totals = totals;
    return c;
}

struct Drawn {
    QString text;
    QPointF at;
    bool bold;
};

struct ReportLayoutTest : ::testing::Test {
    ReportDocument report;
    RecordingSink sink{{kWidth, kHeight}};
    int skipped = 0;

    ReportLayoutTest() {
        report.displayText = "Print report: Records with \"Last\" = \"S*\" ";
        report.date = QDate(2026, 3, 9);
    }
    void add(const QStringList& values) { report.records.append({QString::number(report.records.size()), values}); }

    QList<Drawn> drawn() {
        sink.ops.clear();
        skipped = layoutReport(sink, report);
        QList<Drawn> texts;
        bool bold = false;
        for (const Op& op : sink.ops) {
            if (op.kind == Op::Font) bold = op.font.bold;
            if (op.kind == Op::Text) texts.append({op.text, op.at, bold});
        }
        return texts;
    }
    // The texts drawn at the column's x below the first page's header, rules left out.
    QStringList column(double x) {
        QStringList texts;
        bool body = false;
        for (const Drawn& d : drawn()) {
            const bool rule = d.text.startsWith(u'_');
            if (body && !rule && d.at.x() == x) texts << d.text;
            body = body || rule;
        }
        return texts;
    }
};

TEST_F(ReportLayoutTest, HeaderRequestLinesAndWrappedColumns) {
    // Widths 40, 40, 50, 10 take 1600, 1600, 2000 and 400 dots: the third passes the page's
    // width and starts a new line at the margin; the fourth follows it on that line.
    report.fields = {field(0, kFirst, 40, "First"), field(0, kLast, 40, "Last"), field(1, kAmount, 50, "Amount"),
                     field(1, kCount, 10, "Count")};
    add({"Ann", "Smith", "12", "3"});
    const QList<Drawn> texts = drawn();
    ASSERT_GE(texts.size(), 11);
    EXPECT_EQ(texts[0].text, "Varnedo SQL Report for Records " + QString(46, u' ') + "3/9/2026   Page 1");
    EXPECT_EQ(texts[0].at, QPointF(200, 0));
    EXPECT_EQ(texts[1].text, "with \"Last\" = \"S*\" ");
    EXPECT_EQ(texts[1].at, QPointF(200, 2 * kLine));
    const QList<QPointF> captions = {{200, 3 * kLine}, {1800, 3 * kLine}, {200, 4 * kLine}, {2200, 4 * kLine}};
    const QList<QPointF> values = {{200, 7 * kLine}, {1800, 7 * kLine}, {200, 8 * kLine}, {2200, 8 * kLine}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[2 + i].at, captions[i]) << i;
        EXPECT_EQ(texts[7 + i].text, QStringList({"Ann", "Smith", "12", "3"})[i]);
        EXPECT_EQ(texts[7 + i].at, values[i]) << i;
        EXPECT_EQ(texts[7 + i].bold, i < 2) << i;  // First and Last in bold
    }
    EXPECT_TRUE(texts[6].text.startsWith("____"));  // the rule under the captions
    EXPECT_EQ(texts.back().text, "Records Listed:  1");
    EXPECT_EQ(texts.back().at, QPointF(200, 11 * kLine));
}

TEST_F(ReportLayoutTest, PagesBreakWithAHeaderAndTheLegendFollowsTheCount) {
    report.fields = {field(0, kLast, 40, "Last"), field(2, 72, 10, "T:2C:1R:1")};
    report.legend = {"T:2C:1R:1  >>>  Costs / Jan / Rent"};
    for (int i = 0; i < 80; ++i) add({QStringLiteral("Name%1").arg(i), "5"});
    const QList<Drawn> texts = drawn();
    int pages = 1;
    for (const Op& op : sink.ops) pages += op.kind == Op::NewPage;
    // Page 1: records on lines 6 to 79; the step that fills it starts page 2, whose header has
    // one more line, and its records start on line 6 too.
    EXPECT_EQ(pages, 2);
    const auto at = [&](const QString& text) {
        for (const Drawn& d : texts)
            if (d.text == text) return d.at;
        return QPointF(-1, -1);
    };
    EXPECT_EQ(at("Name73"), QPointF(200, 79 * kLine));
    EXPECT_EQ(at("Name74"), QPointF(200, 6 * kLine));
    EXPECT_TRUE(at("Varnedo SQL Report for Records " + QString(46, u' ') + "3/9/2026   Page 2").y() == 0);
    EXPECT_EQ(at("Records Listed:  80"), QPointF(200, 14 * kLine));
    EXPECT_EQ(at("Table / Column / Row Names Legend:"), QPointF(200, 16 * kLine));
    EXPECT_EQ(at("T:2C:1R:1  >>>  Costs / Jan / Rent"), QPointF(200, 18 * kLine));
}

// Summing: fields Last (x 200), City (x 1800) and Amount (x 3400, numeric).
struct ReportSumsTest : ReportLayoutTest {
    ReportSumsTest() {
        report.fields = {field(0, kLast, 40, "Last"), field(0, kCity, 40, "City"), field(1, kAmount, 10, "Amount")};
        report.summing.mode = SummingMode::FullReport;
        report.summing.columns = {sum(kAmount)};
    }
    QStringList amounts() { return column(3400); }
};

TEST_F(ReportSumsTest, SubtotalsFollowTheBreakFieldsAndGrandTotalsEnd) {
    struct Case {
        const char* name;
        QList<FieldRef> breaks;
        QList<QStringList> records;
        QStringList amounts;  // record lines, subtotal rows and the grand total, in order
    } cases[] = {
        {"groups compared in upper case; 0.1 + 0.2 is 0.3",
         {{0, kLast}},
         {{"Smith", "A", "0.1"}, {"SMITH", "B", "0.2"}, {"Young", "C", "1"}},
         {"0.1", "0.2", "0.3", "1", "1", "1.3"}},
        {"two break fields: the first that changes prints one row",
         {{0, kLast}, {0, kCity}},
         {{"Smith", "A", "1"}, {"Jones", "B", "2"}, {"Jones", "B", "3"}, {"Jones", "C", "4"}},
         {"1", "1", "2", "3", "5", "4", "4", "10"}},
        {"no break field: one row at the end", {}, {{"A", "x", "1"}, {"B", "y", "2"}}, {"1", "2", "3", "3"}},
        {"a group of empty values does not merge with the next",
         {{0, kLast}},
         {{"", "A", "1"}, {"", "B", "2"}, {"Smith", "C", "4"}},
         {"1", "2", "3", "4", "4", "7"}},
        {"an empty value adds 0; a value that is not a number counts 0",
         {},
         {{"A", "x", ""}, {"B", "y", "abc"}, {"C", "z", "2.5"}},
         {"", "abc", "2.5", "2.5", "2.5"}},
    };
    for (const Case& c : cases) {
        report.summing.breakFields = c.breaks;
        report.records.clear();
        for (const QStringList& r : c.records) add(r);
        EXPECT_EQ(amounts(), c.amounts) << c.name;
    }
    EXPECT_EQ(skipped, 1);  // "abc" of the last case
}

TEST_F(ReportSumsTest, SumsOnlyShowsTheEndedGroupsBreakValue) {
    report.summing.mode = SummingMode::SumsOnly;
    report.summing.breakFields = {{0, kCity}};
    add({"Ann", "Casper", "1"});
    add({"Bob", "Casper", "2"});
    add({"Cy", "Laramie", "4"});
    EXPECT_EQ(column(1800), QStringList({"Casper", "Laramie"}));
    EXPECT_EQ(amounts(), QStringList({"3", "4", "7"}));
    EXPECT_EQ(column(200), QStringList({"Records Listed:  3"}));  // no record lines
}

TEST_F(ReportSumsTest, ASumStaysWithItsFieldWhenAnEarlierFieldIsGone) {
    report.fields.removeFirst();  // Last unticked: City now at 200, Amount at 1800
    report.summing.breakFields = {};
    add({"Casper", "2"});
    EXPECT_EQ(column(1800), QStringList({"2", "2", "2"}));
    EXPECT_EQ(column(200), QStringList({"Casper", "Records Listed:  1"}));
}

TEST_F(ReportSumsTest, AColumnWithoutTotalsPrintsZeroSubtotalsAndNoGrandTotal) {
    report.summing.columns = {sum(kAmount, false)};
    add({"A", "x", "5"});
    EXPECT_EQ(amounts(), QStringList({"5", "0"}));
}

TEST_F(ReportSumsTest, AnOverflowNeverWrapsAndIsCounted) {
    const QString big = "900000000000000";
    add({"A", "x", big});
    add({"B", "y", big});
    EXPECT_EQ(amounts(), QStringList({big, big, big, big}));
    EXPECT_EQ(skipped, 1);
}

// On a machine without printers the report is VNRpt.pdf in the Files folder.
TEST(PrintReportTest, TheReportIsWrittenAsAPdfAndSkippedValuesAreTold) {
    test::PrintJobHarness harness;
    ReportDocument report;
    report.displayText = "Print report: Records with \"Last\" = \"S*\" ";
    report.date = QDate(2026, 3, 9);
    report.fields = {field(0, kLast, 20, "Last"), field(1, kAmount, 10, "Amount")};
    report.records = {{"k1", {"Smith", "0.1"}}, {"k2", {"Young", "n/a"}}};
    report.summing.mode = SummingMode::FullReport;
    report.summing.columns = {sum(kAmount)};
    PrintJob job = harness.job();
    printReport(job, report, harness.prompter);

    const QString text = test::pdfText(harness.output("VNRpt.pdf")).simplified();
    for (const char* needle : {"Varnedo SQL Report for Records 3/9/2026 Page 1", "with \"Last\" = \"S*\"",
                                  "Last Amount", "Smith 0.1", "Young n/a", "Records Listed: 2"})
        EXPECT_TRUE(text.contains(needle)) << needle << "\n" << text.toStdString();
    ASSERT_EQ(harness.prompter.messages.size(), 2);  // the PDF named, then the warning
    EXPECT_TRUE(harness.prompter.messages[1].text.startsWith("1 value(s) in the summed columns"));
}

}  // namespace
