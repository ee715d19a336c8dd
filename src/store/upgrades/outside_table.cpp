#include "store/upgrades/outside_table.h"

#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/engine/text_size.h"
#include "store/schema/schema.h"

#include <QStringList>

namespace vn {

namespace {

bool sameLayout(const QList<FieldDef>& a, const QList<FieldDef>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].size != b[i].size || a[i].memo != b[i].memo) return false;
    return true;
}

}  // namespace

std::shared_ptr<Database> openOutsideTable(const QString& path, const QString& table) {
    auto refuse = [&](const QString& why) {
        return StoreError(QStringLiteral("The table file %1 cannot be used: %2").arg(path, why));
    };
    std::shared_ptr<Database> db;
    try {
        db = Database::open(path, Database::Access::ReadOnly);
        // A crafted schema must not run functions of ours while the file is read.
        db->execute(QStringLiteral("PRAGMA trusted_schema=OFF"));
        const QString damage = db->damage(Database::Check::Quick);
        if (!damage.isEmpty()) throw refuse(QStringLiteral("it is damaged (%1).").arg(damage));
    } catch (const StoreError& e) {
        if (e.message().startsWith(QStringLiteral("The table file "))) throw;
        throw refuse(e.message());
    }
    if (!db->hasTable(table)) throw refuse(QStringLiteral("it holds no table [%1].").arg(table));
    if (!sameLayout(db->describe(table).fields, schema::table(table).fields))
        throw refuse(QStringLiteral("its table [%1] does not have this version's fields.").arg(table));
    return db;
}

qint64 copyOutsideRows(Database& src, const QString& table, Database& dst, const TableDef& into, bool replace) {
    const TableDef from = src.describe(table);
    QStringList names, marks, updates;
    QList<int> sizes;
    for (const FieldDef& f : into.fields) {
        if (from.fieldNumber(f.name) < 0) continue;
        names << quotedName(f.name);
        marks << QStringLiteral("?");
        sizes << (f.memo ? 0 : f.size);
        if (names.size() > 1) updates << QStringLiteral("%1=excluded.%1").arg(names.last());
    }
    const QString conflict = replace && !updates.isEmpty()
                                 ? QStringLiteral("DO UPDATE SET ") + updates.join(QStringLiteral(", "))
                                 : QStringLiteral("DO NOTHING");
    Statement read(src.handle(), QStringLiteral("SELECT %1 FROM %2").arg(names.join(", "), quotedName(table)));
    dst.flushPending();
    Statement write(dst.handle(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT(%4) %5")
                                      .arg(quotedName(into.name), names.join(", "), marks.join(", "), names.first(), conflict));
    qint64 cut = 0;
    while (read.step()) {
        for (int i = 0; i < names.size(); ++i) {
            QString value = read.isNull(i) ? QString() : read.text(i);
            if (sizes[i] > 0 && characterCount(value) > sizes[i]) {
                value = cutToCharacters(value, sizes[i]);
                ++cut;
            }
            write.bind(i + 1, value);
        }
        while (write.step()) {
        }
        write.reset();
    }
    return cut;
}

}  // namespace vn
