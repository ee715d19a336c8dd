// "Process" of the link lists over 20,000 primary and 20,000 secondary Head rows, half of them
// matching, against plain SQL doing the same work on a copy of the same database: normalised
// names joined, the lowest primary key of each text taking its matches into a Link row.
#include "bench_support.h"
#include "bench_store.h"
#include "ratio_reporter.h"
#include "setup/links/link_run.h"
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
const char kIgnored[] = " !\"#$%&'()*+-./:;<=>?@[]^_`{}~";

// Keys abcwyal<i / 10000><i % 10000>00000. abc: "O'Name<i>" "Ann-<i>"; abd: the even ones written "ONAME<i>" "ann <i>", the odd ones other names.
QString templateDatabase() {
    static const bench::TemplateDatabase made([](sqlite3* db) {
        exec(db, QStringLiteral("BEGIN; WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Head (Key, Last, First) SELECT printf('abcwyal%d%04d00000', i / 10000, i % 10000), "
                                "'O''Name' || i, 'Ann-' || i FROM n; "
                                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Head (Key, Last, First) SELECT printf('abdwyal%d%04d00000', i / 10000, i % 10000), "
                                "CASE WHEN i % 2 = 0 THEN 'ONAME' || i ELSE 'Other' || i END, 'ann ' || i FROM n; "
                                "COMMIT")
                     .arg(kRecords - 1));
    });
    return made.path;
}

// The CTEs <name>0 .. <name>3 over the list's rows: the joined names, then nested replace()
// in groups (SQLite's parser takes only so many nested calls), upper-cased and cut last.
QString normalisedRows(const QString& name, const QString& code) {
    QString sql = QStringLiteral("%1_0 AS MATERIALIZED (SELECT Key, Last || First AS t FROM Head "
                                 "WHERE substr(Key, 1, 3) = '%2' AND length(Key) = 17)").arg(name, code);
    const QByteArray ignored(kIgnored);
    constexpr int kGroup = 10;
    for (int from = 0, stage = 1; from < ignored.size(); from += kGroup, ++stage) {
        QString text = QStringLiteral("t");
        for (const char c : ignored.mid(from, kGroup))
            text = QStringLiteral("replace(%1, '%2', '')").arg(text, c == '\'' ? QStringLiteral("''") : QString(QChar(c)));
        if (from + kGroup >= ignored.size()) text = QStringLiteral("substr(upper(%1), 1, 110)").arg(text);
        sql += QStringLiteral(", %1_%2 AS MATERIALIZED (SELECT Key, %3 AS t FROM %1_%4)").arg(name).arg(stage).arg(text).arg(stage - 1);
    }
    return sql;
}

qint64 linkRows(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM Link", -1, &st, nullptr);
    const qint64 rows = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return rows;
}

void Process_ours(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    bench::timeOnFreshTables(state, work, [](RecordAccess& access) {
        const LinkCounts counts = runLinks(access, {"abc", {"abd"}, 1});
        return counts.added == kRecords / 2 ? QString() : QStringLiteral("%1 links added").arg(counts.added);
    });
}

void Process_plain(benchmark::State& state) {
    bench::WorkCopy work(templateDatabase);
    const QString sql = QStringLiteral(
                            "WITH %1, %2, "
                            "owners AS MATERIALIZED (SELECT t, min(Key) AS Key FROM p_3 WHERE t <> '' GROUP BY t) "
                            "INSERT INTO Link (Key, Count, Position, Entries) "
                            "SELECT owners.Key || 'AA', count(*), 1, group_concat(s_3.Key, '') FROM owners "
                            "JOIN s_3 ON s_3.t = owners.t GROUP BY owners.Key")
                            .arg(normalisedRows("p", "abc"), normalisedRows("s", "abd"));
    for (auto _ : state) {
        state.PauseTiming();
        work.refresh();
        sqlite3* db = work.openPlain();
        state.ResumeTiming();
        exec(db, "BEGIN IMMEDIATE");
        exec(db, sql);
        exec(db, "COMMIT");
        state.PauseTiming();
        const qint64 rows = linkRows(db);
        sqlite3_close(db);
        state.ResumeTiming();
        if (rows != kRecords / 2) {
            state.SkipWithError(QStringLiteral("%1 link rows").arg(rows).toUtf8().constData());
            break;
        }
    }
}

}  // namespace

BENCHMARK(Process_ours)->Name("LinkProcess20k/ours")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Process_plain)->Name("LinkProcess20k/plain")->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
