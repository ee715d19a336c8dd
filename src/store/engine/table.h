#pragma once

#include "store/engine/table_def.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vn {

class Database;
class Statement;

// A cursor over one keyed table: records in ascending order of field 0 (or of a selected
// secondary index), one current record, fields read and written as text.
//
// Outside a transaction every write reaches the file at once. Inside one, the changes to the
// current record are collected and written as one statement when the cursor moves, another
// table is touched, or the transaction commits; rolling back drops them.
class Table {
public:
    Table(std::shared_ptr<Database> db, const QString& name);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const QString& name() const { return m_def.name; }
    Database& database() const { return *m_db; }
    const TableDef& layout() const { return m_def; }
    int fieldCount() const { return int(m_def.fields.size()); }
    QString fieldName(int field) const;
    int fieldSize(int field) const;
    bool isMemo(int field) const;
    int fieldNumber(const QString& fieldName) const { return m_def.fieldNumber(fieldName); }

    // Empty name: the primary key. Unknown names are an error.
    void selectIndex(const QString& indexName);
    QString indexName() const;

    bool first();
    bool next();  // false at the end; the last record stays current
    // Exact lookup on the primary key. A miss leaves the first record current for reading,
    // and writes through that position are refused.
    bool findKey(const QString& key);
    bool seekNearest(const QString& key);  // first key >= key, else the last record
    bool seekAfter(const QString& key);    // first key > key; false (at end) when none
    bool hasRecord();
    bool atEnd() const { return m_atEnd; }
    bool positionedByFailedLookup() const { return m_failedLookup; }
    bool isEmpty();
    qint64 count();

    void insert(const QString& key);  // the new record becomes current
    void post();
    void remove();                    // the following record becomes current
    qint64 removeAll();
    // Keys beginning with the prefix, its first foldLength characters matched without regard to
    // ASCII case; in key order. Uses the key's order, never a scan of the table.
    QStringList keysWithPrefix(const QString& prefix, int foldLength = 0);
    qint64 countKeysWithPrefix(const QString& prefix, int foldLength = 0);
    // At most limit keys just below the given one (a null key: the table's last keys), ascending.
    QStringList keysBefore(const QString& key, int limit);
    qint64 removeKeysWithPrefix(const QString& prefix, int foldLength = 0);
    // Deletes the rows with an empty key and, unless keyedRowsStay, the rows whose other fields
    // are all empty; returns how many went. One statement, so it is whole inside a transaction.
    qint64 removeEmptyRows(bool keyedRowsStay);
    // Copies those rows under newPrefix + the rest of their key, fields 1 to lastField included
    // (later fields keep their defaults). A copy onto an existing key is a key violation and
    // copies nothing.
    qint64 copyKeysWithPrefix(const QString& prefix, int foldLength, const QString& newPrefix, int lastField);

    QString text(int field);
    // Stores the text, cut to the declared size; false when it had to be cut.
    bool setText(int field, const QString& text);
    qint64 cutCount() const { return m_cutCount; }

    // Hooks for the Database.
    bool countsWritesIn(const quint64& generation) const { return m_generation.get() == &generation; }
    bool hasPending() const { return m_pendingInsert || m_anyDirty; }
    void flush();
    void discardPending();
    void dropStream(bool keepRow);
    void leaveStreamForWrite();

private:
    enum class StreamKind { First, From, After };
    struct WriteShape {
        QString sql;
        std::vector<int> fields;  // the dirty fields, in the order of their parameters
    };
    // More sets of written fields than a table ever sees in practice; past it they are built anew.
    static constexpr std::size_t kWriteShapeLimit = 64;

    void checkField(int field) const;
    void checkWritable(const char* what);
    void resolve();
    Statement& openStream(StreamKind kind);
    void bindSortValues(Statement& st, int firstParam);
    bool stepStream();
    void loadRow(Statement& st, bool materialize);
    void loadLast();
    void reloadCurrent();
    void materialize();
    void markHot(int field);
    QString streamColumns() const;
    void becomeEmpty();
    void writeNow(int field, const QString& value);
    const WriteShape& writeShape(bool inserting);
    QString orderBy(bool descending = false) const;
    QString sortColumns() const;
    QStringList sortValues();
    bool hasKeyInRange(const QString& from, const QString& to);
    // action + " WHERE key >= from [AND key < to]" + tail, its values bound; no end when to is empty.
    Statement& rangeStatement(const QString& action, const QString& from, const QString& to, const QString& tail = {});
    template <typename Visit>
    void forEachPrefixRange(const QString& prefix, int foldLength, Visit visit);

    std::shared_ptr<Database> m_db;
    TableDef m_def;
    QString m_table;    // quoted
    QString m_key;      // quoted name of field 0
    QString m_columns;  // every field, quoted, in field order
    QStringList m_quoted;  // each field's quoted name, for the statements a write builds
    std::shared_ptr<quint64> m_generation;
    int m_index = -1;   // -1: primary key

    std::unique_ptr<Statement> m_streams[3];
    Statement* m_live = nullptr;  // the stream that holds the current row, if any

    bool m_hasRow = false;
    bool m_atEnd = false;
    bool m_failedLookup = false;
    bool m_lazyFirst = false;
    bool m_needReload = false;
    bool m_materialized = false;
    quint64 m_rowGeneration = 0;
    QString m_currentKey;
    std::vector<QString> m_values;
    std::vector<char> m_hot;          // fields a walk reads from its stream
    std::vector<int> m_streamColumn;  // field -> column of the stream, -1 when not in it

    bool m_pendingInsert = false;
    bool m_anyDirty = false;
    std::vector<char> m_dirty;
    std::string m_shapeKey;  // m_dirty with byte 0 telling an insert from an update
    std::unordered_map<std::string, WriteShape> m_writeShapes;
    QString m_missKey;
    quint64 m_missGeneration = ~quint64(0);
    qint64 m_cutCount = 0;
};

}  // namespace vn
