// Exporting a list of 30,000 records (Last, First, City and two page-one text fields) as CSV
// against the sqlite3 shell writing the same join as CSV into a file; the workbook of the same
// records is timed beside them.
#include "bench_store.h"
#include "interchange/export/export_run.h"
#include "ratio_reporter.h"
#include "record_fill.h"

#include <QProcess>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 30000;

BenchStore& store() {
    static auto* s = new BenchStore([](sqlite3* db) { fillHeadAndPage1(db, kRows, 10); });
    return *s;
}

QString path(const char* name) { return QDir(store().dir.path()).filePath(QString::fromLatin1(name)); }

ExportPlan plan(ExportFormat format, const char* name) {
    ExportPlan p;
    p.listCode = QStringLiteral("abc");
    p.order = {{"Last", {0, 4}}, {"First", {0, 2}}, {"City", {0, 13}}, {"Text 1", {1, 1}}, {"Text 2", {1, 2}}};
    p.format = format;
    p.path = path(name);
    return p;
}

void exportAs(benchmark::State& state, ExportFormat format, const char* name) {
    ExportSummary summary;
    QString failure;
    for (auto _ : state)
        if (exportList(store().access, plan(format, name), {}, summary, failure) != WorkEnd::Done)
            state.SkipWithError("the export failed");
    if (summary.records != kRows) state.SkipWithError("records are missing");
}

void Csv_ours(benchmark::State& state) { exportAs(state, ExportFormat::Csv, "ours.csv"); }
void Xlsx_ours(benchmark::State& state) { exportAs(state, ExportFormat::Xlsx, "ours.xlsx"); }

void Csv_plain(benchmark::State& state) {
    const QStringList arguments = {QStringLiteral("-csv"), QStringLiteral("-header"), store().path,
                                   QStringLiteral("SELECT Head.Last, Head.First, Head.City, Pag1.Text1, Pag1.Text2 "
                                                  "FROM Head JOIN Pag1 ON Pag1.Key = Head.Key ORDER BY Head.Key")};
    for (auto _ : state) {
        QProcess shell;
        shell.setStandardOutputFile(path("plain.csv"));
        shell.start(QStringLiteral("sqlite3"), arguments);
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0) state.SkipWithError("the sqlite3 shell failed");
    }
}

}  // namespace

BENCHMARK(Csv_plain)->Name("ExportCsv30k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Csv_ours)->Name("ExportCsv30k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(Xlsx_ours)->Name("ExportXlsx30k/workbook")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    store();  // filled before anything is timed
    return runWithRatios(argc, argv);
}
