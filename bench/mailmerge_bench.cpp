// "Process My Request!" of a mail merge: VNMail.dat for 50,000 matches of a 100,000-record list,
// six print fields, the label pre-order and two sort fields; against the sqlite3 shell writing
// the same ordered query as CSV to a file.
#include "ratio_reporter.h"
#include "report_data.h"
#include "requests/merge/merge_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

using namespace vn;

QString plainPath() { return QDir(bench::reportStore().dir.path()).filePath("plain.csv"); }

// 1 when the shell's file holds what ours does; the shell quotes only where a text needs it,
// and none of these texts does.
double sameContents(const QString& ours, const QString& plain) {
    QFile a(ours), b(plain);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly)) return 0;
    return a.readAll().replace("\"", "") == b.readAll() ? 1 : 0;
}

void MailMerge_ours(benchmark::State& state) {
    const QString file = bench::timeOurFile(
        state, RequestKind::MailMerge, kMergeFileName,
        [](const QString& files, const SqlRequest& r, const QList<ReportRecord>& records, Prompter& prompter) {
            writeMergeFile(files, r.printFields, records, prompter);
        });
    state.counters["same_file"] = sameContents(file, plainPath());
}

void MailMerge_plain(benchmark::State& state) {
    const QString database = bench::reportStore().path;
    for (auto _ : state) {
        QProcess shell;
        shell.setStandardOutputFile(plainPath());
        shell.start("sqlite3", {"-csv", "-header", "-newline", "\r\n", database, bench::kPlainReportQuery});
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0) state.SkipWithError("the sqlite3 shell failed");
    }
}

}  // namespace

BENCHMARK(MailMerge_plain)->Name("MailMerge50kOf100k/plain")->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(MailMerge_ours)->Name("MailMerge50kOf100k/ours")->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
