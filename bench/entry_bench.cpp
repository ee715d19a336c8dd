// Opening and saving a record whose six pages are full, through the entry session, and listing
// the 20,000 records of a list by name, each against plain SQLite doing the same work.
#include "entry/session/entry_session.h"
#include "entry/session/record_listing.h"
#include "platform/prompter.h"
#include "bench_support.h"
#include "ratio_reporter.h"
#include "shell/core/session.h"
#include "store/files/installation.h"

#include <QDir>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::SilentPrompter;
using bench::exec;

constexpr int kListed = 20000;
constexpr int kOtherList = 2000;   // rows of another list that the listing must pass over
constexpr int kHeaderFields = 15;  // Title to Zip
constexpr int kColumns = 121;
const char* const kPages[] = {"Pag1", "Pag2", "Pag3", "Pag4", "Pag5", "Pag6"};
const QString kRecord = QStringLiteral("abcwyalb000000000");

sqlite3* openPlain(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    return db;
}

sqlite3_stmt* prepare(sqlite3* db, const QString& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    return st;
}

QString columnText(sqlite3_stmt* st, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, column)), sqlite3_column_bytes(st, column));
}

QString valueFor(int round, int page, int field) { return QStringLiteral("v%1 %2.%3").arg(round).arg(page).arg(field); }

// An installation with list abc (a field on every page, one full record, 20,000 named records)
// and list abd.
struct Installation {
    Installation() : session(dir.path(), prompter) {
        QDir().mkpath(session.folders.dataFolder());
        createDatabase(session.folders.databasePath());
        sqlite3* db = openPlain(session.folders.databasePath());
        exec(db, "BEGIN");
        exec(db, "INSERT INTO List (Code, Title) VALUES ('abc', 'Members'), ('abd', 'Other')");
        for (int page = 1; page <= 6; ++page)
            exec(db, QStringLiteral("INSERT INTO Fdis (Key, Active, Kind, Slot) VALUES ('abc%101', '1', '1', '1')").arg(page));
        exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Head (Key, Last, First, MI) SELECT printf('abcwyalb%04d00000', i), "
                                "'Name' || (i * 7919 % %2), 'Ann', 'Q' FROM n")
                     .arg(kListed - 1).arg(kListed));
        exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Head (Key, Last, First) SELECT printf('abdwyalb%04d00000', i), "
                                "'Other' || i, 'Bo' FROM n")
                     .arg(kOtherList - 1));
        for (const char* page : kPages) exec(db, QStringLiteral("INSERT INTO %1 (Key) VALUES ('%2')").arg(page, kRecord));
        exec(db, "COMMIT");
        sqlite3_close(db);
        session.catalogue.ReopenDataTables(session.folders.dataFolder(), {});
        session.currentListCode = "abc";
    }
    QTemporaryDir dir;
    SilentPrompter prompter;
    Session session;
};

Installation& installation() {
    static Installation* shared = new Installation;
    return *shared;
}

void OpenSave_ours(benchmark::State& state) {
    EntrySession entry(installation().session);
    int round = 0;
    for (auto _ : state) {
        entry.open(kRecord);
        ++round;
        for (int field = 1; field <= kHeaderFields; ++field) entry.setHeader(field, valueFor(round, 0, field));
        for (int page = 1; page <= 6; ++page)
            for (int column = 1; column <= kColumns; ++column) entry.setValue(page, column, valueFor(round, page, column));
        if (entry.save() != SaveOutcome::Saved) state.SkipWithError("not saved");
    }
}

