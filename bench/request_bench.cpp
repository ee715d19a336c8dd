// Evaluating a five-condition request (two header fields, one of them with a wild card, two
// fields of page 1 and the memo of page 3) over the 100,000 records of one list in a Head of
// 200,000 rows, against the plain SQL join that counts the same records.
#include "bench_store.h"
#include "lists/definitions/definition_cache.h"
#include "ratio_reporter.h"
#include "requests/evaluation/evaluation.h"

#include <QDir>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::exec;

constexpr int kListRecords = 100000;
constexpr int kOtherRecords = 50000;  // of each of two other lists, one before and one after

// Every record has rows in Head, Pag1, Pag2 and Pag3; the list "abc" has a text field and a
// check box on page 1 and a memo on page 3.
void fill(sqlite3* db) {
    exec(db, "BEGIN");
    const QString numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
    for (const auto& [code, count] : {std::pair{"aab", kOtherRecords}, std::pair{"abc", kListRecords},
                                      std::pair{"abd", kOtherRecords}}) {
        const QString keys = numbers.arg(count - 1) + QStringLiteral("INSERT INTO %1 SELECT printf('%2wyalb%04d00000', i)");
        exec(db, keys.arg("Head (Key, First, Last, City, Email)", code) +
                     ", 'Ann', char(65 + i % 26) || 'ame' || (i % 97), CASE i % 3 WHEN 0 THEN 'Laramie' ELSE 'Casper' END, "
                     "CASE i % 2 WHEN 0 THEN 'a' || i || '@example.org' ELSE '' END FROM n");
        exec(db, keys.arg("Pag1 (Key, Text1, Check1)", code) +
                     ", printf('%05d', i * 7919 % 100000), CASE i % 4 WHEN 0 THEN '1' WHEN 1 THEN '0' ELSE '' END FROM n");
        exec(db, keys.arg("Pag2 (Key, Text1)", code) + ", 'second page' FROM n");
        exec(db, keys.arg("Pag3 (Key, Memo)", code) +
                     ", 'The quick brown fox ' || CASE i % 5 WHEN 0 THEN 'Concatenates' ELSE 'jumps' END || "
                     "' over the lazy dog, and the dog minds it not in the least, day after day after day.' FROM n");
    }
    exec(db, "INSERT INTO Fdis (Key, Active, Kind, Slot) VALUES ('abc101', '1', '1', '1'), ('abc102', '1', '3', '1'), "
             "('abc301', '1', '2', '0')");
    exec(db, "COMMIT");
}

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore(fill);
    return *s;
}

// ((Last >= "M*" AND City = "laramie") OR (Text 1 < "5" AND Check 1 = "0")) AND Memo "cat"
SqlRequest request() {
    using enum CompareOp;
    using enum Connector;
    SqlRequest r;
    r.listCode = "abc";
    r.displayText = "LBCount Records with ...";
    // "(", field, identifier, operator, target, ")", connector, definition position and page
    r.conditions = {{2, {0, 5}, {}, GreaterOrEqual, "M*", 0, And, 0, 0},
                    {0, {0, 14}, {}, Equal, "laramie", 1, Or, 0, 0},
                    {1, {1, 2}, "abc101", Less, "5", 0, And, 0, 0},
                    {0, {1, 22}, "abc102", Equal, "0", 2, And, 0, 0},
                    {0, {3, 122}, "abc301", Equal, "cat", 0, None, 0, 0}};
    return r;
}

const char* const kPlainCount =
    "SELECT count(*) FROM Head h LEFT JOIN Pag1 p1 ON p1.Key = h.Key LEFT JOIN Pag3 p3 ON p3.Key = h.Key "
    "WHERE h.Key LIKE 'abc%' AND "
    "((upper(substr(h.Last, 1, 1)) >= 'M' AND upper(h.City) = 'LARAMIE') OR "
    " (upper(ifnull(p1.Text1, '')) < '5' AND (CASE ifnull(p1.Check1, '') WHEN '' THEN '0' ELSE upper(p1.Check1) END) = '0')) "
    "AND instr(upper(ifnull(p3.Memo, '')), 'CAT') > 0";

qint64 plainCount(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, kPlainCount, -1, &st, nullptr);
    sqlite3_step(st);
    const qint64 count = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return count;
}

void Evaluate_ours(benchmark::State& state) {
    bench::BenchStore& s = store();
    const DefinitionCache definitions = LoadDefinitions(s.access, "abc");
    const SqlRequest r = request();
    // As the window asks: told how far the walk has come.
    const EvaluationProgress progress = [](qint64 done, qint64 total) { return done <= total; };
    qint64 count = 0;
    for (auto _ : state) count = evaluateRequest(s.access, r, definitions, progress).matches.size();
    state.counters["matches"] = double(count);
}

void Evaluate_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(store().path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    qint64 count = 0;
    for (auto _ : state) count = plainCount(db);
    state.counters["matches"] = double(count);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(Evaluate_ours)->Name("Evaluate100kOf200k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Evaluate_plain)->Name("Evaluate100kOf200k/plain")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
