// The data exchange file of 30,000 records of one list (Head, Pag1 to Pag3, a three-line memo in
// every third record): building it against plain SELECTs in key order writing the same bytes
// with fwrite; receiving it into empty tables against plain INSERT OR REPLACE of the same values
// in one transaction.
#include "bench_store.h"
#include "exchange/transfer/transfer_receive.h"
#include "exchange/transfer/transfer_send.h"
#include "ratio_reporter.h"
#include "record_fill.h"
#include "store/catalogue/slots.h"
#include "store/engine/row_stream.h"
#include "store/files/installation.h"

#include <QFile>
#include <cstdio>
#include <map>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRows = 30000;
constexpr int kMemoEvery = 3;
const QList<int> kDataSlots = {kHeadSlot, kPag1Slot, kPag2Slot, kPag3Slot, kPag4Slot, kPag5Slot, kPag6Slot, kQueuSlot, kSinfSlot, kPinfSlot};
const QList<int> kFilledSlots = {kHeadSlot, kPag1Slot, kPag2Slot, kPag3Slot};

BenchStore& source() {
    static auto* s = new BenchStore([](sqlite3* db) {
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
        insertRows(db, "Head", kHeadColumns, kRows, headValue);
        for (const char* page : {"Pag1", "Pag2", "Pag3"}) insertRows(db, page, kPageColumns, kRows, pageValues(kMemoEvery));
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    });
    return *s;
}

// The receiving office: it has the list.
BenchStore& target() {
    static auto* s = new BenchStore([](sqlite3* db) { exec(db, "INSERT INTO List (Code) VALUES ('abc')"); });
    return *s;
}

QString folder() { return source().dir.path(); }
QString ours() { return QDir(folder()).filePath("albdata.vnd"); }
QString plain() { return QDir(folder()).filePath("plain.vnd"); }

TransferRequest request() {
    TransferRequest r;
    r.kind = TransferKind::Data;
    r.ownCode = "alb";
    r.destinations = {"WY_"};
    r.listCodes = {"abc"};
    return r;
}

// The fields a data file carries of a table: 0 up to the one before Delta.
QStringList carried(int slot) {
    const TableDef& layout = schema::table(TableCatalogue::tableName(slot));
    QStringList names;
    for (const FieldDef& field : layout.fields) {
        if (field.name == "Delta") break;
        names << '"' + field.name + '"';
    }
    return names;
}

