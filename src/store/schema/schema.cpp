#include "store/schema/schema.h"

#include "store/engine/store_error.h"

namespace vn::schema {

QList<TableDef> buildTables();  // schema_definitions.cpp

const QList<TableDef>& allTables() {
    static const QList<TableDef> tables = buildTables();
    return tables;
}

const TableDef& table(const QString& name) {
    for (const TableDef& def : allTables())
        if (def.name == name) return def;
    throw StoreError(QStringLiteral("The schema has no table named %1.").arg(name));
}

int deltaField(const QString& name) { return table(name).fieldNumber(QStringLiteral("Delta")); }

}  // namespace vn::schema
