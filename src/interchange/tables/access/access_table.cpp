#include "interchange/tables/access/access_table.h"

#include "interchange/tables/access/access_password.h"
#include "interchange/tables/access/access_values.h"
#include "interchange/tables/stored_table.h"

#include <QDir>
#include <QFile>

namespace vn {

namespace {

// A data base opened read only, closed with the object.
class AccessFile {
public:
    explicit AccessFile(const QString& path)
        : mdb_(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS)) {}
    ~AccessFile() {
        if (mdb_) mdb_close(mdb_);
    }
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    MdbHandle* get() const { return mdb_; }

private:
    MdbHandle* mdb_;
};

// Closes a table definition mdbtools read.
struct TableDefinition {
    explicit TableDefinition(MdbTableDef* table) : get(table) {}
    ~TableDefinition() {
        if (get) mdb_free_tabledef(get);
    }
    TableDefinition(const TableDefinition&) = delete;
    TableDefinition& operator=(const TableDefinition&) = delete;
    MdbTableDef* get;
};

QString cannotRead(const QString& path, const QString& why) {
    return QStringLiteral("The Access data base \"%1\" cannot be read: %2.").arg(QDir::toNativeSeparators(path), why);
}

bool isUserTable(MdbCatalogEntry* entry) {
    return entry->object_type == MDB_TABLE && !mdb_is_system_table(entry) &&
           !QByteArray(entry->object_name).startsWith("MSys");
}

// The user tables of the catalog, or null with problem set.
GPtrArray* userCatalog(MdbHandle* mdb, const QString& path, ForeignProblem& problem) {
    if (!mdb) {
        problem.message = cannotRead(path, QStringLiteral("it is not an Access data base, or it is damaged"));
        return nullptr;
    }
    if (accessFileHasPassword(path)) {
        problem.message = cannotRead(path, QStringLiteral("it is protected by a password"));
        return nullptr;
    }
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    if (!catalog) problem.message = cannotRead(path, QStringLiteral("its list of tables is damaged"));
    return catalog;
}

MdbCatalogEntry* findTable(GPtrArray* catalog, const QString& name) {
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (isUserTable(entry) && QString::fromUtf8(entry->object_name) == name) return entry;
    }
    return nullptr;
}

QList<ForeignColumn> columnsOf(MdbTableDef* table) {
    QList<ForeignColumn> columns;
    for (guint i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        columns.append({QString::fromUtf8(column->name), foreignTypeOf(*column)});
    }
    return columns;
}

// Every row, or nothing with why set naming the row and column.
std::optional<QList<QStringList>> rowsOf(MdbHandle& mdb, MdbTableDef* table, QString& why) {
    QList<QStringList> rows;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        QStringList values;
        for (guint i = 0; i < table->num_cols; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            QString wrong;
            const auto value = accessValueText(mdb, *column, wrong);
            if (!value) {
                why = QStringLiteral("row %1, column \"%2\": %3").arg(rows.size() + 1).arg(QString::fromUtf8(column->name), wrong);
                return std::nullopt;
            }
            values.append(*value);
        }
        rows.append(values);
    }
    // mdbtools passes over rows and pages it cannot read without a word: count them.
    if (rows.size() != qsizetype(table->num_rows)) {
        why = QStringLiteral("%1 rows announced, %2 found").arg(table->num_rows).arg(rows.size());
        return std::nullopt;
    }
    return rows;
}

}  // namespace

std::unique_ptr<ForeignTable> openAccessTable(const QString& path, const QString& name, ForeignProblem& problem) {
    const AccessFile file(path);
    GPtrArray* catalog = userCatalog(file.get(), path, problem);
    if (!catalog) return nullptr;
    MdbCatalogEntry* entry = findTable(catalog, name);
    if (!entry) {
        problem.message = cannotRead(path, QStringLiteral("it has no table \"%1\"").arg(name));
        return nullptr;
    }
    const TableDefinition table(mdb_read_table(entry));
    if (!table.get || !mdb_read_columns(table.get)) {
        problem.message = cannotRead(path, QStringLiteral("the table \"%1\" is damaged").arg(name));
        return nullptr;
    }
    QString why;
    auto rows = rowsOf(*file.get(), table.get, why);
    if (!rows) {
        problem.message = cannotRead(path, QStringLiteral("table \"%1\", %2").arg(name, why));
        return nullptr;
    }
    return std::make_unique<StoredTable>(columnsOf(table.get), std::move(*rows));
}

QStringList accessTableNames(const QString& path, ForeignProblem& problem) {
    const AccessFile file(path);
    GPtrArray* catalog = userCatalog(file.get(), path, problem);
    QStringList names;
    for (guint i = 0; catalog && i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (isUserTable(entry)) names.append(QString::fromUtf8(entry->object_name));
    }
    return names;
}

}  // namespace vn
