// A downloaded web data file of 20,000 records (a Head line, a Pag1 line and a two-line memo
// each) processed into empty tables, against plain INSERT OR IGNORE and UPDATE statements of the
// same values in one transaction.
#include "bench_store.h"
#include "entry/session/download_processor.h"
#include "ratio_reporter.h"
#include "record_fill.h"
#include "store/catalogue/slots.h"
#include "store/engine/row_stream.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"

#include <QFile>

namespace {

using namespace vn;
using namespace vn::bench;

constexpr int kRecords = 20000;
constexpr int kHeaderValues = 15;  // Title to Zip
constexpr int kPageValues = 20;    // the text fields of a page
constexpr int kMemoField = 121;

QByteArray downloadText() {
    QByteArray text;
    for (int r = 0; r < kRecords; ++r) {
        const QByteArray key = recordKey(r);
        text += "2S~" + key;
        for (int f = 1; f <= kHeaderValues; ++f) text += "~h" + QByteArray::number(f) + " of " + QByteArray::number(r);
        text += "~\r\n3S~" + key;
        for (int f = 1; f <= kPageValues; ++f) text += "~Text " + QByteArray::number(f) + " of " + QByteArray::number(r);
        text += "~\r\n3M~The first line of the memo~\r\n3M~and the second~\r\n";
    }
    return text;
}

BenchStore& store() {
    static auto* s = new BenchStore([](sqlite3*) {});
    return *s;
}

QString base() { return store().dir.path(); }

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) throw std::runtime_error("cannot write the file");
}

const QByteArray& text() {
    static const QByteArray t = downloadText();
    return t;
}

void Process_ours(benchmark::State& state) {
    const QString path = downloadFilePath(base(), "wy", "alb");
    Database& db = store().access.database(kHeadSlot);
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* table : {"Head", "Pag1"}) RowWriter(db, table).clear();
        writeFile(path, text());
        state.ResumeTiming();
        const DownloadResult r = ProcessDownload(store().access, base(), "wy", "alb");
        if (r.created != 2 * kRecords || r.memos != kRecords) state.SkipWithError("rows are missing");
    }
}

QStringList columns(const char* table) {
    QStringList names;
    for (const FieldDef& field : schema::table(QString::fromLatin1(table)).fields) names << '"' + field.name + '"';
    return names;
}

sqlite3_stmt* prepared(sqlite3* db, const QString& sql) {
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr), db);
    return st;
}

sqlite3_stmt* insertOrIgnore(sqlite3* db, const char* table, int values) {
    const QStringList names = columns(table).mid(0, values + 1);
    return prepared(db, QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (%3)")
                            .arg(QString::fromLatin1(table), names.join(','), QStringList(names.size(), "?").join(',')));
}

// The lines as the program reads them: a record line inserts its row, memo lines are gathered and
// set on the record line's row when the next record line comes.
void processPlain(sqlite3* db, const QString& path, sqlite3_stmt* head, sqlite3_stmt* page, sqlite3_stmt* memo) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("no file");
    const QString whole = QString::fromUtf8(f.readAll());
    exec(db, "BEGIN");
    QByteArray memoText, memoKey;
    const auto flushMemo = [&] {
        if (memoText.isEmpty()) return;
        sqlite3_bind_text(memo, 1, memoText.constData(), int(memoText.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(memo, 2, memoKey.constData(), int(memoKey.size()), SQLITE_TRANSIENT);
        check(sqlite3_step(memo), db);
        sqlite3_reset(memo);
        memoText.clear();
    };
    for (QStringView line : QStringView(whole).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty()) continue;
        const QList<QStringView> fields = line.split(u'~');
        if (fields[0].size() > 1 && fields[0][1] == u'S') {
            flushMemo();
            sqlite3_stmt* st = fields[0][0] == u'2' ? head : page;
            for (int i = 1; i < fields.size() - 1; ++i) {
                const QByteArray v = fields[i].toUtf8();
                sqlite3_bind_text(st, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
            }
            if (st == page) memoKey = fields[1].toUtf8();
            check(sqlite3_step(st), db);
            sqlite3_reset(st);
        } else {
            memoText += fields[1].toUtf8() + '\n';
        }
    }
    flushMemo();
    exec(db, "COMMIT");
    f.remove();
}

void Process_plain(benchmark::State& state) {
    const QString path = QDir(base()).filePath("plain.vnq");
    const QString dbPath = QDir(base()).filePath("plain.db");
    createDatabase(dbPath);
    sqlite3* db = nullptr;
    sqlite3_open(dbPath.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    sqlite3_stmt* head = insertOrIgnore(db, "Head", kHeaderValues);
    sqlite3_stmt* page = insertOrIgnore(db, "Pag1", kPageValues);
    sqlite3_stmt* memo = prepared(db, QStringLiteral("UPDATE Pag1 SET %1 = ? WHERE Key = ?").arg(columns("Pag1")[kMemoField]));
    for (auto _ : state) {
        state.PauseTiming();
        exec(db, "DELETE FROM Head; DELETE FROM Pag1");
        writeFile(path, text());
        state.ResumeTiming();
        processPlain(db, path, head, page, memo);
    }
    for (sqlite3_stmt* st : {head, page, memo}) sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(Process_plain)->Name("Download20kProcess/plain")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(Process_ours)->Name("Download20kProcess/ours")->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv) {
    store();
    text();
    return runWithRatios(argc, argv);
}
