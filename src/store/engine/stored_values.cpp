#include "store/engine/stored_values.h"

#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

QByteArray bytesOf(sqlite3_stmt* st, int column, const void* data) {
    return QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(st, column));
}

StoredValue storedValue(sqlite3_stmt* st, int column) {
    StoredValue value;
    switch (sqlite3_column_type(st, column)) {
    case SQLITE_INTEGER: value.kind = StoredValue::Kind::Integer; value.integer = sqlite3_column_int64(st, column); break;
    case SQLITE_FLOAT: value.kind = StoredValue::Kind::Real; value.real = sqlite3_column_double(st, column); break;
    case SQLITE_TEXT:
        value.kind = StoredValue::Kind::Text;
        value.bytes = bytesOf(st, column, sqlite3_column_text(st, column));
        break;
    case SQLITE_BLOB:
        value.kind = StoredValue::Kind::Blob;
        value.bytes = bytesOf(st, column, sqlite3_column_blob(st, column));
        break;
    default: break;
    }
    return value;
}

}  // namespace

QList<DeclaredColumn> declaredColumns(Database& db, const QString& table) {
    Statement st(db.handle(), QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"));
    st.bind(1, table);
    QList<DeclaredColumn> columns;
    while (st.step()) columns.append({st.text(0), st.text(1)});
    return columns;
}

void readStoredRows(Database& db, const QString& table, const std::function<void(const QList<StoredValue>&)>& row) {
    const QList<DeclaredColumn> columns = declaredColumns(db, table);
    if (columns.isEmpty()) throw StoreError(QStringLiteral("Table %1 does not exist in %2.").arg(table, db.path()));
    QStringList names;
    for (const DeclaredColumn& column : columns) names << quotedName(column.name);
    db.flushPending();
    Statement st(db.handle(),
                 QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(names.join(", "), quotedName(table), names.first()));
    QList<StoredValue> values(columns.size());
    while (st.step()) {
        for (int i = 0; i < columns.size(); ++i) values[i] = storedValue(st.handle(), i);
        row(values);
    }
}

}  // namespace vn
