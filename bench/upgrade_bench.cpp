// A table layout upgrade of Pag1 with 100,000 rows (122 fields in the new layout, 50 of them new,
// a third of the old ones filled): the whole database copied and kept, then the copy by field name
// into the new layout, in one transaction with the markers. The baseline is the SQLite backup API
// plus CREATE TABLE, INSERT ... SELECT, DROP and RENAME in one transaction through plain statements.
// Each run starts from the same database file, copied in while the clock is stopped.
#include "bench_support.h"
#include "ratio_reporter.h"
#include "record_fill.h"
#include "store/engine/database.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"
#include "store/upgrades/table_upgrade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 100000;
constexpr int kAddedFields = 50;

QString path(const QString& name) { return runPath(name); }

// Pag1 before the last fifty fields were added.
TableDef olderPag1() {
    TableDef def = schema::table(QStringLiteral("Pag1"));
    def.fields.resize(def.fields.size() - kAddedFields);
    def.indexes.clear();
    return def;
}

// The database every run starts from, and the new layout's file in Changes.
void prepare() {
    createDatabase(path("start.db"));
    {
        auto db = Database::open(path("start.db"));
        db->execute(QStringLiteral("DROP TABLE Pag1"));
        db->createTable(olderPag1());
    }
    sqlite3* db = nullptr;
    sqlite3_open(path("start.db").toUtf8().constData(), &db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    insertRows(db, "Pag1", int(olderPag1().fields.size()), kRows, [](int field, int row) -> QByteArray {
        if (field % 3 != 1) return {};
        return fitted("Pag1", field, QStringLiteral("Value %1 of %2").arg(field).arg(row));
    });
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
    QDir().mkpath(path("Changes"));
    Database::create(path("Changes/Pag1.db"))->createTable(schema::table(QStringLiteral("Pag1")));
}

// A fresh copy of the start database, made while the clock is stopped.
void freshLive(benchmark::State& state) {
    state.PauseTiming();
    QFile::remove(path("live.db"));
    QDir(path("kept")).removeRecursively();
    QDir().mkpath(path("kept"));
    if (!QFile::copy(path("start.db"), path("live.db"))) state.SkipWithError("cannot copy the start database");
    state.ResumeTiming();
}

void Upgrade_ours(benchmark::State& state) {
    qint64 rows = 0;
    for (auto _ : state) {
        freshLive(state);
        auto live = Database::open(path("live.db"));
        TableUpgrade upgrade{QStringLiteral("Pag1"), path("Changes/Pag1.db"), path("kept"), {{"TPag1081604", "Add 50 new fields"}}, QDateTime::currentDateTime(), {}};
        rows = upgradeTable(*live, upgrade).rows;
    }
    if (rows != kRows) state.SkipWithError("rows were not copied");
    state.counters["rows"] = double(rows);
}

void Upgrade_plain(benchmark::State& state) {
    const TableDef from = olderPag1();
    const TableDef& to = schema::table(QStringLiteral("Pag1"));
    QStringList columns, names;
    for (qsizetype i = 0; i < to.fields.size(); ++i)
        columns << QStringLiteral("\"%1\" VARCHAR(%2) NOT NULL%3")
                       .arg(to.fields[i].name)
                       .arg(to.fields[i].size)
                       .arg(i == 0 ? QStringLiteral(" PRIMARY KEY") : QStringLiteral(" DEFAULT ''"));
    for (const FieldDef& f : from.fields) names << QStringLiteral("\"%1\"").arg(f.name);
    const QString copy = QStringLiteral("BEGIN; CREATE TABLE Pag1_new (%1) WITHOUT ROWID; "
                                        "INSERT INTO Pag1_new (%2) SELECT %2 FROM Pag1; DROP TABLE Pag1; "
                                        "ALTER TABLE Pag1_new RENAME TO Pag1; COMMIT;")
                             .arg(columns.join(", "), names.join(", "));
    for (auto _ : state) {
        freshLive(state);
        sqlite3* db = nullptr;
        sqlite3* kept = nullptr;
        sqlite3_open(path("live.db").toUtf8().constData(), &db);
        sqlite3_open(path("kept/Varnedo1.db").toUtf8().constData(), &kept);
        sqlite3_backup* backup = sqlite3_backup_init(kept, "main", db, "main");
        sqlite3_backup_step(backup, -1);
        check(sqlite3_backup_finish(backup), kept);
        sqlite3_close(kept);
        exec(db, copy);
        sqlite3_close(db);
    }
}

}  // namespace

BENCHMARK(Upgrade_plain)->Name("UpgradePag1_100k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Upgrade_ours)->Name("UpgradePag1_100k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    prepare();  // made before anything is timed
    return runWithRatios(argc, argv);
}
