// Deleting a data list of 20,000 records and cloning a list of 80 field definitions, each against
// the plain SQL doing the same work on a copy of the same database.
#include "lists/records/list_clone.h"
#include "lists/records/list_removal.h"
#include "platform/prompter.h"
#include "bench_support.h"
#include "bench_store.h"
#include "ratio_reporter.h"
#include "store/access/record_access.h"
#include "store/files/installation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::SilentPrompter;
using bench::exec;

constexpr int kRecords = 20000;
constexpr int kDefinitions = 80;
const char* const kTables[] = {"Head", "Pag1", "Pag2", "Pag3", "Pag4", "Pag5", "Pag6"};

// abc: 20,000 records with six pages and 80 definitions; abd: a few rows that must stay.
QString templateDatabase() {
    static const bench::TemplateDatabase made([](sqlite3* db) {
        exec(db, "BEGIN");
        for (const char* table : kTables)
            exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                    "INSERT INTO %2 (Key) SELECT printf('abcwyalb%04d00000', i) FROM n; "
                                    "INSERT INTO %2 (Key) VALUES ('abdwyalb000000000')")
                         .arg(kRecords - 1).arg(table));
        exec(db, "UPDATE Head SET Last = 'Smith', First = 'Ann'");
        exec(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Fdis (Key, Active, Kind, Slot, Caption, Top, Left, Width, Height) "
                                "SELECT printf('abc%d%02d', (i - 1) / 14 + 1, (i - 1) % 14 + 1), '1', '1', i, "
                                "'Field ' || i, 10 * i, 20, 210, 21 FROM n")
                     .arg(kDefinitions));
        exec(db, "INSERT INTO List (Code, Title) VALUES ('abc', 'Members'), ('abd', 'Other')");
        exec(db, "INSERT INTO Selc (Key, Position) VALUES ('abc011Red', '0'), ('abc011Blue', '1')");
        exec(db, "COMMIT");
    });
    return made.path;
}

void DeleteList_ours(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    bench::timeOnFreshTables(state, work, [](RecordAccess& access) {
        DeleteWholeList(access, "abc");
        return QString();
    });
}

void DeleteList_plain(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    const char* const listTables[] = {"Fdis", "Tdat", "Selc", "Help", "Queu", "Pinf", "Sinf", "Link",
                                      "Head", "Pag1", "Pag2", "Pag3", "Pag4", "Pag5", "Pag6"};
    for (auto _ : state) {
        state.PauseTiming();
        work.refresh();
        sqlite3* db = work.openPlain();
        state.ResumeTiming();
        exec(db, "BEGIN IMMEDIATE; DELETE FROM List WHERE Code = 'abc'");
        for (const char* table : listTables)
            exec(db, QStringLiteral("DELETE FROM %1 WHERE Key >= 'abc' AND Key < 'abd'").arg(table));
        exec(db, "DELETE FROM Parm WHERE Key = 'abc'; COMMIT");
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

void CloneList_ours(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    bench::timeOnFreshTables(state, work, [](RecordAccess& access) {
        return CloneList(access, "abc", "xyz", "Copy").isEmpty() ? QString() : QStringLiteral("clone refused");
    });
}

void CloneList_plain(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    for (auto _ : state) {
        state.PauseTiming();
        work.refresh();
        sqlite3* db = work.openPlain();
        state.ResumeTiming();
        exec(db, "BEGIN IMMEDIATE");
        exec(db, "INSERT INTO List SELECT 'xyz', 'Copy', LastDefinition, Counter3, Counter4, Counter5, Counter6, Counter7, "
                 "Created, WebForm, Password, HeaderLink, AgencyEmail, WebHeader, Instructions, Desc, AgencyName, Expires, "
                 "Delta FROM List WHERE Code = 'abc'");
        for (const char* table : {"Fdis", "Selc", "Tdat"}) {
            QStringList cols;
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table).toUtf8().constData(), -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW) cols << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            sqlite3_finalize(st);
            cols.removeFirst();
            exec(db, QStringLiteral("INSERT INTO %1 SELECT 'xyz' || substr(Key, 4), %2 FROM %1 WHERE Key >= 'abc' AND Key < 'abd'")
                         .arg(table, cols.join(", ")));
        }
        exec(db, "COMMIT");
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(DeleteList_ours)->Name("DeleteList20k/ours")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DeleteList_plain)->Name("DeleteList20k/plain")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CloneList_ours)->Name("CloneList80/ours")->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CloneList_plain)->Name("CloneList80/plain")->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
