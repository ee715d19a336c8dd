#include "export_fixture.h"

using namespace vn;
using namespace vn::test;

namespace {

const QList<OrderEntry> kOrder = {{"Last", header(kLast)}, {"City", header(kCity)}};

struct LineFixture : ExportFixture {
    LineFixture() {
        for (const char* last : {"Adams", "Baker", "Clark"})
            addRecord(QStringLiteral("abcwyalb%1").arg(last), {{header(kLast), last}, {header(kCity), "Laramie"}});
        textPlan = plan(ExportFormat::Text, "export.vnd", kOrder);
        writeBytes(textPlan.path, "old\r\n");
    }
    ExportPlan textPlan;
};

TEST(LineByLineExport, AcceptedLinesReachTheFileSkippedOnesDoNot) {
    LineFixture f;
    LineByLineExport run(f.store.access, f.textPlan);
    QString failure;
    ASSERT_TRUE(run.open(failure)) << failure.toStdString();
    EXPECT_EQ(run.currentLine(), "Adams\tLaramie\t");
    run.accept();
    EXPECT_EQ(run.currentLine(), "Baker\tLaramie\t");
    run.skip();
    run.accept();
    EXPECT_TRUE(run.atEnd());
    EXPECT_EQ(run.currentLine(), "");
    EXPECT_EQ(fileBytes(f.textPlan.path), "old\r\n");  // nothing replaced before the run finishes
    ExportSummary summary;
    ASSERT_TRUE(run.finish(summary, failure));
    EXPECT_EQ(summary.records, 2);
    EXPECT_EQ(fileBytes(f.textPlan.path), "Adams\tLaramie\t\r\nClark\tLaramie\t\r\n");
}

TEST(LineByLineExport, ReturnMidRunKeepsTheAcceptedLines) {
    LineFixture f;
    LineByLineExport run(f.store.access, f.textPlan);
    QString failure;
    ASSERT_TRUE(run.open(failure));
    f.addRecord("abcwyalbAaron", {{header(kLast), "Aaron"}});  // after the start: not offered
    run.accept();
    EXPECT_EQ(run.currentLine(), "Baker\tLaramie\t");
    ExportSummary summary;
    ASSERT_TRUE(run.finish(summary, failure));
    EXPECT_EQ(fileBytes(f.textPlan.path), "Adams\tLaramie\t\r\n");
}

TEST(LineByLineExport, ARunNotFinishedLeavesTheOldFile) {
    LineFixture f;
    {
        LineByLineExport run(f.store.access, f.textPlan);
        QString failure;
        ASSERT_TRUE(run.open(failure));
        run.accept();
    }
    EXPECT_EQ(fileBytes(f.textPlan.path), "old\r\n");
    EXPECT_EQ(f.leftFiles(), QStringList{"export.vnd"});
}

TEST(LineByLineExport, OpenFailsWhenTheFileCannotBeCreated) {
    LineFixture f;
    ExportPlan plan = f.textPlan;
    plan.path = f.path("missing folder/export.vnd");
    LineByLineExport run(f.store.access, plan);
    QString failure;
    EXPECT_FALSE(run.open(failure));
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(run.atEnd());
}

TEST(LineByLineExport, AnEmptyListIsAtItsEndAtOnce) {
    ExportFixture f;
    LineByLineExport run(f.store.access, f.plan(ExportFormat::Text, "export.vnd", kOrder));
    QString failure;
    ASSERT_TRUE(run.open(failure));
    EXPECT_TRUE(run.atEnd());
    ExportSummary summary;
    ASSERT_TRUE(run.finish(summary, failure));
    EXPECT_EQ(fileBytes(f.path("export.vnd")), QByteArray());
}

}  // namespace
