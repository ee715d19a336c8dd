// A sibling source of 30,000 members listed by name, as the selection views list it
// (SiblingTable::list ByName), against one plain query ordering the same texts and keys.
#include "lists/siblings/sibling_table.h"
#include "ratio_reporter.h"
#include "store/engine/database.h"
#include "store/engine/table.h"

#include <QTemporaryDir>
#include <sqlite3.h>

namespace {

using namespace vn;

constexpr int kRows = 30000;
const SiblingSource& kSource = *siblingSource(1);

const QString& sourceFile() {
    static QTemporaryDir* dir = new QTemporaryDir;
    static const QString path = [] {
        const QString file = dir->filePath(QStringLiteral("Memb1.db"));
        auto db = Database::create(file);
        Transaction tx(*db);
        db->createTable(siblingTableDef(kSource));
        Table table(db, QString::fromLatin1(kSource.table));
        for (int i = 0; i < kRows; ++i) {
            table.insert(QStringLiteral("M%1").arg(i, 6, 10, QChar('0')));
            table.setText(1, QStringLiteral("Last%1").arg(i * 7919 % kRows));
            table.setText(2, QStringLiteral("First%1").arg(i % 977));
            table.post();
        }
        tx.commit();
        return file;
    }();
    return path;
}

void ListByName_ours(benchmark::State& state) {
    QString problem;
    auto table = SiblingTable::open(sourceFile(), kSource, problem);
    if (!table) {
        state.SkipWithError("the source was refused");
        return;
    }
    for (auto _ : state) {
        const QList<SiblingEntry> entries = table->list(SiblingOrder::ByName);
        if (entries.size() != kRows) state.SkipWithError("records are missing");
        benchmark::DoNotOptimize(entries.constData());
    }
}

void ListByName_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(sourceFile().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT Key, Last, First FROM Memb ORDER BY Last||'  '||First, Key", -1, &statement, nullptr);
    for (auto _ : state) {
        QList<SiblingEntry> entries;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const auto text = [statement](int column) {
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                                         sqlite3_column_bytes(statement, column));
            };
            entries.append({text(0), text(1) + QStringLiteral("  ") + text(2)});
        }
        sqlite3_reset(statement);
        if (entries.size() != kRows) state.SkipWithError("records are missing");
        benchmark::DoNotOptimize(entries.constData());
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(ListByName_plain)->Name("ListByName/plain")->Unit(benchmark::kMillisecond);
BENCHMARK(ListByName_ours)->Name("ListByName/ours")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
