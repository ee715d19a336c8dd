// "File" output of a report: VNRpt.Txt for 50,000 matches of a 100,000-record list, six print
// fields from Head and Pag1, sorted on Last and a page 1 text field; against a plain SQL join
// ordered the same way that writes the same lines to a file.
#include "report_data.h"
#include "ratio_reporter.h"
#include "requests/report/report_file.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::exec;

qint64 plainReport(sqlite3* db, const QString& path) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, bench::kPlainReportQuery, -1, &st, nullptr);
    QByteArray bytes;
    qint64 count = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < 6; ++c) bytes.append(reinterpret_cast<const char*>(sqlite3_column_text(st, c))).append('~');
        bytes.append("\r\n");
        ++count;
    }
    sqlite3_finalize(st);
    bytes.append("Records Listed:  " + QByteArray::number(count) + "~\r\n");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return count;
}

// 1 when both outputs hold the same bytes (the plain run writes its file first).
double sameFiles(const QString& ours, const QString& plain) {
    QFile a(ours), b(plain);
    return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll() ? 1 : 0;
}

void ReportFile_ours(benchmark::State& state) {
    const QString file = bench::timeOurFile(state, RequestKind::Report, kReportFileName,
                                            [](const QString& files, const SqlRequest&, const QList<ReportRecord>& records,
                                               Prompter& prompter) { writeReportFile(files, records, prompter); });
    state.counters["same_file"] = sameFiles(file, QDir(bench::reportStore().dir.path()).filePath("plain.txt"));
}

void ReportFile_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(bench::reportStore().path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    const QString path = QDir(bench::reportStore().dir.path()).filePath("plain.txt");
    qint64 count = 0;
    for (auto _ : state) count = plainReport(db, path);
    state.counters["records"] = double(count);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(ReportFile_plain)->Name("ReportFile50kOf100k/plain")->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(ReportFile_ours)->Name("ReportFile50kOf100k/ours")->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
