#pragma once

#include "store/engine/table_def.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct sqlite3;

namespace vn {

class Statement;
class Table;

// One SQLite database file holding keyed tables. Tables opened on it share the connection,
// so one transaction can span them.
class Database : public std::enable_shared_from_this<Database> {
public:
    // ReadOnly: another product's file, never written (no journal change either).
    enum class Access { Shared, Exclusive, ReadOnly };

    // Opens an existing file; a missing file is an error naming it, never a new empty file.
    static std::shared_ptr<Database> open(const QString& path, Access access = Access::Shared);
    // The longest file path, in bytes, the engine can open.
    static int longestPath();
    // Creates a new, empty database file; an existing file is an error.
    static std::shared_ptr<Database> create(const QString& path);
    // A database that lives in memory only, for checking what a file would do to the tables.
    static std::shared_ptr<Database> inMemory();

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    Access access() const { return m_access; }

    void execute(const QString& sql);
    void createTable(const TableDef& def);
    // The secondary indexes of def, named after its table.
    void createIndexes(const TableDef& def);
    bool hasTable(const QString& name) const;
    QStringList tableNames() const;
    // The layout as stored: field names, declared sizes and memo flags, secondary indexes.
    TableDef describe(const QString& table) const;
    // Before a table is dropped or renamed: every cursor's open statement is let go, so the engine
    // does not find the table in use.
    void releaseStatements();
    // Rewrites the file without free space; records and keys are unchanged.
    void pack();
    // Writes a consistent copy of the whole database: to a temporary file, fsynced, then renamed
    // over the target, so the target is always one whole copy, old or new.
    void copyTo(const QString& target);
    // Pages: every page of every table and index is read and its structure taken apart (a
    // zeroed, overwritten or missing page is found; a damaged record inside a sound page is not).
    // Quick and Full: SQLite's quick and full integrity checks.
    enum class Check { Pages, Quick, Full };
    // Empty when the file passes the check, else the engine's first finding.
    QString damage(Check depth);
    bool isIntact() { return damage(Check::Full).isEmpty(); }
    // Moves every committed change out of the write-ahead log into the file; false when another
    // connection kept part of it there.
    bool checkpoint();

    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // For the engine's cursors.
    Statement& statement(const QString& sql);
    void flushPending(const Table* except = nullptr);
    void markPending(Table* table);
    void aboutToWrite(const QString& table, const Table* writer);
    void aboutToWrite(quint64& generation, const Table* writer);  // the table's write counter
    std::shared_ptr<quint64> generationOf(const QString& table);
    void attach(Table* table);
    void detach(Table* table);
    sqlite3* handle() const { return m_db; }

private:
    Database(sqlite3* db, const QString& path, Access access);
    void dropAllStreams(bool keepRows);
    void bumpAll();

    sqlite3* m_db;
    QString m_path;
    Access m_access;
    int m_depth = 0;
    QHash<QString, std::shared_ptr<Statement>> m_statements;
    QHash<QString, std::shared_ptr<quint64>> m_generations;
    std::vector<Table*> m_tables;
    std::vector<Table*> m_pending;  // tables holding changes not yet written
};

// Runs a block as one transaction: rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db) : m_db(db) { m_db.begin(); }
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

}  // namespace vn
