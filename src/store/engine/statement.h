#pragma once

// Private to the engine: the only header besides the .cpp files that sees sqlite3.h.
#include <sqlite3.h>

#include <QString>
#include <memory>
#include <string>

namespace vn {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

// A prepared statement: values are bound, never formatted into the SQL text.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);

    void bind(int index, const QString& text);
    bool step();  // true while a row is available; throws on an engine error
    void reset();
    QString text(int column) const;
    bool isNull(int column) const;
    qint64 integer(int column) const;
    int columnCount() const;
    const QString& sql() const { return m_sql; }
    sqlite3_stmt* handle() const { return m_stmt.get(); }

private:
    sqlite3* m_db;
    QString m_sql;
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> m_stmt;
    std::string m_ascii;  // the last ASCII value bound, narrowed
};

// A table or field name as SQL quotes it.
QString quotedName(const QString& name);

[[noreturn]] void throwEngineError(sqlite3* db, const QString& context, int code, const QString& sql = {});

}  // namespace vn
