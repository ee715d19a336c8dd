// A backup of 100,000 header rows and 100,000 full page-one rows (one in ten with a three-line
// memo) against the sqlite3 shell dumping the same two tables into a file; then "Clear and
// Restore" of that backup against the shell replaying the dump into an empty database.
#include "bench_store.h"
#include "record_fill.h"
#include "exchange/backup/backup_restore.h"
#include "exchange/backup/backup_writer.h"
#include "ratio_reporter.h"
#include "store/catalogue/slots.h"

#include <QFile>
#include <QProcess>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 100000;
constexpr int kMemoEvery = 10;

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore([](sqlite3* db) {
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
        insertRows(db, "Head", kHeadColumns, kRows, headValue);
        insertRows(db, "Pag1", kPageColumns, kRows, pageValues(kMemoEvery));
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    });
    return *s;
}

QString path(const char* name) { return QDir(store().dir.path()).filePath(QString::fromLatin1(name)); }

BackupRequest request() {
    BackupRequest r;
    r.tableSlots = {kHeadSlot, kPag1Slot};
    r.source = {"Wyoming", "alb", "Albany"};
    return r;
}

void runShell(benchmark::State& state, const QStringList& arguments, const QString& input, const QString& output) {
    QProcess shell;
    if (!input.isEmpty()) shell.setStandardInputFile(input);
    if (!output.isEmpty()) shell.setStandardOutputFile(output);
    shell.start(QStringLiteral("sqlite3"), arguments);
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0) state.SkipWithError("the sqlite3 shell failed");
}

void Backup_ours(benchmark::State& state) {
    for (auto _ : state)
        if (WriteBackup(store().access, store().prompter, path("vnBack.txt"), request()) != WorkEnd::Done)
            state.SkipWithError("the backup failed");
    state.counters["MB"] = double(QFile(path("vnBack.txt")).size()) / 1e6;
}

void Backup_plain(benchmark::State& state) {
    for (auto _ : state) runShell(state, {store().path, ".dump Head Pag1"}, {}, path("dump.sql"));
    state.counters["MB"] = double(QFile(path("dump.sql")).size()) / 1e6;
}

void Restore_ours(benchmark::State& state) {
    if (!QFile::exists(path("vnBack.txt"))) WriteBackup(store().access, store().prompter, path("vnBack.txt"), request());
    for (auto _ : state)
        if (RestoreBackup(store().access.database(kHeadSlot), store().prompter, path("vnBack.txt"), RestoreMode::ClearFirst) !=
            WorkEnd::Done)
            state.SkipWithError("the restore failed");
    if (store().access.RecordCount(kHeadSlot) != kRows || store().access.RecordCount(kPag1Slot) != kRows)
        state.SkipWithError("rows were not restored");
    state.counters["rows"] = double(store().access.RecordCount(kHeadSlot) + store().access.RecordCount(kPag1Slot));
}

void Restore_plain(benchmark::State& state) {
    if (!QFile::exists(path("dump.sql"))) runShell(state, {store().path, ".dump Head Pag1"}, {}, path("dump.sql"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path("empty.db"));
        state.ResumeTiming();
        runShell(state, {path("empty.db")}, path("dump.sql"), {});
    }
}

}  // namespace

BENCHMARK(Backup_plain)->Name("Backup100kHead100kPag1/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Backup_ours)->Name("Backup100kHead100kPag1/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Restore_plain)->Name("ClearAndRestore/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Restore_ours)->Name("ClearAndRestore/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    store();  // filled before anything is timed
    return runWithRatios(argc, argv);
}
