#include "store/engine/statement.h"

#include "store/engine/store_error.h"

namespace vn {

QString quotedName(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

namespace {

// Errors about the file itself say which file: the user has to find it.
bool concernsTheFile(int code) {
    switch (code & 0xff) {
    case SQLITE_CORRUPT: case SQLITE_NOTADB: case SQLITE_IOERR: case SQLITE_CANTOPEN:
    case SQLITE_FULL: case SQLITE_READONLY: case SQLITE_PERM: case SQLITE_TOOBIG:
        return true;
    default:
        return false;
    }
}

QString engineMessage(sqlite3* db, int code) {
    const QString engine = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    if (!file || !*file || !concernsTheFile(code)) return engine;
    return QString::fromUtf8(file) + QStringLiteral(": ") + engine;
}

}  // namespace

void throwEngineError(sqlite3* db, const QString& context, int code, const QString& sql) {
    const QString engine = engineMessage(db, code);
    throw StoreError(context.isEmpty() ? engine : context + ": " + engine, code, sql);
}

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) throwEngineError(db, {}, rc, sql);
    m_stmt.reset(stmt);
}

// Most values are ASCII: those are narrowed into a buffer the statement keeps, so a bulk of
// rows binds without an allocation a value. SQLite copies the bytes before the call returns.
void Statement::bind(int index, const QString& text) {
    const qsizetype size = text.size();
    const ushort* units = text.utf16();
    m_ascii.resize(std::size_t(size));
    qsizetype i = 0;
    for (; i < size && units[i] < 0x80; ++i) m_ascii[std::size_t(i)] = char(units[i]);
    int rc;
    if (i == size) {
        rc = sqlite3_bind_text(m_stmt.get(), index, m_ascii.data(), int(size), SQLITE_TRANSIENT);
    } else {
        const QByteArray utf8 = text.toUtf8();
        rc = sqlite3_bind_text(m_stmt.get(), index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) throwEngineError(m_db, {}, rc, m_sql);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(m_stmt.get());
    throwEngineError(m_db, {}, rc, m_sql);
}

void Statement::reset() {
    sqlite3_reset(m_stmt.get());
    sqlite3_clear_bindings(m_stmt.get());
}

QString Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt.get(), column));
    if (!data) return {};
    return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt.get(), column));
}

bool Statement::isNull(int column) const { return sqlite3_column_type(m_stmt.get(), column) == SQLITE_NULL; }

qint64 Statement::integer(int column) const { return sqlite3_column_int64(m_stmt.get(), column); }

int Statement::columnCount() const { return sqlite3_column_count(m_stmt.get()); }

}  // namespace vn
