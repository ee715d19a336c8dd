#include "store/engine/row_stream.h"

#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"

namespace vn {

namespace {

// Enough for every combination of fields a real file brings; more are prepared again.
constexpr std::size_t kStatementLimit = 64;

void bindBytes(Statement& st, int index, QByteArrayView bytes) {
    // An empty view may have no data pointer; SQLite would read that as NULL.
    const char* data = bytes.isEmpty() ? "" : bytes.data();
    const int rc = sqlite3_bind_text(st.handle(), index, data, int(bytes.size()), SQLITE_STATIC);
    if (rc != SQLITE_OK) throwEngineError(sqlite3_db_handle(st.handle()), {}, rc, st.sql());
}

}  // namespace

RowStream::RowStream(Database& db, const QString& table, int columnCount) : m_columns(columnCount) {
    const TableDef layout = db.describe(table);
    if (columnCount < 1 || columnCount > layout.fields.size())
        throw StoreError(QStringLiteral("Table %1 has no %2 fields to read.").arg(table).arg(columnCount));
    QStringList columns;
    for (int i = 0; i < columnCount; ++i) columns << quotedName(layout.fields[i].name);
    db.flushPending();
    m_statement = std::make_unique<Statement>(
        db.handle(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columns.join(", "), quotedName(table), columns[0]));
}

RowStream::~RowStream() = default;

bool RowStream::next() { return m_statement->step(); }

QByteArrayView RowStream::value(int column) const {
    sqlite3_stmt* st = m_statement->handle();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    return data ? QByteArrayView(data, sqlite3_column_bytes(st, column)) : QByteArrayView();
}

RowWriter::RowWriter(Database& db, const QString& table) : m_db(db), m_table(table) {
    for (const FieldDef& field : db.describe(table).fields) m_columns << quotedName(field.name);
    // Cursors on the table read its rows again once they are written.
    m_db.flushPending();
    m_db.aboutToWrite(m_table, nullptr);
}

RowWriter::~RowWriter() { m_db.aboutToWrite(m_table, nullptr); }

Statement& RowWriter::statementFor(Values values) {
    std::string shape;
    for (const auto& [field, value] : values) {
        if (field < 1 || field >= m_columns.size())
            throw StoreError(QStringLiteral("Field number %1 is out of range for table %2.").arg(field).arg(m_table));
        shape += std::to_string(field) + ',';
    }
    auto found = m_statements.find(shape);
    if (found != m_statements.end()) return *found->second;
    QStringList columns{m_columns[0]};
    QStringList updates;
    for (const auto& entry : values) {
        const QString& column = m_columns[entry.first];
        columns << column;
        updates << column + QStringLiteral(" = excluded.") + column;
    }
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quotedName(m_table), columns.join(", "), QStringList(columns.size(), QStringLiteral("?")).join(", "));
    sql += updates.isEmpty() ? QStringLiteral(" ON CONFLICT DO NOTHING")
                             : QStringLiteral(" ON CONFLICT (%1) DO UPDATE SET %2").arg(m_columns[0], updates.join(", "));
    if (m_statements.size() >= kStatementLimit) m_statements.clear();
    return *m_statements.emplace(shape, std::make_unique<Statement>(m_db.handle(), sql)).first->second;
}

void RowWriter::write(QByteArrayView key, Values values) {
    Statement& st = statementFor(values);
    bindBytes(st, 1, key);
    int index = 2;
    for (const auto& entry : values) bindBytes(st, index++, entry.second);
    st.step();
    sqlite3_reset(st.handle());
}

qint64 RowWriter::clear() {
    Statement st(m_db.handle(), QStringLiteral("DELETE FROM %1").arg(quotedName(m_table)));
    st.step();
    return sqlite3_changes(m_db.handle());
}

}  // namespace vn
