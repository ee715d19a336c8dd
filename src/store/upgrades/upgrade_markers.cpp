#include "store/upgrades/upgrade_markers.h"

#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/settings/table_date_time.h"

namespace vn {

namespace {

QString expand(const QString& table, const QString& what, int size) {
    return QStringLiteral("The %1 in the [%2] data file will be increased to %3 charactes.").arg(what, table).arg(size);
}

QString added(const QString& count, const QString& table) {
    return QStringLiteral("%1 will be added to the [%2] data file.").arg(count, table);
}

// Groups 3 to 5 share their sentences, only the table differs.
UpgradeGroup pageGroup(const QString& table, int codeA, int codeB, int codeC, int codeD) {
    const QString t = table;
    return {t,
            {{QStringLiteral("T") + t + QStringLiteral("061902"), codeA, expand(t, QStringLiteral("edit fields"), 90),
              QStringLiteral("Expand Selection Field")},
             {QStringLiteral("T") + t + QStringLiteral("120302"), codeB, added(QStringLiteral("Three new fields"), t),
              QStringLiteral("Add Three new fields")},
             {QStringLiteral("T") + t + QStringLiteral("081104"), codeC, added(QStringLiteral("Thirty new fields"), t),
              QStringLiteral("Add 30 new fields")},
             {QStringLiteral("T") + t + QStringLiteral("081604"), codeD, added(QStringLiteral("Fifty new fields"), t),
              QStringLiteral("Add 50 new fields")}}};
}

UpgradeGroup tenFields(const QString& table, int code) {
    return {table,
            {{QStringLiteral("T") + table + QStringLiteral("030703"), code, added(QStringLiteral("Ten new fields"), table),
              QStringLiteral("Add Ten Fields")}}};
}

QList<UpgradeGroup> makeGroups() {
    const QString fdis = QStringLiteral("Fdis");
    return {
        {fdis,
         {{QStringLiteral("TFdis061802"), 1, expand(fdis, QStringLiteral("caption field field"), 90),
           QStringLiteral("Expand Caption Field")},
          {QStringLiteral("TFdis120502"), 11, added(QStringLiteral("One new field"), fdis), QStringLiteral("Add One new field")},
          {QStringLiteral("TFdis021103"), 12, QStringLiteral("One field will be expanded in the [Fdis] data file."),
           QStringLiteral("Expand One Field")},
          {QStringLiteral("TFdis030803"), 16, QStringLiteral("Two fields will be added to the [Fdis] data file."),
           QStringLiteral("Two New Fields added")}}},
        {QStringLiteral("Selc"),
         {{QStringLiteral("TSelc061902"), 2, expand(QStringLiteral("Selc"), QStringLiteral("selection field"), 96),
           QStringLiteral("Expand Selection Field")}}},
        pageGroup(QStringLiteral("Pag1"), 3, 7, 18, 22),
        pageGroup(QStringLiteral("Pag2"), 4, 8, 19, 23),
        pageGroup(QStringLiteral("Pag3"), 5, 9, 20, 24),
        {QStringLiteral("List"),
         {{QStringLiteral("TList112202"), 6, added(QStringLiteral("One new field"), QStringLiteral("List")),
           QStringLiteral("Add one new field")},
          {QStringLiteral("TList081204"), 21, added(QStringLiteral("Three new fields"), QStringLiteral("List")),
           QStringLiteral("Add Three New Fields")}}},
        {QStringLiteral("Head"),
         {{QStringLiteral("THead120302"), 10, added(QStringLiteral("Three new fields"), QStringLiteral("Head")),
           QStringLiteral("Add Three new fields")}}},
        tenFields(QStringLiteral("Pag1"), 13),
        tenFields(QStringLiteral("Pag2"), 14),
        tenFields(QStringLiteral("Pag3"), 15),
        {fdis,
         {{QStringLiteral("TFdis081104"), 17, expand(fdis, QStringLiteral("Radio Button caption fields"), 30),
           QStringLiteral("Expand RB Caption Fields")}}},
        {QStringLiteral("Tdat"),
         {{QStringLiteral("TTdat082004"), 25, QStringLiteral("One field will be increased in size in the [Tdat] data file."),
           QStringLiteral("Expand One Field")}}},
    };
}

}  // namespace

const QList<FactoryTable>& factoryTables() {
    static const QList<FactoryTable> tables{
        {QStringLiteral("NTDsli051603"), QStringLiteral("Dsli"), QStringLiteral("New Dsli Tables")},
        {QStringLiteral("NTTdat081604"), QStringLiteral("Tdat"), QStringLiteral("New Tdat Tables")},
        {QStringLiteral("NTPag4081604"), QStringLiteral("Pag4"), QStringLiteral("New Pag4 Tables")},
        {QStringLiteral("NTPag5081604"), QStringLiteral("Pag5"), QStringLiteral("New Pag5 Tables")},
        {QStringLiteral("NTPag6081604"), QStringLiteral("Pag6"), QStringLiteral("New Pag6 Tables")},
    };
    return tables;
}

const QList<UpgradeGroup>& upgradeGroups() {
    static const QList<UpgradeGroup> groups = makeGroups();
    return groups;
}

QStringList allUpgradeMarkers() {
    QStringList markers;
    for (const FactoryTable& f : factoryTables()) markers << f.marker;
    for (const UpgradeGroup& g : upgradeGroups())
        for (const UpgradeMarker& m : g.markers) markers << m.marker;
    return markers;
}

QString upgradeInformation(int code) {
    static const QList<int> kLongTail{6, 10, 13, 14, 15, 21};
    QString sentence;
    for (const UpgradeGroup& g : upgradeGroups())
        for (const UpgradeMarker& m : g.markers)
            if (m.code == code) sentence = m.sentence;
    const QString tail = kLongTail.contains(code) ? QStringLiteral("This may take") : QStringLiteral("it may take");
    return QStringLiteral("Varnedo has detected a table update file! ") + sentence +
           QStringLiteral("  While this is a one time operation, ") + tail +
           QStringLiteral(" several minutes depending upon data volume.  Please be patient!  This process must be "
                          "allowed to finish. Normal operation will continue upon process completion.");
}

void writeMarkerRow(Table& system, const QString& marker, const QString& description, const QDateTime& now) {
    // Field numbers of the System table: description, date-time, done flag.
    constexpr int kValue = 1, kWritten = 2, kDone = 4;
    if (system.findKey(marker)) return;
    system.insert(marker);
    system.setText(kValue, description);
    system.setText(kWritten, formatTableDateTime(now));
    system.setText(kDone, QStringLiteral("T"));
    system.post();
}

void markAllUpgradesDone(Database& db, const QDateTime& now) {
    QHash<QString, QString> descriptions;
    for (const FactoryTable& f : factoryTables()) descriptions.insert(f.marker, f.description);
    for (const UpgradeGroup& g : upgradeGroups())
        for (const UpgradeMarker& m : g.markers) descriptions.insert(m.marker, m.description);
    Table system(db.shared_from_this(), QStringLiteral("System"));
    Transaction tx(db);
    for (const QString& marker : allUpgradeMarkers()) writeMarkerRow(system, marker, descriptions.value(marker), now);
    tx.commit();
}

}  // namespace vn
