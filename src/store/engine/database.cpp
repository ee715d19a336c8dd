#include "store/engine/database.h"

#include "store/engine/file_commit.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace vn {

namespace {

constexpr qsizetype kStatementCacheLimit = 256;


QString declaredType(const FieldDef& f) { return f.memo ? QStringLiteral("MEMO TEXT") : QStringLiteral("VARCHAR(%1)").arg(f.size); }

FieldDef fieldFromDeclaration(const QString& name, const QString& type) {
    static const QRegularExpression sized(QStringLiteral(R"(\((\d+)\))"));
    const QString upper = type.toUpper();
    if (upper.startsWith(QLatin1String("MEMO"))) return memoField(name);
    const auto m = sized.match(type);
    return textField(name, m.hasMatch() ? m.captured(1).toInt() : 0);
}

sqlite3* openHandle(const QString& path, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QStringLiteral("Cannot open %1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_close(db);
        throw StoreError(msg, rc);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    return db;
}

}  // namespace

Database::Database(sqlite3* db, const QString& path, Access access) : m_db(db), m_path(path), m_access(access) {}

std::shared_ptr<Database> Database::open(const QString& path, Access access) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw StoreError(QStringLiteral("Cannot open %1: it is a folder or a device, not a table file").arg(path));
    if (!info.exists()) throw StoreError(QStringLiteral("The table file %1 does not exist.").arg(path));
    // Read only means not a byte written beside the file either: no journal, no lock files.
    const bool readOnly = access == Access::ReadOnly;
    const QString name = readOnly ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
                                        QStringLiteral("?immutable=1")
                                  : path;
    const int flags = readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI : SQLITE_OPEN_READWRITE;
    std::shared_ptr<Database> db(new Database(openHandle(name, flags), path, access));
    try {
        db->execute(QStringLiteral("PRAGMA schema_version"));  // fails at once on a file that is no database
        if (access == Access::Exclusive) {
            db->execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
            db->execute(QStringLiteral("BEGIN EXCLUSIVE"));
            db->execute(QStringLiteral("COMMIT"));
        } else if (access == Access::Shared) {
            db->execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        }
        if (access != Access::ReadOnly) db->execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } catch (const StoreError& e) {
        // The engine's own words; the file is named once, here.
        throw StoreError(QStringLiteral("Cannot open %1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(db->handle()))),
                         e.code());
    }
    return db;
}

int Database::longestPath() {
    const sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    return vfs ? vfs->mxPathname : 512;
}

std::shared_ptr<Database> Database::create(const QString& path) {
    if (QFileInfo::exists(path)) throw StoreError(QStringLiteral("The table file %1 already exists.").arg(path));
    sqlite3* handle = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_close(handle);
    return open(path);
}

std::shared_ptr<Database> Database::inMemory() {
    const QString name = QStringLiteral(":memory:");
    return std::shared_ptr<Database>(new Database(openHandle(name, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), name, Access::Exclusive));
}

Database::~Database() {
    m_statements.clear();
    sqlite3_close_v2(m_db);
}

void Database::execute(const QString& sql) {
    flushPending();
    Statement st(m_db, sql);
    while (st.step()) {
    }
}

void Database::createTable(const TableDef& def) {
    QStringList columns;
    for (qsizetype i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        columns << quotedName(f.name) + ' ' + declaredType(f) +
                       (i == 0 ? QStringLiteral(" NOT NULL PRIMARY KEY") : QStringLiteral(" NOT NULL DEFAULT ''"));
    }
    execute(QStringLiteral("CREATE TABLE %1 (%2) WITHOUT ROWID").arg(quotedName(def.name), columns.join(", ")));
    createIndexes(def);
}

void Database::createIndexes(const TableDef& def) {
    for (const IndexDef& index : def.indexes) {
        QStringList cols;
        for (int n : index.fields) cols << quotedName(def.fields.at(n).name);
        execute(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                    .arg(quotedName(def.name + '_' + index.name), quotedName(def.name), cols.join(", ")));
    }
}

bool Database::hasTable(const QString& name) const {
    Statement st(m_db, QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type='table' AND name=?"));
    st.bind(1, name);
    return st.step();
}

QStringList Database::tableNames() const {
    Statement st(m_db, QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' ORDER BY name"));
    QStringList names;
    while (st.step()) names << st.text(0);
    return names;
}

TableDef Database::describe(const QString& table) const {
    if (!hasTable(table)) throw StoreError(QStringLiteral("Table %1 does not exist in %2.").arg(table, m_path));
    TableDef def{table, {}, {}};
    Statement cols(m_db, QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"));
    cols.bind(1, table);
    while (cols.step()) def.fields << fieldFromDeclaration(cols.text(0), cols.text(1));
    Statement idx(m_db, QStringLiteral("SELECT name FROM pragma_index_list(?) WHERE origin='c' ORDER BY name"));
    idx.bind(1, table);
    while (idx.step()) {
        IndexDef index{idx.text(0).mid(table.size() + 1), {}};
        Statement info(m_db, QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
        info.bind(1, idx.text(0));
        while (info.step()) index.fields << def.fieldNumber(info.text(0));
        def.indexes << index;
    }
    return def;
}

void Database::pack() {
    if (m_depth > 0) throw StoreError(QStringLiteral("A table cannot be packed inside a transaction."));
    releaseStatements();
    execute(QStringLiteral("VACUUM"));
}

void Database::releaseStatements() {
    flushPending();
    dropAllStreams(true);
    bumpAll();
    m_statements.clear();
}

void Database::copyTo(const QString& target) {
    flushPending();
    const QString temp = target + QStringLiteral(".part");
    sqlite3* out = openHandle(temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_backup* backup = sqlite3_backup_init(out, "main", m_db, "main");
    int rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(out);
    if (backup) sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE) rc = sqlite3_exec(out, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    const QString engine = QString::fromUtf8(sqlite3_errmsg(out));
    sqlite3_close(out);
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        QFile::remove(temp);
        throw StoreError(QStringLiteral("Cannot write %1: %2").arg(target, engine), rc);
    }
    commitFile(temp, target);
}

namespace {

// Counting the entries of a tree visits each of its pages.
void walkEveryPage(sqlite3* db) {
    Statement trees(db, QStringLiteral("SELECT type, name, tbl_name FROM sqlite_schema WHERE type IN ('table', 'index') "
                                       "AND rootpage > 0"));
    QStringList counts;
    while (trees.step()) {
        const bool table = trees.text(0) == QLatin1String("table");
        counts << (table ? QStringLiteral("SELECT count(*) FROM %1 NOT INDEXED").arg(quotedName(trees.text(1)))
                         : QStringLiteral("SELECT count(*) FROM %1 INDEXED BY %2").arg(quotedName(trees.text(2)), quotedName(trees.text(1))));
    }
    for (const QString& sql : counts) {
        Statement count(db, sql);
        while (count.step()) {
        }
    }
}

}  // namespace

QString Database::damage(Check depth) {
    try {
        flushPending();
        if (depth == Check::Pages) {
            walkEveryPage(m_db);
            return {};
        }
        Statement st(m_db, depth == Check::Quick ? QStringLiteral("PRAGMA quick_check(1)") : QStringLiteral("PRAGMA integrity_check(1)"));
        if (!st.step()) return QStringLiteral("the check gave no answer");
        if (st.text(0) == QLatin1String("ok")) return {};
        return st.text(0).remove(QStringLiteral("*** in database main ***\n")).trimmed();
    } catch (const StoreError& e) {
        return e.message();
    }
}

bool Database::checkpoint() {
    flushPending();
    Statement st(m_db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    // busy, frames in the log, frames moved: all done when not busy and the log is empty.
    return st.step() && st.text(0) == QLatin1String("0") && st.text(1).toInt() <= 0;
}

void Database::begin() {
    flushPending();
    execute(m_depth == 0 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Database::commit() {
    if (m_depth == 0) throw StoreError(QStringLiteral("No transaction to commit."));
    flushPending();
    execute(m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE sp%1").arg(m_depth - 1));
    --m_depth;
}

void Database::rollback() {
    if (m_depth == 0) return;
    for (Table* t : m_tables) t->discardPending();
    dropAllStreams(false);
    bumpAll();
    --m_depth;
    if (m_depth == 0) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const QByteArray sp = QStringLiteral("ROLLBACK TO sp%1; RELEASE sp%1").arg(m_depth).toUtf8();
        sqlite3_exec(m_db, sp.constData(), nullptr, nullptr, nullptr);
    }
}

Statement& Database::statement(const QString& sql) {
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        if (m_statements.size() >= kStatementCacheLimit) m_statements.clear();
        it = m_statements.insert(sql, std::make_shared<Statement>(m_db, sql));
    }
    (*it)->reset();
    return **it;
}

void Database::flushPending(const Table* except) {
    if (m_pending.empty()) return;
    const std::vector<Table*> pending = std::exchange(m_pending, {});
    for (Table* t : pending) {
        if (t == except) m_pending.push_back(t);
        else if (t->hasPending()) t->flush();
    }
}

void Database::markPending(Table* table) {
    if (std::find(m_pending.begin(), m_pending.end(), table) == m_pending.end()) m_pending.push_back(table);
}

void Database::aboutToWrite(const QString& table, const Table* writer) { aboutToWrite(*generationOf(table), writer); }

// Cursors on one table share its counter: a pointer compare a cursor instead of a name compare.
void Database::aboutToWrite(quint64& generation, const Table* writer) {
    for (Table* t : m_tables)
        if (t->countsWritesIn(generation)) t->dropStream(t == writer);
    ++generation;
}

std::shared_ptr<quint64> Database::generationOf(const QString& table) {
    auto& gen = m_generations[table];
    if (!gen) gen = std::make_shared<quint64>(0);
    return gen;
}

void Database::attach(Table* table) { m_tables.push_back(table); }

void Database::detach(Table* table) {
    std::erase(m_tables, table);
    std::erase(m_pending, table);
}

void Database::dropAllStreams(bool keepRows) {
    for (Table* t : m_tables) t->dropStream(keepRows);
}

void Database::bumpAll() {
    for (auto& gen : m_generations) ++*gen;
}

Transaction::~Transaction() {
    if (!m_done) m_db.rollback();
}

void Transaction::commit() {
    m_db.commit();
    m_done = true;
}

}  // namespace vn
