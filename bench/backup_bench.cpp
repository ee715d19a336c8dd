// A backup of 100,000 header rows and 100,000 full page-one rows (one in ten with a three-line
// memo) against the sqlite3 shell dumping the same two tables into a file; then "Clear and
// Restore" of that backup against the shell replaying the dump into an empty database.
#include "bench_store.h"
#include "exchange/backup/backup_restore.h"
#include "exchange/backup/backup_writer.h"
#include "ratio_reporter.h"
#include "store/catalogue/slots.h"
#include "store/schema/schema.h"

#include <QFile>
#include <QProcess>

namespace {

using namespace vn;

constexpr int kRows = 100000;
constexpr int kHeadFields = 26;  // the key and the fields before Delta
constexpr int kPageTexts = 20, kPageChecks = 40, kPageRadios = 10, kPageCells = 50;

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw std::runtime_error(sqlite3_errmsg(db));
}

QByteArray key(int row) { return QStringLiteral("abcwyalb%1").arg(row, 9, 10, QChar('0')).toUtf8(); }

// Inserts rows whose fields after the key come from valueOf(field, row).
template <typename Value>
void insertRows(sqlite3* db, const char* table, int fields, Value valueOf) {
    QStringList marks(fields, QStringLiteral("?"));
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(',')).toUtf8();
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
    for (int row = 0; row < kRows; ++row) {
        const QByteArray k = key(row);
        sqlite3_bind_text(st, 1, k.constData(), -1, SQLITE_TRANSIENT);
        for (int f = 1; f < fields; ++f) {
            const QByteArray v = valueOf(f, row);
            sqlite3_bind_text(st, f + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        check(sqlite3_step(st), db);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

// Values as long as realistic, never longer than the field takes.
QByteArray fitted(const char* table, int field, const QString& value) {
    return value.left(schema::table(QString::fromLatin1(table)).fields[field].size).toUtf8();
}

QByteArray headValue(int field, int row) {
    if (field >= kHeadFields) return {};  // Delta and the fields after it
    return fitted("Head", field, QStringLiteral("h%1 of %2").arg(field).arg(row));
}

QByteArray pageValue(int field, int row) {
    if (field <= kPageTexts) return fitted("Pag1", field, QStringLiteral("Text %1 of %2").arg(field).arg(row));
    if (field <= kPageTexts + kPageChecks) return "T";
    if (field <= kPageTexts + kPageChecks + kPageRadios) return QByteArray::number(field % 9 + 1);
    if (field <= kPageTexts + kPageChecks + kPageRadios + kPageCells)
        return fitted("Pag1", field, QStringLiteral("Cell %1.%2").arg(field).arg(row % 100));
    if (field == kPageTexts + kPageChecks + kPageRadios + kPageCells + 1 && row % 10 == 0)
        return "The first line of the memo\r\nthe second line\r\nand the third";
    return {};
}

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore([](sqlite3* db) {
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
        insertRows(db, "Head", 30, headValue);
        insertRows(db, "Pag1", 123, pageValue);
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
