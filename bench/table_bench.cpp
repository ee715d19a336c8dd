// dBase tables in and out of a list of 30,000 records. Import: a .dbf of five character fields read
// by our reader and imported in one transaction, against a loop reading the file at fixed offsets
// and inserting the Head and Pag1 rows by prepared statements in one transaction. Export: the same
// five fields into a new dBase table, against one join query in key order written out with fwrite.
// The Paradox export of the same records is timed beside them.
#include "bench_store.h"
#include "interchange/export/table_export_run.h"
#include "interchange/import/table_import_run.h"
#include "interchange/tables/dbase_table.h"
#include "interchange/tables/dbase_writer.h"
#include "interchange/tables/new_table_writers.h"
#include "lists/records/record_tables.h"
#include "ratio_reporter.h"
#include "record_fill.h"

#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 30000;
constexpr int kFieldWidth = 20;
const QList<FieldRef> kTargets = {{0, 4}, {0, 2}, {0, 13}, {1, 1}, {1, 2}};  // Last, First, City, two page texts

// An empty list to import into, and a filled one to export.
BenchStore& importStore() {
    static auto* s = new BenchStore([](sqlite3*) {});
    return *s;
}
BenchStore& exportStore() {
    static auto* s = new BenchStore([](sqlite3* db) { fillHeadAndPage1(db, kRows, 10); });
    return *s;
}

QString path(const char* name) { return QDir(importStore().dir.path()).filePath(QString::fromLatin1(name)); }

void writeDbf() {
    QList<DbaseFieldLayout> fields;
    for (const char* name : {"LAST", "FIRST", "CITY", "TEXT1", "TEXT2"}) fields.append({name, kFieldWidth});
    QList<QStringList> rows;
    for (int i = 0; i < kRows; ++i)
        rows.append({QStringLiteral("Lastname%1").arg(i), QStringLiteral("First %1").arg(i % 977),
                     QStringLiteral("City %1").arg(i % 40), QString::number(i * 7 % 10000), QStringLiteral("Note %1").arg(i % 31)});
    DbaseWriteCounts counts;
    QString failure;
    if (!writeDbaseTable(path("import.dbf"), fields, rows, counts, failure)) throw std::runtime_error(failure.toStdString());
}

void clearRecords() {
    RecordAccess& access = importStore().access;
    access.DeleteAllRecords(kHeadSlot, false);
    access.DeleteAllRecords(kPag1Slot, false);
    access.DeleteRecord(kParmSlot, "abc");
}

void ImportDbase_ours(benchmark::State& state) {
    ImportPlan plan{"abc", {"wy", "alb"}, 1, 0, {}};
    for (int column = 0; column < kTargets.size(); ++column) plan.mapping.map(column + 1, kTargets[column]);
    for (auto _ : state) {
        state.PauseTiming();
        clearRecords();
        state.ResumeTiming();
        ForeignProblem problem;
        const std::unique_ptr<ForeignTable> table = openDbaseTable(path("import.dbf"), problem);
        if (!table) {
            state.SkipWithError("the table was refused");
            return;
        }
        TableImportRun run(importStore().access, plan, *table, path("import.dbf"));
        if (run.importAll({}) != WorkEnd::Done) state.SkipWithError("the import failed");
    }
    if (importStore().access.RecordCount(kHeadSlot) != kRows) state.SkipWithError("records are missing");
}

// A prepared INSERT of a whole row of the table, every value bound ("" where nothing is imported).
struct RowInsert {
    RowInsert(sqlite3* db, const char* table, int columns) : values(columns) {
        QStringList marks(columns, QStringLiteral("?"));
        const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(',')).toUtf8();
        check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
    }
    ~RowInsert() { sqlite3_finalize(st); }
    void run(sqlite3* db) {
        for (std::size_t c = 0; c < values.size(); ++c) sqlite3_bind_text(st, int(c) + 1, values[c].data(), int(values[c].size()), SQLITE_STATIC);
        check(sqlite3_step(st), db);
        sqlite3_reset(st);
    }
    std::vector<std::string> values;
    sqlite3_stmt* st = nullptr;
};

std::string fieldText(const char* at, int width) {
    int size = width;
    while (size > 0 && at[size - 1] == ' ') --size;
    return std::string(at, std::size_t(size));
}

void plainImport(sqlite3* db, const QByteArray& file) {
    auto u16 = [&](int at) { return int(quint8(file[at])) | int(quint8(file[at + 1])) << 8; };
    const int rows = u16(4) | u16(6) << 16, headerSize = u16(8), recordSize = u16(10);
    RowInsert head(db, "Head", kHeadColumns), page(db, "Pag1", bench::kPageColumns);
    exec(db, "BEGIN");
    for (int row = 0; row < rows; ++row) {
        const char* record = file.constData() + headerSize + row * recordSize;
        if (record[0] == '*') continue;
        const std::string key = QStringLiteral("abcwyalb%1").arg(row + 1, 4, 10, QChar('0')).toStdString() + "00000";
        head.values[0] = page.values[0] = key;
        for (int column = 0; column < kTargets.size(); ++column) {
            RowInsert& target = kTargets[column].isHeader() ? head : page;
            target.values[std::size_t(kTargets[column].column)] = fieldText(record + 1 + column * kFieldWidth, kFieldWidth);
        }
        head.run(db);
        page.run(db);
    }
    exec(db, "COMMIT");
}

