#include "lists/pages/page_geometry.h"

namespace vn {

QSize tableExtent(const TableConstruction& table) {
    int width = table.columns[0].size + 3;
    for (int c = 1; c <= table.columnCount && c <= ColumnMap::kTableColumns; ++c) width += table.columns[c].size * 10 + 3;
    return {width + 6, 17 * (table.rowCount + 2) + 3};
}

int tableColumnsWidth(const TableConstruction& table) {
    int width = table.columns[0].size + 3;
    for (int c = 1; c <= ColumnMap::kTableColumns; ++c) width += table.columns[c].size * 10 + 3;
    return width;
}

}  // namespace vn
