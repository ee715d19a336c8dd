#pragma once

#include <QString>
#include <QStringList>
#include <compare>
#include <optional>

namespace vn {

class DefinitionCache;

inline constexpr int kHeaderFieldCount = 15;

// Head fields 1 to 15 as the import and export views caption them: "Title" ... "Zip".
const QStringList& headerFieldCaptions();

// One value of a record: source 0 is the header (Head column 1-15), 1-6 a page table (column 1-121,
// as ColumnMap places the page's fields). The identity of a box in the import and export views.
struct FieldRef {
    int source = 0;
    int column = 0;

    bool isHeader() const { return source == 0; }
    int tableSlot() const;  // kHeadSlot or the page table's slot
    auto operator<=>(const FieldRef&) const = default;
};

// What a page column holds, read back from ColumnMap's rule: the kind's box and its slot, or a
// table cell (row 1-10, column 1-5).
struct PageColumn {
    enum class Kind { Text, CheckBox, RadioGroup, TableCell, Memo };
    Kind kind = Kind::Text;
    int slot = 0;      // text, check box, radio group
    int cellRow = 0;   // table cell
    int cellColumn = 0;
};
std::optional<PageColumn> pageColumn(int column);

// "T:" + page + "C:" + column + "R:" + row: how a table cell is named in a field order.
QString tableCellCaption(int page, int row, int column);

// The caption a field shows in the views of the list: the header caption, the active definition's
// caption (a radio group's title), the cell name; empty when the list has no such active field.
QString fieldCaption(const DefinitionCache& definitions, FieldRef field);

}  // namespace vn
