#include "export_fixture.h"
#include "support/file_size_limit.h"

#include <functional>

using namespace vn;
using namespace vn::test;

namespace {

const QList<OrderEntry> kOrder = {{"Last", header(kLast)}, {"Memo", page(1, kMemoColumn)}};
const QByteArray kOld = "the file of the last export\r\n";

struct Format {
    ExportFormat format;
    const char* name;
};
const Format kFormats[] = {{ExportFormat::Text, "export.vnd"}, {ExportFormat::Csv, "export.csv"},
                           {ExportFormat::Xlsx, "export.xlsx"}};

// Records whose values do not compress: a workbook of them is as large as the text.
struct FilledFixture : ExportFixture {
    FilledFixture() {
        quint32 seed = 7;
        for (int i = 0; i < 40; ++i) {
            QString memo;
            for (int c = 0; c < 2000; ++c) memo += QChar('a' + (seed = seed * 1103515245 + 12345) % 26);
            addRecord(QStringLiteral("abcwyalb%1").arg(i, 9, 10, QChar('0')), {{header(kLast), "Smith"}, {page(1, kMemoColumn), memo}});
        }
    }
};

// Runs an export of each format over an old file; the run must end as expected and leave the old
// file alone, with nothing else beside it.
void expectOldFileKept(FilledFixture& f, WorkEnd expected, const std::function<WorkEnd(const ExportPlan&)>& run) {
    for (const Format& format : kFormats) {
        const ExportPlan plan = f.plan(format.format, format.name, kOrder);
        writeBytes(plan.path, kOld);
        EXPECT_EQ(run(plan), expected) << format.name;
        EXPECT_EQ(fileBytes(plan.path), kOld) << format.name;
        EXPECT_EQ(f.leftFiles(), QStringList{format.name}) << format.name;
        QFile::remove(plan.path);
    }
}

TEST(ExportFailure, AWriteFailureIsReportedAndKeepsTheOldFile) {
    FilledFixture f;
    expectOldFileKept(f, WorkEnd::Failed, [&](const ExportPlan& plan) {
        const FileSizeLimit limit(20000);
        const WorkEnd end = f.run(plan);
        EXPECT_FALSE(f.failure.isEmpty());
        return end;
    });
}

TEST(ExportFailure, CancelKeepsTheOldFile) {
    FilledFixture f;
    WorkProgress progress;
    progress.step = [](qint64 done, qint64 total) {
        EXPECT_EQ(total, 40);
        return done < 30;
    };
    expectOldFileKept(f, WorkEnd::Cancelled, [&](const ExportPlan& plan) { return f.run(plan, progress); });
}

TEST(ExportFailure, AFileThatCannotBeCreatedIsReported) {
    ExportFixture f;
    for (const Format& format : kFormats) {
        ExportPlan plan = f.plan(format.format, format.name, kOrder);
        plan.path = f.path("missing folder/") + format.name;
        EXPECT_EQ(f.run(plan), WorkEnd::Failed) << format.name;
        EXPECT_TRUE(f.failure.contains("missing folder")) << format.name;
    }
}

}  // namespace
