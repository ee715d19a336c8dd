#include "store/schema/schema.h"

#include <QStringList>

namespace vn::schema {

namespace {

QString fieldRows(const TableDef& def) {
    QStringList rows;
    for (qsizetype i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        rows << QStringLiteral("| %1 | %2 | %3 |").arg(i).arg(f.name, f.memo ? QStringLiteral("memo") : QString::number(f.size));
    }
    return rows.join('\n');
}

QString indexLine(const TableDef& def) {
    QStringList parts;
    for (const IndexDef& index : def.indexes) {
        QStringList names;
        for (int f : index.fields) names << def.fields[f].name;
        parts << QStringLiteral("`%1` (%2, then the key)").arg(index.name, names.join(", "));
    }
    return parts.isEmpty() ? QString() : QStringLiteral("\nSecondary indexes: %1.\n").arg(parts.join("; "));
}

}  // namespace

QString markdown() {
    QString text = QStringLiteral(
        "# Tables\n\n"
        "Generated from src/store/schema/schema_definitions.cpp (a test keeps this file equal to it).\n"
        "Every table lives in `<DataFolder>/Varnedo1.db`. Field 0 is the text primary key; sizes are\n"
        "declared sizes in characters. The fields before `Delta` are the ones backup and exchange\n"
        "files carry.\n");
    for (const TableDef& def : allTables())
        text += QStringLiteral("\n## %1\n\n| No. | Field | Size |\n|---|---|---|\n%2\n%3")
                    .arg(def.name, fieldRows(def), indexLine(def));
    return text;
}

}  // namespace vn::schema
