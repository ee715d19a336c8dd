// Packing the data tables with 200,000 Head rows and 200,000 Pag1 rows, a tenth of each holding a
// key and nothing else: the damage check, the empty rows deleted in one transaction and the file
// rewritten. The baselines are the same DELETE statements in one transaction and VACUUM through
// plain SQLite, once without and once after SQLite's own integrity check (the pack refuses a
// damaged file first). Each run starts from the same database file, copied in while the clock is
// stopped.
#include "bench_store.h"
#include "ratio_reporter.h"
#include "record_fill.h"
#include "setup/maintenance/table_packing.h"
#include "store/catalogue/table_catalogue.h"
#include "store/schema/schema.h"

#include <QFile>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 200000;
constexpr int kEmptyEvery = 10;

QString path(const QString& name) { return runPath(name); }

// Every tenth row keeps its key only.
template <typename Values>
auto withEmptyRows(Values values) {
    return [values](int field, int row) -> QByteArray { return row % kEmptyEvery == 0 ? QByteArray() : values(field, row); };
}

void prepare() {
    QDir().mkpath(path("start"));
    bench::createFilledDatabase(path("start/Varnedo1.db"), [](sqlite3* db) {
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
        insertRows(db, "Head", kHeadColumns, kRows, withEmptyRows(headValue));
        insertRows(db, "Pag1", kPageColumns, kRows, withEmptyRows(pageValues(20)));
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    });
}

// A fresh copy of the start database in "live", made while the clock is stopped.
QString freshLive(benchmark::State& state) {
    state.PauseTiming();
    QDir(path("live")).removeRecursively();
    QDir().mkpath(path("live"));
    if (!QFile::copy(path("start/Varnedo1.db"), path("live/Varnedo1.db")))
        state.SkipWithError("cannot copy the start database");
    state.ResumeTiming();
    return path("live");
}

// The statements the pack runs, written out for plain SQLite.
QString plainDeletes() {
    QString sql = QStringLiteral("BEGIN IMMEDIATE;");
    for (int slot = TableCatalogue::kFirstDataSlot; slot <= TableCatalogue::kLastDataSlot; ++slot) {
        const TableDef& def = schema::table(TableCatalogue::tableName(slot));
        QStringList empty;
        for (qsizetype f = 1; f < def.fields.size(); ++f) empty << QStringLiteral("\"%1\" = ''").arg(def.fields[f].name);
        QString where = QStringLiteral("\"%1\" = ''").arg(def.fields[0].name);
        if (TableCatalogue::shortName(slot) != QStringLiteral("Selc")) where += " OR (" + empty.join(" AND ") + ")";
        sql += QStringLiteral("DELETE FROM \"%1\" WHERE %2;").arg(def.name, where);
    }
    return sql + QStringLiteral("COMMIT; VACUUM;");
}

void Pack_ours(benchmark::State& state) {
    qint64 kept = 0;
    for (auto _ : state) {
        const QString folder = freshLive(state);
        SilentPrompter prompter;
        TableCatalogue catalogue;
        RecordAccess access{catalogue, prompter};
        catalogue.ReopenDataTables(folder, {});
        kept = 0;
        for (const PackedTable& t : packDataTables(access, {}).tables) kept += t.kept;
    }
    state.counters["kept"] = double(kept);
}

void runPlain(benchmark::State& state, bool checkFirst) {
    const QString sql = plainDeletes();
    for (auto _ : state) {
        const QString folder = freshLive(state);
        sqlite3* db = nullptr;
        sqlite3_open(QDir(folder).filePath("Varnedo1.db").toUtf8().constData(), &db);
        exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
        if (checkFirst) exec(db, "PRAGMA integrity_check;");
        exec(db, sql);
        sqlite3_close(db);
    }
}

void Pack_plain(benchmark::State& state) { runPlain(state, false); }
void PackChecked_plain(benchmark::State& state) { runPlain(state, true); }

}  // namespace

BENCHMARK(Pack_plain)->Name("Pack400k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Pack_ours)->Name("Pack400k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(PackChecked_plain)->Name("PackChecked400k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Pack_ours)->Name("PackChecked400k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    prepare();  // made before anything is timed
    return runWithRatios(argc, argv);
}
