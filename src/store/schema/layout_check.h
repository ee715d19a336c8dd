#pragma once

#include <QString>
#include <QStringList>

namespace vn {
class Database;
struct TableDef;
}

namespace vn::schema {

// How the tables of a database compare with the layouts the program reads them by. Fields are
// read by position, so a table whose columns differ in any way must never be read.
struct LayoutFinding {
    enum class Kind { Fits, MissingTables, OlderLayout, Damaged };
    Kind kind = Kind::Fits;
    QStringList missingTables;  // in catalogue order
    QString table;              // the first table that does not fit (OlderLayout, Damaged)
    QString detail;             // what is wrong, in the user's words
};

LayoutFinding checkLayout(const Database& db);

// One table as stored against its layout: empty when it fits, else what is wrong.
QString tableLayoutProblem(const TableDef& stored);

}  // namespace vn::schema
