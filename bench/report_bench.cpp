// "File" output of a report: VNRpt.Txt for 50,000 matches of a 100,000-record list, six print
// fields from Head and Pag1, sorted on Last and a page 1 text field; against a plain SQL join
// ordered the same way that writes the same lines to a file.
#include "bench_store.h"
#include "lists/definitions/definition_cache.h"
#include "ratio_reporter.h"
#include "requests/report/report_file.h"
#include "requests/report/report_records.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

namespace {

using namespace vn;
using bench::exec;

constexpr int kListRecords = 100000;

// Keys of 17 characters, 18 from record 10000 on; every record has a Head and a Pag1 row.
void fill(sqlite3* db) {
    exec(db, "BEGIN");
    const QString keys = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO %2 SELECT printf('abcwyalb%04d00000', i)")
                             .arg(kListRecords - 1);
    exec(db, keys.arg("Head (Key, First, Last, City, Zip)") +
                 ", 'Ann', char(65 + i % 26) || 'ame' || (i % 97), CASE i % 3 WHEN 0 THEN 'Laramie' ELSE 'Casper' END, "
                 "printf('%05d', 82000 + i % 900) FROM n");
    exec(db, keys.arg("Pag1 (Key, Text1, Check1)") +
                 ", printf('%05d', i * 7919 % 100000), CASE i % 4 WHEN 0 THEN '1' WHEN 1 THEN '0' ELSE '' END FROM n");
    exec(db, "INSERT INTO Fdis (Key, Active, Kind, Slot) VALUES ('abc101', '1', '1', '1'), ('abc102', '1', '3', '1')");
    exec(db, "COMMIT");
}

bench::BenchStore& store() {
    static auto* s = new bench::BenchStore(fill);
    return *s;
}

PrintField printField(int page, int number, int width) {
    PrintField p;
    p.field = {page, number};
    p.width = width;
    return p;
}

// Every other record matches; printed: Last, First, City, Zip, Text 1, Check 1.
SqlRequest report() {
    SqlRequest r;
    r.kind = RequestKind::Report;
    r.listCode = "abc";
    for (int i = 0; i < kListRecords; i += 2) r.matches << QStringLiteral("abcwyalb%1").arg(i, 4, 10, QChar('0')) + "00000";
    r.printFields = {printField(0, 5, 40), printField(0, 3, 40), printField(0, 14, 40),
                     printField(0, 16, 10), printField(1, 2, 90), printField(1, 22, 1)};
    SortField last, text;
    last.field = {0, 5};
    last.width = 40;
    text.field = {1, 2};
    text.width = 90;
    r.sortFields = {last, text};
    return r;
}

const char* const kPlainReport =
    "SELECT h.Last, h.First, h.City, h.Zip, ifnull(p.Text1, ''), "
    "CASE ifnull(p.Check1, '') WHEN '1' THEN 'Checked' WHEN '' THEN 'UnChecked' WHEN '0' THEN 'UnChecked' ELSE p.Check1 END "
    "FROM Head h LEFT JOIN Pag1 p ON p.Key = h.Key "
    "WHERE h.Key LIKE 'abc%' AND CAST(substr(h.Key, 9, length(h.Key) - 13) AS INTEGER) % 2 = 0 "
    "ORDER BY lower(substr(h.Last, 1, 60)), lower(substr(ifnull(p.Text1, ''), 1, 60)), "
    "substr(h.Zip, 1, 10) || h.Title DESC, h.Key";  // equal sort texts: label order reversed

qint64 plainReport(sqlite3* db, const QString& path) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, kPlainReport, -1, &st, nullptr);
    QByteArray bytes;
    qint64 count = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < 6; ++c) bytes.append(reinterpret_cast<const char*>(sqlite3_column_text(st, c))).append('~');
        bytes.append("\r\n");
        ++count;
    }
    sqlite3_finalize(st);
    bytes.append("Records Listed:  " + QByteArray::number(count) + "~\r\n");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return count;
}

// 1 when both outputs hold the same bytes (the plain run writes its file first).
double sameFiles(const QString& ours, const QString& plain) {
    QFile a(ours), b(plain);
    return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll() ? 1 : 0;
}

void ReportFile_ours(benchmark::State& state) {
    bench::BenchStore& s = store();
    const DefinitionCache definitions = LoadDefinitions(s.access, "abc");
    const SqlRequest r = report();
    const QString files = QDir(s.dir.path()).filePath("Files");
    qint64 count = 0;
    for (auto _ : state) {
        const QList<ReportRecord> records = readReportRecords(s.access, definitions, r, LabelSort::ByZip);
        writeReportFile(files, records, s.prompter);
        count = records.size();
    }
    state.counters["records"] = double(count);
    state.counters["same_file"] = sameFiles(files + "/VNRpt.Txt", QDir(s.dir.path()).filePath("plain.txt"));
}

void ReportFile_plain(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(store().path.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    const QString path = QDir(store().dir.path()).filePath("plain.txt");
    qint64 count = 0;
    for (auto _ : state) count = plainReport(db, path);
    state.counters["records"] = double(count);
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(ReportFile_plain)->Name("ReportFile50kOf100k/plain")->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(ReportFile_ours)->Name("ReportFile50kOf100k/ours")->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char** argv) { return runWithRatios(argc, argv); }