void appendValue(const char* text, int size, std::string& out) {
    for (int i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "^^";
            if (c == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
}

void writePlain(sqlite3* db, const QString& path) {
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    std::string out = "06-248 - Data Send Transmission\r\nDestinations: ~WY_~\r\nData Lists: ~abc~\r\n";
    for (int slot : kDataSlots) {
        const QStringList names = carried(slot);
        const QByteArray sql =
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(names.join(','), TableCatalogue::tableName(slot), names[0]).toUtf8();
        sqlite3_stmt* st = nullptr;
        check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
        const std::string number = std::to_string(slot) + "~";
        while (sqlite3_step(st) == SQLITE_ROW) {
            out += number;
            for (int c = 0; c < names.size(); ++c) {
                appendValue(reinterpret_cast<const char*>(sqlite3_column_text(st, c)), sqlite3_column_bytes(st, c), out);
                out += '~';
            }
            out += "\r\n";
            if (out.size() > (1u << 20)) {
                std::fwrite(out.data(), 1, out.size(), file);
                out.clear();
            }
        }
        sqlite3_finalize(st);
    }
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Build_ours(benchmark::State& state) {
    for (auto _ : state)
        if (SendTransferFile(source().access, source().prompter, folder(), request()).end != WorkEnd::Done)
            state.SkipWithError("the build failed");
    state.counters["MB"] = double(QFile(ours()).size()) / 1e6;
}

void Build_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(source().path.toUtf8().constData(), &db);
    for (auto _ : state) writePlain(db, plain());
    sqlite3_close(db);
    if (!QFile::exists(ours())) SendTransferFile(source().access, source().prompter, folder(), request());
    if (contents(ours()) != contents(plain())) state.SkipWithError("the baseline wrote other bytes");
}

void clearTables(sqlite3* db) {
    for (int slot : kFilledSlots) exec(db, "DELETE FROM " + TableCatalogue::tableName(slot));
}

void Receive_ours(benchmark::State& state) {
    if (!QFile::exists(ours())) SendTransferFile(source().access, source().prompter, folder(), request());
    Database& db = target().access.database(kHeadSlot);
    for (auto _ : state) {
        state.PauseTiming();
        for (int slot : kFilledSlots) RowWriter(db, TableCatalogue::tableName(slot)).clear();
        state.ResumeTiming();
        if (ReceiveTransferFiles(db, target().prompter, {TransferKind::Data, {ours()}, false, {}}).merged != 1)
            state.SkipWithError("the file was not merged");
    }
    for (int slot : kFilledSlots)
        if (target().access.RecordCount(slot) != kRows) state.SkipWithError("rows are missing");
}

// One statement a table: every field the line carries.
sqlite3_stmt* insertFor(sqlite3* db, int slot, int fields, std::map<std::pair<int, int>, sqlite3_stmt*>& statements) {
    sqlite3_stmt*& st = statements[{slot, fields}];
    if (st) return st;
    const QStringList names = carried(slot).mid(0, fields);
    const QByteArray sql = QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
                               .arg(TableCatalogue::tableName(slot), names.join(','), QStringList(fields, "?").join(','))
                               .toUtf8();
    check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
    return st;
}

void receivePlain(sqlite3* db, const QString& path, std::map<std::pair<int, int>, sqlite3_stmt*>& statements) {
    const QByteArray text = contents(path);
    exec(db, "BEGIN");
    QByteArray decoded;
    qsizetype at = 0;
    for (int line = 0; at < text.size(); ++line) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0) end = text.size();
        const QByteArrayView row(text.constData() + at, end - at - (end > at && text[end - 1] == '\r' ? 1 : 0));
        at = end + 1;
        if (line < 3 || row.isEmpty()) continue;
        QList<QByteArrayView> fields;
        for (qsizetype from = 0, tilde; (tilde = row.indexOf('~', from)) >= 0; from = tilde + 1) fields << row.sliced(from, tilde - from);
        const int slot = fields[0].toInt();
        sqlite3_stmt* st = insertFor(db, slot, int(fields.size() - 1), statements);
        for (int i = 1; i < fields.size(); ++i) {
            const QByteArrayView v = fields[i];
            if (v.contains("^^")) {
                decoded = v.toByteArray().replace("^^", "\r\n");
                sqlite3_bind_text(st, i, decoded.constData(), int(decoded.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_text(st, i, v.data(), int(v.size()), SQLITE_STATIC);
            }
        }
        check(sqlite3_step(st), db);
        sqlite3_reset(st);
    }
    exec(db, "COMMIT");
}

void Receive_plain(benchmark::State& state) {
    if (!QFile::exists(ours())) SendTransferFile(source().access, source().prompter, folder(), request());
    const QString path = QDir(target().dir.path()).filePath("plain.db");
    if (!QFile::exists(path)) createDatabase(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL");
    exec(db, "PRAGMA synchronous=NORMAL");
    std::map<std::pair<int, int>, sqlite3_stmt*> statements;
    for (auto _ : state) {
        state.PauseTiming();
        clearTables(db);
        state.ResumeTiming();
        receivePlain(db, ours(), statements);
    }
    for (auto& entry : statements) sqlite3_finalize(entry.second);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(Build_plain)->Name("DataFile30kBuild/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Build_ours)->Name("DataFile30kBuild/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Receive_plain)->Name("DataFile30kReceive/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Receive_ours)->Name("DataFile30kReceive/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    source();  // filled before anything is timed
    target();
    return runWithRatios(argc, argv);
}
