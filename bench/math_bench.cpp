// Math operations: the step Price Times Qty Store Amount over 100,000 selected records, against
// plain prepared statements that read the two columns, multiply and update, in one transaction.
#include "bench_store.h"
#include "ratio_reporter.h"
#include "requests/math/calc_runner.h"

#include <QString>

namespace {

using namespace vn;
using bench::exec;

constexpr int kRecords = 100000;
constexpr int kPrice = 1, kQty = 2, kAmount = 3;

void fill(sqlite3* db) {
    exec(db, "BEGIN");
    const QString keys = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO %2 SELECT printf('abcwyalb%06d00000', i)")
                             .arg(kRecords - 1);
    exec(db, keys.arg("Head (Key, Last)") + ", 'Name' || i FROM n");
    exec(db, keys.arg("Pag1 (Key, Text1, Text2)") + ", (i % 50) + 1, (i % 7) + 1 FROM n");
    exec(db, "COMMIT");
}

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore(fill);
    return *s;
}

MathOperand field(int column) {
    MathOperand o;
    o.page = 1;
    o.column = column;
    return o;
}

void Calculate_ours(benchmark::State& state) {
    bench::BenchStore& s = store();
    MatchList keys;
    for (int i = 0; i < kRecords; ++i) keys << QStringLiteral("abcwyalb%1").arg(i, 6, 10, QChar('0')) + "00000";
    MathSteps steps;
    MathOperand price = field(kPrice), qty = field(kQty), amount = field(kAmount);
    price.op = MathOperator::Times;
    qty.op = MathOperator::Store;
    steps[0].operands = {price, qty, amount};
    steps[0].display = "\"Price\" Times \"Qty\" Store \"Amount\" ";
    for (auto _ : state) {
        const CalcOutcome outcome = runCalculation(s.access, "abc", keys, steps, {});
        if (outcome.records != kRecords) state.SkipWithError("records missed");
    }
}

void Calculate_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(store().path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    for (auto _ : state) {
        sqlite3_stmt* read = nullptr;
        sqlite3_stmt* write = nullptr;
        exec(db, "BEGIN");
        sqlite3_prepare_v2(db, "SELECT Key, Text1, Text2 FROM Pag1 WHERE Key >= 'abc' AND Key < 'abd'", -1, &read, nullptr);
        sqlite3_prepare_v2(db, "UPDATE Pag1 SET Text3 = ? WHERE Key = ?", -1, &write, nullptr);
        while (sqlite3_step(read) == SQLITE_ROW) {
            const qint64 product = sqlite3_column_int64(read, 1) * sqlite3_column_int64(read, 2);
            sqlite3_bind_int64(write, 1, product);
            sqlite3_bind_text(write, 2, reinterpret_cast<const char*>(sqlite3_column_text(read, 0)), -1, SQLITE_TRANSIENT);
            sqlite3_step(write);
            sqlite3_reset(write);
        }
        sqlite3_finalize(read);
        sqlite3_finalize(write);
        exec(db, "COMMIT");
    }
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(Calculate_plain)->Name("Calculate100k/plain")->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(Calculate_ours)->Name("Calculate100k/ours")->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