// One SELECT and one UPDATE per table, every value bound.
struct PlainRecord {
    explicit PlainRecord(sqlite3* db) : db(db) {
        QStringList headerSets;
        for (int f = 1; f <= kHeaderFields; ++f) headerSets << QStringLiteral("\"%1\" = ?").arg(columnName("Head", f));
        reads.push_back(prepare(db, "SELECT * FROM Head WHERE Key = ?"));
        writes.push_back(prepare(db, "UPDATE Head SET " + headerSets.join(", ") + " WHERE Key = ?"));
        for (const char* page : kPages) {
            QStringList sets;
            for (int c = 1; c <= kColumns; ++c) sets << QStringLiteral("\"%1\" = ?").arg(columnName(page, c));
            reads.push_back(prepare(db, QStringLiteral("SELECT * FROM %1 WHERE Key = ?").arg(page)));
            writes.push_back(prepare(db, QStringLiteral("UPDATE %1 SET ").arg(page) + sets.join(", ") + " WHERE Key = ?"));
        }
    }
    ~PlainRecord() {
        for (sqlite3_stmt* st : reads) sqlite3_finalize(st);
        for (sqlite3_stmt* st : writes) sqlite3_finalize(st);
    }
    QString columnName(const char* table, int field) {
        sqlite3_stmt* st = prepare(db, QStringLiteral("SELECT name FROM pragma_table_info('%1') WHERE cid = %2").arg(table).arg(field));
        sqlite3_step(st);
        const QString name = columnText(st, 0);
        sqlite3_finalize(st);
        return name;
    }
    qint64 read(const QByteArray& key) {
        qint64 chars = 0;
        for (sqlite3_stmt* st : reads) {
            sqlite3_bind_text(st, 1, key.constData(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(st) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(st); ++c) chars += columnText(st, c).size();
            sqlite3_reset(st);
        }
        return chars;
    }
    void write(const QByteArray& key, int round) {
        exec(db, "BEGIN IMMEDIATE");
        for (int t = 0; t < int(writes.size()); ++t) {
            sqlite3_stmt* st = writes[t];
            const int fields = t == 0 ? kHeaderFields : kColumns;
            for (int f = 1; f <= fields; ++f) {
                const QByteArray v = valueFor(round, t, f).toUtf8();
                sqlite3_bind_text(st, f, v.constData(), -1, SQLITE_TRANSIENT);
            }
            sqlite3_bind_text(st, fields + 1, key.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        exec(db, "COMMIT");
    }
    sqlite3* db;
    std::vector<sqlite3_stmt*> reads;
    std::vector<sqlite3_stmt*> writes;
};

void OpenSave_plain(benchmark::State& state) {
    sqlite3* db = openPlain(installation().session.folders.databasePath());
    {
        PlainRecord record(db);
        const QByteArray key = kRecord.toUtf8();
        int round = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(record.read(key));
            record.write(key, ++round);
        }
    }
    sqlite3_close(db);
}

void ListByName_ours(benchmark::State& state) {
    RecordListing listing(installation().session.access);
    for (auto _ : state) {
        const QList<ListingEntry> entries = listing.list("abc", ListingOrder::ByName);
        if (entries.size() != kListed) state.SkipWithError("wrong count");
    }
}

void ListByName_plain(benchmark::State& state) {
    sqlite3* db = openPlain(installation().session.folders.databasePath());
    sqlite3_stmt* st = prepare(db, "SELECT Key, Last, First, MI FROM Head WHERE Key >= 'abc' AND Key < 'abd' "
                                   "ORDER BY Last, First, Key");
    for (auto _ : state) {
        QList<ListingEntry> entries;
        while (sqlite3_step(st) == SQLITE_ROW) {
            const QString key = columnText(st, 0);
            const QString last = columnText(st, 1);
            entries.append({key, recordEntryText(key, last, columnText(st, 2), columnText(st, 3)), last});
        }
        sqlite3_reset(st);
        if (entries.size() != kListed) state.SkipWithError("wrong count");
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(OpenSave_ours)->Name("OpenSaveFullRecord/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSave_plain)->Name("OpenSaveFullRecord/plain")->Unit(benchmark::kMillisecond);
BENCHMARK(ListByName_ours)->Name("ListByName20k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(ListByName_plain)->Name("ListByName20k/plain")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
