#pragma once

#include "lists/definitions/column_map.h"

#include <QString>
#include <array>

namespace vn {

struct TableColumn {
    int size = 0;  // characters; for column 0 (the row names) the width in pixels
    QString title;

    bool operator==(const TableColumn&) const = default;
};

// The Tdat row of a page's table field. Values beyond the counts are kept as they are: rewrites
// leave them alone, so shrinking a table and growing it again brings them back.
struct TableConstruction {
    QString name;
    int columnCount = 0;  // data columns, 1..5
    int rowCount = 0;     // 1..10
    std::array<TableColumn, ColumnMap::kTableColumns + 1> columns;  // [0] is the column of row names
    std::array<QString, ColumnMap::kTableRows> rowNames;            // row r at [r - 1]

    bool operator==(const TableConstruction&) const = default;
};

}  // namespace vn
