#include "store/engine/table.h"

#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/engine/text_size.h"

#include <algorithm>

namespace vn {

Table::Table(std::shared_ptr<Database> db, const QString& name)
    : m_db(std::move(db)), m_def(m_db->describe(name)) {
    m_table = quotedName(m_def.name);
    m_key = quotedName(m_def.fields.value(0).name);
    for (const FieldDef& f : m_def.fields) m_quoted << quotedName(f.name);
    m_columns = m_quoted.join(", ");
    m_generation = m_db->generationOf(m_def.name);
    m_values.resize(m_def.fields.size());
    m_hot.assign(m_def.fields.size(), 0);
    m_streamColumn.assign(m_def.fields.size(), -1);
    m_hot[0] = 1;
    m_streamColumn[0] = 0;
    m_dirty.resize(m_def.fields.size(), 0);
    m_db->attach(this);
}

Table::~Table() {
    try {
        if (hasPending()) flush();
    } catch (...) {
        // A destructor cannot report; the transaction that owns the change rolls it back.
    }
    m_db->detach(this);
}

QString Table::fieldName(int field) const {
    checkField(field);
    return m_def.fields[field].name;
}

int Table::fieldSize(int field) const {
    checkField(field);
    return m_def.fields[field].size;
}

bool Table::isMemo(int field) const {
    checkField(field);
    return m_def.fields[field].memo;
}

void Table::checkField(int field) const {
    if (field < 0 || field >= fieldCount())
        throw StoreError(QStringLiteral("Field number %1 is out of range for table %2 (fields 0 to %3).")
                             .arg(field)
                             .arg(m_def.name)
                             .arg(fieldCount() - 1));
}

void Table::selectIndex(const QString& indexName) {
    int index = -1;
    if (!indexName.isEmpty()) {
        for (qsizetype i = 0; i < m_def.indexes.size() && index < 0; ++i)
            if (m_def.indexes[i].name == indexName) index = int(i);
        if (index < 0) throw StoreError(QStringLiteral("Table %1 has no index named %2.").arg(m_def.name, indexName));
    }
    if (index == m_index) return;
    dropStream(true);
    for (auto& s : m_streams) s.reset();
    m_index = index;
}

QString Table::indexName() const { return m_index < 0 ? QString() : m_def.indexes[m_index].name; }

QString Table::sortColumns() const {
    QStringList cols;
    if (m_index >= 0)
        for (int f : m_def.indexes[m_index].fields) cols << quotedName(m_def.fields[f].name);
    cols << m_key;
    return cols.join(", ");
}

QString Table::orderBy(bool descending) const {
    if (!descending) return QStringLiteral(" ORDER BY ") + sortColumns();
    return QStringLiteral(" ORDER BY ") + sortColumns().replace(QStringLiteral(","), QStringLiteral(" DESC,")) +
           QStringLiteral(" DESC");
}

QStringList Table::sortValues() {
    materialize();
    QStringList values;
    if (m_index >= 0)
        for (int f : m_def.indexes[m_index].fields) values << m_values[f];
    values << m_currentKey;
    return values;
}

// The caller replaces the current record with the stream's first row (or settles it otherwise).
Statement& Table::openStream(StreamKind kind) {
    if (m_live) {
        m_live->reset();
        m_live = nullptr;
    }
    auto& slot = m_streams[int(kind)];
    if (!slot) {
        QString where;
        if (kind == StreamKind::From) where = QStringLiteral(" WHERE %1 >= ?").arg(m_key);
        if (kind == StreamKind::After) {
            const QStringList cols = sortColumns().split(QStringLiteral(", "));
            QStringList marks;
            for (qsizetype i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
            where = QStringLiteral(" WHERE (%1) > (%2)").arg(cols.join(", "), marks.join(", "));
        }
        slot = std::make_unique<Statement>(
            m_db->handle(), QStringLiteral("SELECT %1 FROM %2").arg(streamColumns(), m_table) + where + orderBy());
    }
    slot->reset();
    return *slot;
}

void Table::bindSortValues(Statement& st, int firstParam) {
    const QStringList values = sortValues();
    for (qsizetype i = 0; i < values.size(); ++i) st.bind(firstParam + int(i), values[i]);
}

// Steps the live stream; on a row it becomes the current record.
bool Table::stepStream() {
    Statement* st = m_live;
    if (!st->step()) {
        st->reset();
        m_live = nullptr;
        return false;
    }
    loadRow(*st, false);
    m_live = st;
    return true;
}

void Table::loadRow(Statement& st, bool materializeNow) {
    m_hasRow = true;
    m_atEnd = false;
    m_failedLookup = false;
    m_lazyFirst = false;
    m_needReload = false;
    m_currentKey = st.text(0);
    m_rowGeneration = *m_generation;
    m_materialized = materializeNow;
    if (materializeNow)
        for (int i = 0; i < fieldCount(); ++i) m_values[i] = st.text(i);
}

// Walks read only the fields asked for so far; a field read for the first time is fetched
// with its row and joins the walk from the next step on.
QString Table::streamColumns() const {
    QStringList cols;
    for (int i = 0; i < fieldCount(); ++i)
        if (m_hot[i]) cols << quotedName(m_def.fields[i].name);
    return cols.join(", ");
}

void Table::markHot(int field) {
    materialize();
    if (m_live) {
        m_live->reset();
        m_live = nullptr;
    }
    m_hot[field] = 1;
    for (auto& s : m_streams) s.reset();
    int column = 0;
    for (int i = 0; i < fieldCount(); ++i) m_streamColumn[i] = m_hot[i] ? column++ : -1;
}

void Table::materialize() {
    if (!m_hasRow || m_materialized || !m_live) return;
    if (std::all_of(m_hot.begin(), m_hot.end(), [](char h) { return h != 0; })) {
        for (int i = 0; i < fieldCount(); ++i) m_values[i] = m_live->text(i);
    } else {
        Statement& st = m_db->statement(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(m_columns, m_table, m_key));
        st.bind(1, m_currentKey);
        const bool found = st.step();
        for (int i = 0; i < fieldCount(); ++i) m_values[i] = found ? st.text(i) : QString();
        st.reset();
    }
    m_materialized = true;
}

void Table::dropStream(bool keepRow) {
    if (keepRow) {
        materialize();
    } else if (m_hasRow) {
        m_needReload = true;
    }
    if (m_live) {
        if (!m_materialized) m_needReload = true;
        m_live->reset();
        m_live = nullptr;
    }
}

// A write inside a transaction keeps only the changed fields; the rest of a streamed row is read
// again (after the write reaches the file) only if something reads it, so writing a field of a
// wide row does not first copy every column.
void Table::leaveStreamForWrite() {
    if (!m_live || m_materialized) {
        dropStream(true);
        return;
    }
    m_live->reset();
    m_live = nullptr;
    m_needReload = true;
}

void Table::becomeEmpty() {
    dropStream(false);
    m_hasRow = false;
    m_atEnd = true;
    m_needReload = false;
    m_lazyFirst = false;
    m_materialized = false;
    m_currentKey.clear();
}

void Table::loadLast() {
    Statement& st = m_db->statement(QStringLiteral("SELECT %1 FROM %2").arg(m_columns, m_table) + orderBy(true) +
                                    QStringLiteral(" LIMIT 1"));
    if (st.step()) {
        loadRow(st, true);
    } else {
        becomeEmpty();
    }
    st.reset();
}

void Table::reloadCurrent() {
    const bool failed = m_failedLookup;
    Statement& st = m_db->statement(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(m_columns, m_table, m_key));
    st.bind(1, m_currentKey);
    if (st.step()) {
        loadRow(st, true);
        m_failedLookup = failed;
    } else {
        becomeEmpty();
    }
    st.reset();
}

// Settles a position that was left to be read later.
void Table::resolve() {
    if (m_lazyFirst) {
        m_db->flushPending();
        m_lazyFirst = false;
        m_live = &openStream(StreamKind::First);
        if (!stepStream()) becomeEmpty();
        m_failedLookup = true;
    } else if (m_needReload && m_hasRow) {
        m_db->flushPending();
        reloadCurrent();
    }
}

bool Table::hasRecord() {
    resolve();
    return m_hasRow;
}

bool Table::first() {
    m_db->flushPending();
    m_live = &openStream(StreamKind::First);
    if (stepStream()) return true;
    becomeEmpty();
    return false;
}

bool Table::next() {
    resolve();
    if (!m_hasRow || m_atEnd) return false;
    m_db->flushPending();
    if (!m_live || *m_generation != m_rowGeneration) {
        QStringList values = sortValues();
        Statement& st = openStream(StreamKind::After);
        for (qsizetype i = 0; i < values.size(); ++i) st.bind(int(i) + 1, values[i]);
        m_live = &st;
    }
    if (stepStream()) return true;
    if (!m_materialized) reloadCurrent();
    m_atEnd = true;
    return false;
}

bool Table::findKey(const QString& key) {
    selectIndex(QString());
    if (m_hasRow && !m_lazyFirst && !m_needReload && !m_failedLookup && m_currentKey == key &&
        m_rowGeneration == *m_generation) {
        m_atEnd = false;
        return true;
    }
    m_db->flushPending();
    // A key just found missing is not looked up again while the table is unchanged.
    const bool knownMissing = key == m_missKey && m_missGeneration == *m_generation;
    if (!knownMissing) {
        m_live = &openStream(StreamKind::From);
        m_live->bind(1, key);
        if (stepStream() && m_currentKey == key) return true;
    }
    dropStream(false);
    m_hasRow = true;  // the first record, if any, is settled when read
    m_lazyFirst = true;
    m_failedLookup = true;
    m_atEnd = false;
    m_missKey = key;
    m_missGeneration = *m_generation;
    return false;
}

bool Table::seekNearest(const QString& key) {
    selectIndex(QString());
    m_db->flushPending();
    m_live = &openStream(StreamKind::From);
    m_live->bind(1, key);
    if (stepStream()) return true;
    loadLast();
    return m_hasRow;
}

bool Table::seekAfter(const QString& key) {
    selectIndex(QString());
    m_db->flushPending();
    m_live = &openStream(StreamKind::After);
    m_live->bind(1, key);
    if (stepStream()) return true;
    loadLast();
    m_atEnd = true;
    return false;
}

bool Table::isEmpty() {
    if (m_hasRow && !m_lazyFirst && !m_needReload && m_rowGeneration == *m_generation) return false;
    return count() == 0;
}

qint64 Table::count() {
    m_db->flushPending();
    Statement& st = m_db->statement(QStringLiteral("SELECT count(*) FROM %1").arg(m_table));
    st.step();
    const qint64 n = st.integer(0);
    st.reset();
    return n;
}

void Table::checkWritable(const char* what) {
    resolve();
    if (!m_hasRow)
        throw StoreError(QStringLiteral("Cannot %1 in table %2: there is no current record.")
                             .arg(QString::fromLatin1(what), m_def.name));
    if (m_failedLookup)
        throw StoreError(QStringLiteral("Cannot %1 in table %2: the record looked up last was not found.")
                             .arg(QString::fromLatin1(what), m_def.name));
}

void Table::insert(const QString& key) {
    if (m_def.fields.isEmpty()) throw StoreError(QStringLiteral("Table %1 has no fields.").arg(m_def.name));
    if (m_def.fields[0].size > 0 && characterCount(key) > m_def.fields[0].size)
        throw StoreError(QStringLiteral("The key \"%1\" is longer than the %2 characters of table %3's key.")
                             .arg(key)
                             .arg(m_def.fields[0].size)
                             .arg(m_def.name));
    m_db->flushPending();
    if (!(key == m_missKey && m_missGeneration == *m_generation)) {
        Statement& st = m_db->statement(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(m_table, m_key));
        st.bind(1, key);
        const bool exists = st.step();
        st.reset();
        if (exists)
            throw StoreError(QStringLiteral("Key violation: table %1 already has a record with the key \"%2\".")
                                 .arg(m_def.name, key));
    }
    dropStream(false);
    for (QString& value : m_values)
        if (!value.isNull()) value = QString();
    m_values[0] = key;
    m_currentKey = key;
    m_hasRow = true;
    m_materialized = true;
    m_atEnd = m_failedLookup = m_lazyFirst = m_needReload = false;
    m_missGeneration = ~quint64(0);
    m_pendingInsert = true;
    m_db->markPending(this);
    if (m_db->transactionDepth() == 0) flush();
}

void Table::post() {
    if (hasPending()) flush();
}

// The statement for the fields now dirty, built once for each set of them: a bulk of rows that
// write the same fields reuses one text and one prepared statement.
const Table::WriteShape& Table::writeShape(bool inserting) {
    m_shapeKey.assign(m_dirty.begin(), m_dirty.end());
    m_shapeKey.front() = inserting ? 1 : 0;
    auto found = m_writeShapes.find(m_shapeKey);
    if (found != m_writeShapes.end()) return found->second;
    WriteShape shape;
    QStringList cols;
    for (int i = 1; i < fieldCount(); ++i) {
        if (!m_dirty[i]) continue;
        cols << m_quoted[i];
        shape.fields.push_back(i);
    }
    if (inserting) {
        cols.prepend(m_key);
        shape.sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(m_table, cols.join(", "), QStringList(cols.size(), QStringLiteral("?")).join(", "));
    } else {
        shape.sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?").arg(m_table, cols.join(" = ?, "), m_key);
    }
    if (m_writeShapes.size() >= kWriteShapeLimit) m_writeShapes.clear();
    return m_writeShapes.emplace(m_shapeKey, std::move(shape)).first->second;
}

void Table::flush() {
    if (!hasPending()) return;
    m_db->aboutToWrite(*m_generation, this);
    const bool inserting = m_pendingInsert;
    const WriteShape& shape = writeShape(inserting);
    std::fill(m_dirty.begin(), m_dirty.end(), 0);
    m_pendingInsert = m_anyDirty = false;
    Statement& st = m_db->statement(shape.sql);
    int param = 1;
    if (inserting) st.bind(param++, m_currentKey);
    for (int field : shape.fields) st.bind(param++, m_values[field]);
    if (!inserting) st.bind(param, m_currentKey);
    st.step();
    st.reset();
    if (!inserting && sqlite3_changes(m_db->handle()) == 0)
        throw StoreError(QStringLiteral("The record \"%1\" of table %2 no longer exists.").arg(m_currentKey, m_def.name));
    m_rowGeneration = *m_generation;
}

void Table::discardPending() {
    if (m_pendingInsert) m_hasRow = false;
    if (hasPending()) m_needReload = m_hasRow;
    m_pendingInsert = m_anyDirty = false;
    std::fill(m_dirty.begin(), m_dirty.end(), 0);
    if (!m_hasRow) becomeEmpty();
}

void Table::remove() {
    checkWritable("delete");
    m_db->flushPending();
    const QStringList position = sortValues();
    m_db->aboutToWrite(*m_generation, this);
    Statement& del = m_db->statement(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_table, m_key));
    del.bind(1, m_currentKey);
    del.step();
    del.reset();
    m_live = &openStream(StreamKind::After);
    for (qsizetype i = 0; i < position.size(); ++i) m_live->bind(int(i) + 1, position[i]);
    if (!stepStream()) {
        loadLast();
        m_atEnd = true;
    }
}

qint64 Table::removeAll() {
    const qint64 n = count();
    m_db->aboutToWrite(*m_generation, this);
    Statement& del = m_db->statement(QStringLiteral("DELETE FROM %1").arg(m_table));
    del.step();
    del.reset();
    becomeEmpty();
    return n;
}

namespace {

// Every spelling of the prefix with its first foldLength ASCII letters in either case.
QStringList caseVariants(const QString& prefix, int foldLength) {
    QStringList variants{prefix};
    for (int i = 0; i < std::min<int>(foldLength, int(prefix.size())); ++i) {
        const QChar c = prefix[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) continue;
        const qsizetype n = variants.size();
        for (qsizetype v = 0; v < n; ++v) {
            QString other = variants[v];
            other[i] = c.isLower() ? c.toUpper() : c.toLower();
            variants << other;
        }
    }
    variants.removeDuplicates();
    return variants;
}

// The smallest text greater than every text that begins with the prefix.
QString prefixEnd(const QString& prefix) {
    QString end = prefix;
    while (!end.isEmpty()) {
        const ushort last = end.back().unicode();
        if (last < 0xD7FF) {
            end.back() = QChar(ushort(last + 1));
            return end;
        }
        end.chop(1);
    }
    return QString();
}

}  // namespace

template <typename Visit>
void Table::forEachPrefixRange(const QString& prefix, int foldLength, Visit visit) {
    m_db->flushPending();
    for (const QString& variant : caseVariants(prefix, foldLength)) {
        const QString end = prefixEnd(variant);
        visit(variant, end);
    }
}

Statement& Table::rangeStatement(const QString& action, const QString& from, const QString& to, const QString& tail) {
    Statement& st = m_db->statement(action + QStringLiteral(" WHERE %1 >= ?").arg(m_key) +
                                    (to.isEmpty() ? QString() : QStringLiteral(" AND %1 < ?").arg(m_key)) + tail);
    st.bind(1, from);
    if (!to.isEmpty()) st.bind(2, to);
    return st;
}

QStringList Table::keysWithPrefix(const QString& prefix, int foldLength) {
    QStringList keys;
    forEachPrefixRange(prefix, foldLength, [&](const QString& from, const QString& to) {
        Statement& st = rangeStatement(QStringLiteral("SELECT %1 FROM %2").arg(m_key, m_table), from, to,
                                       QStringLiteral(" ORDER BY %1").arg(m_key));
        while (st.step()) keys << st.text(0);
        st.reset();
    });
    std::sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
    return keys;
}

QStringList Table::keysBefore(const QString& key, int limit) {
    const QString below = key.isNull() ? QString() : QStringLiteral(" WHERE %1 < ?").arg(m_key);
    // The limit is the caller's page size, a number of the program, not of the data.
    Statement& st = m_db->statement(
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %1 DESC LIMIT %4").arg(m_key, m_table, below).arg(limit));
    if (!key.isNull()) st.bind(1, key);
    QStringList keys;
    while (st.step()) keys.prepend(st.text(0));
    st.reset();
    return keys;
}

qint64 Table::countKeysWithPrefix(const QString& prefix, int foldLength) {
    qint64 count = 0;
    forEachPrefixRange(prefix, foldLength, [&](const QString& from, const QString& to) {
        Statement& st = rangeStatement(QStringLiteral("SELECT count(*) FROM %1").arg(m_table), from, to);
        st.step();
        count += st.integer(0);
        st.reset();
    });
    return count;
}

qint64 Table::removeKeysWithPrefix(const QString& prefix, int foldLength) {
    qint64 removed = 0;
    m_db->aboutToWrite(*m_generation, this);
    forEachPrefixRange(prefix, foldLength, [&](const QString& from, const QString& to) {
        Statement& st = rangeStatement(QStringLiteral("DELETE FROM %1").arg(m_table), from, to);
        st.step();
        st.reset();
        removed += sqlite3_changes(m_db->handle());
    });
    if (m_hasRow) m_needReload = true;
    return removed;
}

qint64 Table::removeEmptyRows(bool keyedRowsStay) {
    m_db->flushPending();
    QStringList empty;
    for (int f = 1; f < fieldCount(); ++f) empty << quotedName(m_def.fields[f].name) + QStringLiteral(" = ''");
    QString where = m_key + QStringLiteral(" = ''");
    if (!keyedRowsStay && !empty.isEmpty()) where += QStringLiteral(" OR (%1)").arg(empty.join(QStringLiteral(" AND ")));
    m_db->aboutToWrite(*m_generation, this);
    Statement& del = m_db->statement(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table, where));
    del.step();
    del.reset();
    if (m_hasRow) m_needReload = true;
    return sqlite3_changes(m_db->handle());
}

bool Table::hasKeyInRange(const QString& from, const QString& to) {
    Statement& st = rangeStatement(QStringLiteral("SELECT 1 FROM %1").arg(m_table), from, to, QStringLiteral(" LIMIT 1"));
    const bool found = st.step();
    st.reset();
    return found;
}

qint64 Table::copyKeysWithPrefix(const QString& prefix, int foldLength, const QString& newPrefix, int lastField) {
    checkField(lastField);
    QStringList cols;
    for (int f = 1; f <= lastField; ++f) cols << quotedName(m_def.fields[f].name);
    const QString fields = cols.isEmpty() ? QString() : QStringLiteral(", ") + cols.join(", ");
    qint64 copied = 0;
    m_db->aboutToWrite(*m_generation, this);
    // One statement a spelling that has rows: separate key ranges are cheaper for SQLite than one
    // OR of them, and most codes have rows in one spelling only.
    forEachPrefixRange(prefix, foldLength, [&](const QString& from, const QString& to) {
        if (from != prefix && !hasKeyInRange(from, to)) return;
        Statement& st = m_db->statement(
            QStringLiteral("INSERT INTO %1 (%2%3) SELECT ? || substr(%2, ?)%3 FROM %1 WHERE %2 >= ?%4")
                .arg(m_table, m_key, fields, to.isEmpty() ? QString() : QStringLiteral(" AND %1 < ?").arg(m_key)));
        st.bind(1, newPrefix);
        st.bind(2, QString::number(prefix.size() + 1));
        st.bind(3, from);
        if (!to.isEmpty()) st.bind(4, to);
        st.step();
        st.reset();
        copied += sqlite3_changes(m_db->handle());
    });
    return copied;
}

QString Table::text(int field) {
    checkField(field);
    resolve();
    if (!m_hasRow) return {};
    if (!m_materialized && m_live) {
        if (field == 0) return m_currentKey;
        if (m_streamColumn[field] >= 0) return m_live->text(m_streamColumn[field]);
        markHot(field);
    }
    return m_values[field];
}

bool Table::setText(int field, const QString& text) {
    checkField(field);
    checkWritable("write");
    const FieldDef& def = m_def.fields[field];
    QString value = def.memo ? text : cutToCharacters(text, def.size);
    const bool whole = value.size() == text.size();
    if (!whole) ++m_cutCount;
    if (field == 0) {
        if (!whole) throw StoreError(QStringLiteral("The key \"%1\" is too long for table %2.").arg(text, m_def.name));
        m_db->flushPending();
        writeNow(0, value);
        m_currentKey = value;
        return true;
    }
    if (m_db->transactionDepth() > 0) {
        leaveStreamForWrite();
        m_values[field] = value;
        m_dirty[field] = 1;
        m_anyDirty = true;
        m_db->markPending(this);
    } else {
        m_db->flushPending(this);
        writeNow(field, value);
    }
    return whole;
}

void Table::writeNow(int field, const QString& value) {
    m_db->aboutToWrite(*m_generation, this);
    Statement& st = m_db->statement(
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?").arg(m_table, quotedName(m_def.fields[field].name), m_key));
    st.bind(1, value);
    st.bind(2, m_currentKey);
    st.step();
    st.reset();
    m_values[field] = value;
    m_rowGeneration = *m_generation;
}

}  // namespace vn
