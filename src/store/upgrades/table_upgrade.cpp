#include "store/upgrades/table_upgrade.h"

#include "store/catalogue/table_location.h"
#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/engine/store_error.h"
#include "store/engine/table.h"
#include "store/schema/schema.h"
#include "store/upgrades/outside_table.h"
#include "store/upgrades/upgrade_markers.h"

#include <QDir>
#include <QStringList>

namespace vn {

namespace {

// Rows copied per statement: small enough for the gauge to move.
constexpr qint64 kBatch = 2000;
const QString kDestination = QStringLiteral("Temp");

QStringList fieldNames(const TableDef& def) {
    QStringList names;
    for (const FieldDef& f : def.fields) names << f.name;
    return names;
}

QString sizedColumn(const FieldDef& f) {
    const QString q = quotedName(f.name);
    return f.memo ? q : QStringLiteral("substr(%1, 1, %2)").arg(q).arg(f.size);
}

qint64 singleNumber(Database& db, const QString& sql) {
    Statement st(db.handle(), sql);
    return st.step() ? st.integer(0) : 0;
}

// Values of the live table longer than the new layout's field.
qint64 countCuts(Database& db, const TableDef& from, const TableDef& to) {
    QStringList terms;
    for (const FieldDef& f : from.fields) {
        const FieldDef& target = to.fields[to.fieldNumber(f.name)];
        if (!target.memo) terms << QStringLiteral("(length(%1) > %2)").arg(quotedName(f.name)).arg(target.size);
    }
    if (terms.isEmpty()) return 0;
    return singleNumber(db, QStringLiteral("SELECT coalesce(sum(%1), 0) FROM %2").arg(terms.join('+'), quotedName(from.name)));
}

// Every live row by field name over the structure file's rows, in key order, a batch at a time.
// Values are cut to the new sizes only when some are longer: cutting every value doubles the copy.
qint64 copyLiveRows(Database& db, const TableDef& from, const TableDef& to, const TableUpgrade& upgrade, bool cut) {
    QStringList targets, sources, updates;
    for (const FieldDef& f : from.fields) {
        const FieldDef& target = to.fields[to.fieldNumber(f.name)];
        targets << quotedName(f.name);
        sources << (cut ? sizedColumn(target) : quotedName(f.name));
        if (targets.size() > 1) updates << QStringLiteral("%1=excluded.%1").arg(targets.last());
    }
    const QString key = targets.first();
    const QString conflict = updates.isEmpty() ? QStringLiteral("DO NOTHING")
                                               : QStringLiteral("DO UPDATE SET ") + updates.join(", ");
    const qint64 total = singleNumber(db, QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(from.name)));
    // The batch's last key, so each batch starts where the previous one ended.
    Statement last(db.handle(), QStringLiteral("SELECT max(k) FROM (SELECT %1 AS k FROM %2 WHERE %1 > ? ORDER BY %1 LIMIT %3)")
                                    .arg(key, quotedName(from.name))
                                    .arg(kBatch));
    Statement copy(db.handle(), QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 WHERE %5 > ?1 AND %5 <= ?2 ORDER BY %5 "
                                               "ON CONFLICT(%5) %6")
                                    .arg(quotedName(to.name), targets.join(", "), sources.join(", "), quotedName(from.name), key,
                                         conflict));
    qint64 done = 0;
    QString after;
    while (done < total) {
        last.bind(1, after);
        const bool more = last.step() && !last.isNull(0);
        const QString upTo = more ? last.text(0) : QString();
        last.reset();
        if (!more) break;
        copy.bind(1, after);
        copy.bind(2, upTo);
        while (copy.step()) {
        }
        copy.reset();
        done = std::min(total, done + kBatch);
        after = upTo;
        if (upgrade.progress) upgrade.progress(done, total);
    }
    return total;
}

}  // namespace

QString upgradeRefusal(const QList<QString>& liveFields, const QList<QString>& newFields, const QString& table) {
    if (liveFields.size() > newFields.size())
        return QStringLiteral("The copy process must be halted!  The Source file [") + table + QStringLiteral("] ") +
               QStringLiteral("field count exceeds the Destination file") + QStringLiteral(" [") + kDestination +
               QStringLiteral("] field count.") + QStringLiteral("\r\r Take note of the above file name and contact computer "
                                                                  "support.\r\rThis application will now close.");
    for (const QString& name : liveFields)
        if (!newFields.contains(name))
            return QStringLiteral("Table Upgrade Error!  The destination file [") + kDestination +
                   QStringLiteral("] does not contain a proper named ") +
                   QStringLiteral(" field. Contact your Pavilo! state support staff.\r\rUpgrade aborted.");
    return {};
}

QString keptCopyPath(const QString& dataFolder, const QDateTime& now) {
    const QString folder = QDir(dataFolder).filePath(QStringLiteral("Before upgrade ") +
                                                     now.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
    return QDir(folder).filePath(TableLocation::databaseFileName());
}

TableUpgradeResult upgradeTable(Database& live, const TableUpgrade& upgrade) {
    auto structure = openOutsideTable(upgrade.structureFile, upgrade.table);
    const TableDef from = live.describe(upgrade.table);
    const TableDef& newest = schema::table(upgrade.table);
    TableUpgradeResult result;
    result.keptCopy = keptCopyPath(upgrade.dataFolder, upgrade.now);
    if (!QDir().mkpath(QFileInfo(result.keptCopy).path()))
        throw StoreError(QStringLiteral("Cannot create the folder %1.").arg(QFileInfo(result.keptCopy).path()));
    live.copyTo(result.keptCopy);
    const QString refusal = upgradeRefusal(fieldNames(from), fieldNames(newest), upgrade.table);
    if (!refusal.isEmpty()) throw UpgradeHalted{refusal};

    TableDef staged = newest;
    staged.name = upgrade.table + QStringLiteral("_upgrade");
    staged.indexes.clear();
    Transaction tx(live);
    live.execute(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quotedName(staged.name)));
    live.createTable(staged);
    result.valuesCut = copyOutsideRows(*structure, upgrade.table, live, staged, true);
    const qint64 liveCuts = countCuts(live, from, staged);
    result.valuesCut += liveCuts;
    result.rows = copyLiveRows(live, from, staged, upgrade, liveCuts > 0);
    live.releaseStatements();
    live.execute(QStringLiteral("DROP TABLE %1").arg(quotedName(upgrade.table)));
    live.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quotedName(staged.name), quotedName(upgrade.table)));
    live.createIndexes(newest);
    {
        Table system(live.shared_from_this(), QStringLiteral("System"));
        for (const auto& [marker, description] : upgrade.markers) writeMarkerRow(system, marker, description, upgrade.now);
    }
    tx.commit();
    return result;
}

}  // namespace vn
