#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vn {

class Database;
class Statement;

// Every row of one table in key order, its first columns as UTF-8 bytes: for readers of whole
// tables (backups, exchange files), which a cursor would slow down with a text per field.
class RowStream {
public:
    RowStream(Database& db, const QString& table, int columnCount);
    ~RowStream();
    RowStream(const RowStream&) = delete;
    RowStream& operator=(const RowStream&) = delete;

    bool next();
    // Valid until the next step.
    QByteArrayView value(int column) const;
    int columnCount() const { return m_columns; }

private:
    std::unique_ptr<Statement> m_statement;
    int m_columns;
};

// Writes rows of one table by key: a new key is inserted, an existing row gets only the fields
// given and keeps the others. Values must fit their declared sizes; callers check them first.
class RowWriter {
public:
    RowWriter(Database& db, const QString& table);
    ~RowWriter();
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    // Field numbers 1 and up, each once; the values UTF-8.
    using Values = std::span<const std::pair<int, QByteArrayView>>;
    void write(QByteArrayView key, Values values);
    // Deletes every row; the number deleted.
    qint64 clear();

private:
    Statement& statementFor(Values values);

    Database& m_db;
    QString m_table;
    QStringList m_columns;  // quoted, in field order
    std::unordered_map<std::string, std::unique_ptr<Statement>> m_statements;  // by the fields written
};

}  // namespace vn
