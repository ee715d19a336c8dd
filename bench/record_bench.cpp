// A key-ordered walk over 100,000 header rows and the saving of whole records (a header row
// and six page rows, every field written one by one), each against plain SQLite doing the
// same work on the same data.
#include "platform/prompter.h"
#include "bench_support.h"
#include "ratio_reporter.h"
#include "store/access/record_access.h"
#include "store/files/installation.h"

#include <QDir>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::SilentPrompter;
using bench::exec;

constexpr int kHead = 11;
constexpr int kPageSlots[] = {14, 15, 16, 26, 27, 28};
constexpr int kWalkRows = 100000;
constexpr int kSavedRecords = 1000;
constexpr int kHeadFields = 26;   // key and fields up to Delta
constexpr int kPageFields = 122;  // key and fields up to the memo

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw std::runtime_error(sqlite3_errmsg(db));
}

QString recordKey(int n) { return QStringLiteral("abcwyalb%1").arg(n, 6, 10, QChar('0')) + "00000"; }

QString fieldValue(int field) { return QStringLiteral("value %1").arg(field); }

struct Store {
    Store() {
        path = QDir(dir.path()).filePath("Varnedo1.db");
        createDatabase(path);
    }
    void open() { catalogue.ReopenDataTables(dir.path(), {}); }
    QTemporaryDir dir;
    QString path;
    SilentPrompter prompter;
    TableCatalogue catalogue;
    RecordAccess access{catalogue, prompter};
};

sqlite3* openPlain(const QString& path) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr), db);
    return db;
}

Store& walkStore() {
    static Store* store = [] {
        auto* s = new Store;
        sqlite3* db = openPlain(s->path);
        sqlite3_stmt* st = nullptr;
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
        check(sqlite3_prepare_v2(db, "INSERT INTO Head (Key, First, Last, City) VALUES (?, 'Ann', ?, 'Laramie')", -1, &st, nullptr), db);
        for (int i = 0; i < kWalkRows; ++i) {
            const QByteArray key = recordKey(i).toUtf8();
            const QByteArray last = QStringLiteral("Name%1").arg(i * 7919 % kWalkRows).toUtf8();
            sqlite3_bind_text(st, 1, key.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, last.constData(), -1, SQLITE_TRANSIENT);
            check(sqlite3_step(st), db);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
        sqlite3_close(db);
        s->open();
        return s;
    }();
    return *store;
}

void Walk_ours(benchmark::State& state) {
    RecordAccess& access = walkStore().access;
    for (auto _ : state) {
        qint64 chars = 0;
        access.BeginScan(kHead);
        while (access.GetNextRec(kHead)) chars += access.GetFieldText(kHead, 0).size() + access.GetFieldText(kHead, 4).size();
        benchmark::DoNotOptimize(chars);
    }
}

void Walk_plain(benchmark::State& state) {
    sqlite3* db = openPlain(walkStore().path);
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, "SELECT Key, Last FROM Head ORDER BY Key", -1, &st, nullptr), db);
    for (auto _ : state) {
        qint64 chars = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < 2; ++c)
                chars += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                           sqlite3_column_bytes(st, c))
                             .size();
        }
        sqlite3_reset(st);
        benchmark::DoNotOptimize(chars);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

void Save_ours(benchmark::State& state) {
    Store store;
    store.open();
    RecordAccess& access = store.access;
    int next = 0;
    for (auto _ : state) {
        for (int r = 0; r < kSavedRecords; ++r) {
            const QString key = recordKey(next++);
            Transaction tx(access.database(kHead));
            access.EnsureRecord(kHead, key);
            for (int f = 1; f < kHeadFields; ++f) access.SetFieldText(kHead, f, fieldValue(f));
            for (int slot : kPageSlots) {
                access.EnsureRecord(slot, key);
                for (int f = 1; f < kPageFields; ++f) access.SetFieldText(slot, f, fieldValue(f));
            }
            tx.commit();
        }
    }
}

sqlite3_stmt* insertStatement(sqlite3* db, const char* table, int fields, int emptyAfter) {
    QString sql = QStringLiteral("INSERT INTO %1 VALUES (?").arg(table);
    for (int f = 1; f < fields; ++f) sql += ", ?";
    for (int f = 0; f < emptyAfter; ++f) sql += ", ''";
    sql += ")";
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr), db);
    return st;
}

void insertRow(sqlite3* db, sqlite3_stmt* st, const QString& key, int fields) {
    const QByteArray k = key.toUtf8();
    sqlite3_bind_text(st, 1, k.constData(), -1, SQLITE_TRANSIENT);
    for (int f = 1; f < fields; ++f) {
        const QByteArray v = fieldValue(f).toUtf8();
        sqlite3_bind_text(st, f + 1, v.constData(), -1, SQLITE_TRANSIENT);
    }
    check(sqlite3_step(st), db);
    sqlite3_reset(st);
}

void Save_plain(benchmark::State& state) {
    Store store;
    sqlite3* db = openPlain(store.path);
    sqlite3_stmt* head = insertStatement(db, "Head", kHeadFields, 4);  // Delta and the three after it
    sqlite3_stmt* pages[6];
    const char* names[] = {"Pag1", "Pag2", "Pag3", "Pag4", "Pag5", "Pag6"};
    for (int p = 0; p < 6; ++p) pages[p] = insertStatement(db, names[p], kPageFields, 1);
    int next = 0;
    for (auto _ : state) {
        for (int r = 0; r < kSavedRecords; ++r) {
            const QString key = recordKey(next++);
            check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), db);
            insertRow(db, head, key, kHeadFields);
            for (sqlite3_stmt* page : pages) insertRow(db, page, key, kPageFields);
            check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
        }
    }
    sqlite3_finalize(head);
    for (sqlite3_stmt* page : pages) sqlite3_finalize(page);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(Walk_ours)->Name("Walk100k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Walk_plain)->Name("Walk100k/plain")->Unit(benchmark::kMillisecond);
BENCHMARK(Save_ours)->Name("Save1000Records/ours")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Save_plain)->Name("Save1000Records/plain")->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
