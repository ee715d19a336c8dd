#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace vn {

class Database;

// One table brought to its new layout: the live rows copied by field name into an empty table of
// the structure file's layout, which then takes the live table's place.
struct TableUpgrade {
    QString table;
    QString structureFile;
    QString dataFolder;  // the copy kept from before goes into a folder here
    QList<std::pair<QString, QString>> markers;  // marker, description: written with the commit
    QDateTime now = QDateTime::currentDateTime();
    std::function<void(qint64 done, qint64 total)> progress;  // rows copied so far
};

struct TableUpgradeResult {
    QString keptCopy;  // the whole database as it was before
    qint64 rows = 0;
    qint64 valuesCut = 0;
};

// The copy cannot go on: the message is the one the user gets. Nothing was changed.
struct UpgradeHalted {
    QString message;
};

// The live table's fields that the new layout refuses, as the user is told: a field count over the
// new one, or a field name it lacks. Empty when every live field has its place.
QString upgradeRefusal(const QList<QString>& liveFields, const QList<QString>& newFields, const QString& table);

// Keeps a copy of the whole database, then copies and replaces the table and writes the markers in
// one transaction: any failure rolls it all back and leaves the kept copy. Throws UpgradeHalted or
// StoreError.
TableUpgradeResult upgradeTable(Database& live, const TableUpgrade& upgrade);

// "<dataFolder>/Before upgrade yyyy-MM-dd hh-mm-ss/Varnedo1.db"
QString keptCopyPath(const QString& dataFolder, const QDateTime& now);

}  // namespace vn
