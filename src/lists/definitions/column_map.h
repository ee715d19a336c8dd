#pragma once

#include "lists/definitions/field_kind.h"

#include <optional>

namespace vn {

// The one rule tying a page field to the Pag1..Pag6 record column that holds its value, and how
// many fields of each kind a page may hold. Slots are 1-based among the page's fields of a kind.
class ColumnMap {
public:
    static constexpr int kDefinitionsPerPage = 83;
    static constexpr int kTableRows = 10;
    static constexpr int kTableColumns = 5;
    static constexpr int kMemoColumn = 121;
    static constexpr int kLastColumn = kMemoColumn;

    // Fields of the kind a page may hold; 0 for None.
    static int capacity(FieldKind kind);
    // The column of a text field, memo field, check box or radio group; nothing for kinds that
    // hold no value in one column (labels, links, tables) or a slot beyond the kind's capacity.
    static std::optional<int> recordColumn(FieldKind kind, int slot);
    // The column of a table cell, row 1..10, column 1..5.
    static std::optional<int> tableCellColumn(int row, int column);
};

}  // namespace vn
