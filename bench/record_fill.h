#pragma once

#include "bench_support.h"
#include "store/schema/schema.h"

#include <QStringList>

namespace vn::bench {

// Records of one list filled by plain SQL: header rows and full page rows, as long as real ones.
inline constexpr int kHeadFields = 26;  // the key and the fields before Delta
inline constexpr int kPageTexts = 20, kPageChecks = 40, kPageRadios = 10, kPageCells = 50;
inline constexpr int kHeadColumns = 30, kPageColumns = 123;

inline void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw std::runtime_error(sqlite3_errmsg(db));
}

inline QByteArray recordKey(int row) { return QStringLiteral("abcwyalb%1").arg(row, 9, 10, QChar('0')).toUtf8(); }

// Inserts rows 0 to rows - 1 whose fields after the key come from valueOf(field, row).
template <typename Value>
void insertRows(sqlite3* db, const char* table, int fields, int rows, Value valueOf) {
    QStringList marks(fields, QStringLiteral("?"));
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(',')).toUtf8();
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), db);
    for (int row = 0; row < rows; ++row) {
        const QByteArray k = recordKey(row);
        sqlite3_bind_text(st, 1, k.constData(), -1, SQLITE_TRANSIENT);
        for (int f = 1; f < fields; ++f) {
            const QByteArray v = valueOf(f, row);
            sqlite3_bind_text(st, f + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        }
        check(sqlite3_step(st), db);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

// Values as long as realistic, never longer than the field takes.
inline QByteArray fitted(const char* table, int field, const QString& value) {
    return value.left(schema::table(QString::fromLatin1(table)).fields[field].size).toUtf8();
}

inline QByteArray headValue(int field, int row) {
    if (field >= kHeadFields) return {};  // Delta and the fields after it
    return fitted("Head", field, QStringLiteral("h%1 of %2").arg(field).arg(row));
}

// A page row's values; every memoEvery-th row has a three-line memo.
inline auto pageValues(int memoEvery) {
    return [memoEvery](int field, int row) -> QByteArray {
        if (field <= kPageTexts) return fitted("Pag1", field, QStringLiteral("Text %1 of %2").arg(field).arg(row));
        if (field <= kPageTexts + kPageChecks) return "T";
        if (field <= kPageTexts + kPageChecks + kPageRadios) return QByteArray::number(field % 9 + 1);
        if (field <= kPageTexts + kPageChecks + kPageRadios + kPageCells)
            return fitted("Pag1", field, QStringLiteral("Cell %1.%2").arg(field).arg(row % 100));
        if (field == kPageTexts + kPageChecks + kPageRadios + kPageCells + 1 && row % memoEvery == 0)
            return "The first line of the memo\r\nthe second line\r\nand the third";
        return {};
    };
}

// Head rows and full Pag1 rows 0 to rows - 1 in one transaction.
inline void fillHeadAndPage1(sqlite3* db, int rows, int memoEvery) {
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    insertRows(db, "Head", kHeadColumns, rows, headValue);
    insertRows(db, "Pag1", kPageColumns, rows, pageValues(memoEvery));
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
}

}  // namespace vn::bench
