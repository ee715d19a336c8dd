#include "store/upgrades/factory_tables.h"

#include "platform/path_resolver.h"
#include "store/engine/database.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"
#include "store/schema/schema.h"
#include "store/upgrades/outside_table.h"
#include "store/upgrades/upgrade_markers.h"

#include <QFileInfo>

namespace vn {

namespace {

void addOne(Database& live, const FactoryTable& factory, const QString& file, const QDateTime& now) {
    auto source = openOutsideTable(file, factory.table);
    Transaction tx(live);
    if (!live.hasTable(factory.table)) live.createTable(schema::table(factory.table));
    copyOutsideRows(*source, factory.table, live, live.describe(factory.table), false);
    Table system(live.shared_from_this(), QStringLiteral("System"));
    writeMarkerRow(system, factory.marker, factory.description, now);
    tx.commit();
}

}  // namespace

FactoryOutcome addFactoryTables(Database& live, const QString& newTablesFolder, const QDateTime& now) {
    FactoryOutcome outcome;
    Table system(live.shared_from_this(), QStringLiteral("System"));
    for (const FactoryTable& factory : factoryTables()) {
        if (system.findKey(factory.marker)) continue;
        const QString file = resolvePath(newTablesFolder, factory.table + QStringLiteral("1.db"));
        if (!QFileInfo::exists(file)) {
            outcome.problems << QStringLiteral("The factory table file %1 is missing: [%2] is loaded at a later start.")
                                    .arg(file, factory.table);
            continue;
        }
        try {
            addOne(live, factory, file, now);
            outcome.loaded << factory.table;
        } catch (const StoreError& e) {
            outcome.problems << e.message();
        }
    }
    return outcome;
}

}  // namespace vn
