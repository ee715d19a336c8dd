#include "interchange/tables/sqlite_table.h"

#include "interchange/tables/foreign_values.h"
#include "interchange/tables/stored_table.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/stored_values.h"

#include <QFileInfo>

namespace vn {

namespace {

// As the engine gives a column its affinity.
ForeignType typeOf(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT"))) return ForeignType::Integer;
    for (const char* text : {"CHAR", "CLOB", "TEXT"})
        if (type.contains(QLatin1String(text))) return ForeignType::Text;
    if (type.isEmpty() || type.contains(QLatin1String("BLOB"))) return ForeignType::Binary;
    return ForeignType::Floating;
}

QString textOf(const StoredValue& value, ForeignType type) {
    switch (value.kind) {
    case StoredValue::Kind::Integer: return foreign_value::integer(value.integer);
    case StoredValue::Kind::Real: return foreign_value::floating(value.real);
    case StoredValue::Kind::Text: return QString::fromUtf8(value.bytes);
    case StoredValue::Kind::Blob: return type == ForeignType::Binary ? QString() : QString::fromUtf8(value.bytes);
    case StoredValue::Kind::Null: break;
    }
    return QString();
}

QStringList userTables(const Database& db) {
    QStringList tables = db.tableNames();
    tables.removeIf([](const QString& name) { return name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive); });
    return tables;
}

std::unique_ptr<ForeignTable> readTable(Database& db, const QString& table) {
    QList<ForeignColumn> columns;
    for (const DeclaredColumn& column : declaredColumns(db, table)) columns.append({column.name, typeOf(column.type)});
    QList<QStringList> rows;
    readStoredRows(db, table, [&](const QList<StoredValue>& stored) {
        QStringList values;
        for (qsizetype i = 0; i < stored.size(); ++i) values << textOf(stored[i], columns[i].type);
        rows.append(values);
    });
    return std::make_unique<StoredTable>(std::move(columns), std::move(rows));
}

}  // namespace

std::unique_ptr<ForeignTable> openSqliteTable(const QString& path, ForeignProblem& problem) {
    const QString file = QFileInfo(path).fileName();
    try {
        auto db = Database::open(path, Database::Access::ReadOnly);
        // A crafted schema must not run functions of ours while the file is read.
        db->execute(QStringLiteral("PRAGMA trusted_schema=OFF"));
        const QStringList tables = userTables(*db);
        if (tables.size() == 1) return readTable(*db, tables.first());
        problem.message = tables.isEmpty()
                              ? QStringLiteral("\"%1\" holds no table.").arg(file)
                              : QStringLiteral("\"%1\" holds %2 tables, not one: %3.").arg(file).arg(tables.size()).arg(tables.join(", "));
    } catch (const StoreError& e) {
        problem.message = QStringLiteral("\"%1\" cannot be read: %2").arg(file, e.message());
    }
    return nullptr;
}

}  // namespace vn
