#pragma once

// The data set of the report and mail-merge benchmarks: 50,000 matches of a 100,000-record
// list, six print fields from Head and Pag1, sorted on Last and a page 1 text field.
#include "bench_store.h"
#include "lists/definitions/definition_cache.h"
#include "requests/report/report_records.h"
#include "requests/request.h"

#include <QDir>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace vn::bench {

inline constexpr int kReportListRecords = 100000;

// Keys of 17 characters, 18 from record 10000 on; every record has a Head and a Pag1 row.
inline void fillReportList(sqlite3* db) {
    exec(db, "BEGIN");
    const QString keys = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO %2 SELECT printf('abcwyalb%04d00000', i)")
                             .arg(kReportListRecords - 1);
    exec(db, keys.arg("Head (Key, First, Last, City, Zip)") +
                 ", 'Ann', char(65 + i % 26) || 'ame' || (i % 97), CASE i % 3 WHEN 0 THEN 'Laramie' ELSE 'Casper' END, "
                 "printf('%05d', 82000 + i % 900) FROM n");
    exec(db, keys.arg("Pag1 (Key, Text1, Check1)") +
                 ", printf('%05d', i * 7919 % 100000), CASE i % 4 WHEN 0 THEN '1' WHEN 1 THEN '0' ELSE '' END FROM n");
    exec(db, "INSERT INTO Fdis (Key, Active, Kind, Slot) VALUES ('abc101', '1', '1', '1'), ('abc102', '1', '3', '1')");
    exec(db, "COMMIT");
}

inline BenchStore& reportStore() {
    static auto* s = new BenchStore(fillReportList);
    return *s;
}

inline PrintField reportPrintField(int page, int number, int width, const QString& caption) {
    PrintField p;
    p.field = {page, number};
    p.width = width;
    p.caption = caption;
    return p;
}

// Every other record matches; printed: Last, First, City, Zip, Text 1, Check 1.
inline SqlRequest reportRequest(RequestKind kind) {
    SqlRequest r;
    r.kind = kind;
    r.listCode = "abc";
    for (int i = 0; i < kReportListRecords; i += 2) r.matches << QStringLiteral("abcwyalb%1").arg(i, 4, 10, QChar('0')) + "00000";
    r.printFields = {reportPrintField(0, 5, 40, "Last"), reportPrintField(0, 3, 40, "First"),
                     reportPrintField(0, 14, 40, "City"), reportPrintField(0, 16, 10, "Zip"),
                     reportPrintField(1, 2, 90, "Text1"), reportPrintField(1, 22, 1, "Check1")};
    SortField last, text;
    last.field = {0, 5};
    last.width = 40;
    text.field = {1, 2};
    text.width = 90;
    r.sortFields = {last, text};
    return r;
}

// The same records, values and order in plain SQL.
inline constexpr const char* kPlainReportQuery =
    "SELECT h.Last AS Last, h.First AS First, h.City AS City, h.Zip AS Zip, ifnull(p.Text1, '') AS Text1, "
    "CASE ifnull(p.Check1, '') WHEN '1' THEN 'Checked' WHEN '' THEN 'UnChecked' WHEN '0' THEN 'UnChecked' "
    "ELSE p.Check1 END AS Check1 "
    "FROM Head h LEFT JOIN Pag1 p ON p.Key = h.Key "
    "WHERE h.Key LIKE 'abc%' AND CAST(substr(h.Key, 9, length(h.Key) - 13) AS INTEGER) % 2 = 0 "
    "ORDER BY lower(substr(h.Last, 1, 60)), lower(substr(ifnull(p.Text1, ''), 1, 60)), "
    "substr(h.Zip, 1, 10) || h.Title DESC, h.Key";  // equal sort texts: label order reversed

// Times our reading of the request's records and `write` of its file into the Files folder;
// returns the file's path.
template <typename Write>
QString timeOurFile(benchmark::State& state, RequestKind kind, const QString& fileName, Write write) {
    BenchStore& s = reportStore();
    const DefinitionCache definitions = LoadDefinitions(s.access, "abc");
    const SqlRequest r = reportRequest(kind);
    const QString files = QDir(s.dir.path()).filePath("Files");
    qint64 count = 0;
    for (auto _ : state) {
        const QList<ReportRecord> records = readReportRecords(s.access, definitions, r, LabelSort::ByZip);
        write(files, r, records, s.prompter);
        count = records.size();
    }
    state.counters["records"] = double(count);
    return QDir(files).filePath(fileName);
}

}  // namespace vn::bench
