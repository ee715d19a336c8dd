#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vn {

// What a column of an outside table holds, as far as an import cares.
enum class ForeignType { Text, Integer, Floating, Currency, Bcd, Date, Time, DateTime, Logical, Memo, Binary };

struct ForeignColumn {
    QString name;
    ForeignType type = ForeignType::Text;

    // Binary and OLE columns cannot be imported into text fields.
    bool isMappable() const { return type != ForeignType::Binary; }
};

// Where reading an outside table stopped: what is wrong, naming the file and the block or row.
struct ForeignProblem {
    QString message;
};

// One table of an outside database, read only and row by row; every value as text (see
// foreign_values.h for how numbers, dates and logicals are written). A reader checks the file's
// header before it hands out a row and each row before it hands it out.
class ForeignTable {
public:
    virtual ~ForeignTable() = default;

    virtual const QList<ForeignColumn>& columns() const = 0;
    // The rows the file says it holds (checked against the file's size).
    virtual qint64 rowCount() const = 0;
    // The next row's values in column order; false at the end, or with problem set when the row
    // cannot be read.
    virtual bool nextRow(QStringList& values, ForeignProblem& problem) = 0;
};

}  // namespace vn
