#pragma once

#include <QString>

namespace vn {

// Where a catalogue table lives: the database file of its data set and the table's name in it.
// The original's file names (Parm1.db, Pag11.db, System.db) map onto these.
struct TableLocation {
    QString databasePath;
    QString table;

    static QString databaseFileName(int dataSet = 1);  // "Varnedo1.db"
    // The data table of a slot in a data folder.
    static TableLocation dataTable(const QString& dataFolder, int slot);
    // A legacy table file name in a data folder ("Pag11.db", "System.db"); empty table when the
    // name is no catalogue file.
    static TableLocation fromFileName(const QString& dataFolder, const QString& fileName);

    bool operator==(const TableLocation&) const = default;
};

}  // namespace vn