void ImportDbase_plain(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path("plain.db"));
        createDatabase(path("plain.db"));
        sqlite3* db = nullptr;
        sqlite3_open(path("plain.db").toUtf8().constData(), &db);
        state.ResumeTiming();
        QFile file(path("import.dbf"));
        if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("the file cannot be read");
        plainImport(db, file.readAll());
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

TableExportPlan exportPlan(TableFormat format, const char* name) {
    TableExportPlan plan{format, QStringLiteral("abc"), kTargets, {{QStringLiteral("Key"), kTableKeySize}}, path(name)};
    for (const char* field : {"LAST", "FIRST", "CITY", "TEXT1", "TEXT2"}) plan.tableFields.append({field, kTableValueSize});
    return plan;
}

void exportAs(benchmark::State& state, TableFormat format, const char* name) {
    const TableExportPlan plan = exportPlan(format, name);
    for (auto _ : state) {
        TableExportSummary summary;
        try {
            std::unique_ptr<NewTableWriter> empty = makeNewTableWriter(format);
            createNewTable(*empty, plan);
            std::unique_ptr<NewTableWriter> writer = makeNewTableWriter(format);
            if (exportToTable(exportStore().access, *writer, plan, {}, summary) != WorkEnd::Done) state.SkipWithError("the export failed");
        } catch (const std::exception&) {
            state.SkipWithError("the export failed");
        }
    }
}

void ExportDbase_ours(benchmark::State& state) { exportAs(state, TableFormat::Dbase, "ours.dbf"); }
void ExportParadox_ours(benchmark::State& state) { exportAs(state, TableFormat::Paradox, "ours.db"); }

// The header of a dBase III table of the key and five 30-character fields.
QByteArray plainHeader(int rows) {
    const int fields = 6, headerSize = 32 + 32 * fields + 1, recordSize = 1 + kTableKeySize + 5 * kTableValueSize;
    QByteArray header(headerSize, '\0');
    header[0] = 0x03;
    for (int i = 0; i < 4; ++i) header[4 + i] = char(rows >> (8 * i));
    header[8] = char(headerSize & 0xff), header[9] = char(headerSize >> 8);
    header[10] = char(recordSize & 0xff), header[11] = char(recordSize >> 8);
    const char* names[] = {"KEY", "LAST", "FIRST", "CITY", "TEXT1", "TEXT2"};
    for (int f = 0; f < fields; ++f) {
        char* d = header.data() + 32 + 32 * f;
        std::memcpy(d, names[f], std::strlen(names[f]));
        d[11] = 'C';
        d[16] = char(f == 0 ? kTableKeySize : kTableValueSize);
    }
    header[headerSize - 1] = 0x0D;
    return header;
}

void ExportDbase_plain(benchmark::State& state) {
    const QByteArray sql = "SELECT Head.Key, Head.Last, Head.First, Head.City, Pag1.Text1, Pag1.Text2 FROM Head "
                           "LEFT JOIN Pag1 ON Pag1.Key = Head.Key WHERE Head.Key LIKE 'abc%' ORDER BY Head.Key";
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(exportStore().path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* st = nullptr;
        check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
        FILE* out = std::fopen(path("plain.dbf").toUtf8().constData(), "wb");
        const QByteArray header = plainHeader(0);
        std::fwrite(header.constData(), 1, std::size_t(header.size()), out);
        int rows = 0;
        char record[1 + kTableKeySize + 5 * kTableValueSize];
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::memset(record, ' ', sizeof record);
            char* at = record + 1;
            for (int c = 0; c < 6; ++c) {
                const int width = c == 0 ? kTableKeySize : kTableValueSize;
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                if (text) std::memcpy(at, text, std::min<std::size_t>(std::strlen(text), std::size_t(width)));
                at += width;
            }
            std::fwrite(record, 1, sizeof record, out);
            ++rows;
        }
        std::fputc(0x1A, out);
        const QByteArray counted = plainHeader(rows);
        std::fseek(out, 0, SEEK_SET);
        std::fwrite(counted.constData(), 1, std::size_t(counted.size()), out);
        std::fclose(out);
        sqlite3_finalize(st);
        sqlite3_close(db);
        if (rows != kRows) state.SkipWithError("records are missing");
    }
}

}  // namespace

BENCHMARK(ImportDbase_plain)->Name("ImportDbase30k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(ImportDbase_ours)->Name("ImportDbase30k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(ExportDbase_plain)->Name("ExportDbase30k/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(ExportDbase_ours)->Name("ExportDbase30k/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(ExportParadox_ours)->Name("ExportParadox30k/paradox")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    writeDbf();  // the file and both lists made before anything is timed
    exportStore();
    return runWithRatios(argc, argv);
}
