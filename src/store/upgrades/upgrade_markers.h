#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

class Database;
class Table;

// A factory table a new version delivers: loaded once, remembered by its System marker.
struct FactoryTable {
    QString marker;
    QString table;
    QString description;
};

// One change of a table's layout, remembered by its System marker.
struct UpgradeMarker {
    QString marker;
    int code = 0;
    QString sentence;     // what the user is told
    QString description;  // stored in the marker's row
};

// A table whose new layout brings one to four changes (A to D) in one copy.
struct UpgradeGroup {
    QString table;
    QList<UpgradeMarker> markers;
};

const QList<FactoryTable>& factoryTables();
const QList<UpgradeGroup>& upgradeGroups();
// Every marker, factory tables first: a database made by this program holds them all as done.
QStringList allUpgradeMarkers();
// The text shown for a change code: the detection note, the sentence and the tail.
QString upgradeInformation(int code);

// Writes the marker's done row on a cursor over System, unless it has one.
void writeMarkerRow(Table& system, const QString& marker, const QString& description, const QDateTime& now);

// Writes a done row for every marker missing in the System table of db.
void markAllUpgradesDone(Database& db, const QDateTime& now);

}  // namespace vn
