#include "lists/definitions/column_map.h"

#include <array>

namespace vn {

namespace {

struct KindColumns {
    int capacity;
    int columnBeforeFirst;  // column of slot k = this + k; -1 when the kind owns no single column
};

// Indexed by the kind's code.
constexpr std::array<KindColumns, kFieldKindCount + 1> kKinds{{
    {0, -1},    // None
    {20, 0},    // text field: 1-20
    {1, 120},   // memo: 121
    {40, 20},   // check box: 21-60
    {10, 60},   // radio group: 61-70
    {20, -1},   // label
    {1, -1},    // link
    {1, -1},    // table: cells 71-120, see tableCellColumn
}};

constexpr int kColumnBeforeFirstCell = 70;

const KindColumns& columnsOf(FieldKind kind) {
    const int code = int(kind);
    return kKinds[code >= 0 && code <= kFieldKindCount ? code : 0];
}

}  // namespace

int ColumnMap::capacity(FieldKind kind) { return columnsOf(kind).capacity; }

std::optional<int> ColumnMap::recordColumn(FieldKind kind, int slot) {
    const KindColumns& columns = columnsOf(kind);
    if (columns.columnBeforeFirst < 0 || slot < 1 || slot > columns.capacity) return std::nullopt;
    return columns.columnBeforeFirst + slot;
}

std::optional<int> ColumnMap::tableCellColumn(int row, int column) {
    if (row < 1 || row > kTableRows || column < 1 || column > kTableColumns) return std::nullopt;
    return kColumnBeforeFirstCell + kTableColumns * (row - 1) + column;
}

}  // namespace vn
