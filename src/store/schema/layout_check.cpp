#include "store/schema/layout_check.h"

#include "store/engine/database.h"
#include "store/schema/schema.h"

namespace vn::schema {

namespace {

QStringList columnNames(const TableDef& def) {
    QStringList names;
    for (const FieldDef& f : def.fields) names << f.name;
    return names;
}

// Empty when the stored columns are the expected ones, in the expected order.
QString columnDifference(const QStringList& stored, const QStringList& expected) {
    for (const QString& name : expected)
        if (!stored.contains(name)) return QStringLiteral("lacks the column %1").arg(name);
    for (const QString& name : stored)
        if (!expected.contains(name)) return QStringLiteral("has the column %1, which does not belong to it").arg(name);
    if (stored != expected) return QStringLiteral("has its columns in another order");
    return {};
}

// An older layout is one that later fields were added to: the stored columns begin the
// expected ones.
bool isOlderLayout(const QStringList& stored, const QStringList& expected) {
    return !stored.isEmpty() && stored.size() < expected.size() && expected.mid(0, stored.size()) == stored;
}

}  // namespace

LayoutFinding checkLayout(const Database& db) {
    LayoutFinding finding;
    const QStringList present = db.tableNames();
    for (const TableDef& def : allTables()) {
        if (!present.contains(def.name)) {
            finding.missingTables << def.name;
            continue;
        }
        const QStringList stored = columnNames(db.describe(def.name));
        const QStringList expected = columnNames(def);
        if (stored == expected) continue;
        finding.table = def.name;
        if (isOlderLayout(stored, expected)) {
            finding.kind = LayoutFinding::Kind::OlderLayout;
            finding.detail = QStringLiteral("the table %1 has the columns of an older layout and must be upgraded").arg(def.name);
        } else {
            finding.kind = LayoutFinding::Kind::Damaged;
            finding.detail = QStringLiteral("the table %1 %2").arg(def.name, columnDifference(stored, expected));
        }
        return finding;
    }
    if (finding.missingTables.size() == allTables().size()) {
        finding.kind = LayoutFinding::Kind::Damaged;
        finding.detail = QStringLiteral("it holds none of the tables");
    } else if (!finding.missingTables.isEmpty()) {
        finding.kind = LayoutFinding::Kind::MissingTables;
        finding.detail = QStringLiteral("the table %1 is missing").arg(finding.missingTables.join(QStringLiteral(", ")));
    }
    return finding;
}

}  // namespace vn::schema
