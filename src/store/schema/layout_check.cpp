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

QString tableLayoutProblem(const TableDef& stored) {
    const QStringList names = columnNames(stored);
    const QStringList expected = columnNames(table(stored.name));
    if (names == expected) return {};
    if (isOlderLayout(names, expected))
        return QStringLiteral("the table %1 has the columns of an older layout and must be upgraded").arg(stored.name);
    return QStringLiteral("the table %1 %2").arg(stored.name, columnDifference(names, expected));
}

LayoutFinding checkLayout(const Database& db) {
    LayoutFinding finding;
    const QStringList present = db.tableNames();
    for (const TableDef& def : allTables()) {
        if (!present.contains(def.name)) {
            finding.missingTables << def.name;
            continue;
        }
        const TableDef stored = db.describe(def.name);
        finding.detail = tableLayoutProblem(stored);
        if (finding.detail.isEmpty()) continue;
        finding.table = def.name;
        finding.kind = isOlderLayout(columnNames(stored), columnNames(def)) ? LayoutFinding::Kind::OlderLayout
                                                                           : LayoutFinding::Kind::Damaged;
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
