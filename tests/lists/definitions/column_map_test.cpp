#include "lists/definitions/column_map.h"

#include <gtest/gtest.h>

#include <set>

using namespace vn;

namespace {

TEST(ColumnMap, FieldsOwnTheirKindsColumnsWithinCapacity) {
    struct Case {
        FieldKind kind;
        int slot;
        std::optional<int> column;
    };
    const Case cases[] = {
        {FieldKind::Text, 1, 1},          {FieldKind::Text, 20, 20},      {FieldKind::Text, 21, std::nullopt},
        {FieldKind::Text, 0, std::nullopt}, {FieldKind::CheckBox, 1, 21}, {FieldKind::CheckBox, 3, 23},
        {FieldKind::CheckBox, 40, 60},    {FieldKind::CheckBox, 41, std::nullopt},
        {FieldKind::RadioGroup, 2, 62},   {FieldKind::RadioGroup, 10, 70}, {FieldKind::RadioGroup, 11, std::nullopt},
        {FieldKind::Memo, 1, 121},        {FieldKind::Memo, 2, std::nullopt},
        {FieldKind::Label, 1, std::nullopt}, {FieldKind::Link, 1, std::nullopt},
        {FieldKind::Table, 1, std::nullopt}, {FieldKind::None, 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnMap::recordColumn(c.kind, c.slot), c.column) << int(c.kind) << " slot " << c.slot;
}

TEST(ColumnMap, TableCellsFillColumns71To120RowByRow) {
    struct Case {
        int row;
        int column;
        std::optional<int> record;
    };
    const Case cases[] = {
        {1, 1, 71}, {1, 5, 75}, {2, 1, 76}, {3, 2, 82}, {10, 5, 120},
        {0, 1, std::nullopt}, {11, 1, std::nullopt}, {1, 0, std::nullopt}, {1, 6, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnMap::tableCellColumn(c.row, c.column), c.record) << c.row << "," << c.column;
}

// Two fields of a page sharing a column would overwrite each other's values.
TEST(ColumnMap, EveryRecordColumnBelongsToExactlyOneField) {
    std::multiset<int> owned;
    for (int code = 1; code <= kFieldKindCount; ++code) {
        const auto kind = FieldKind(code);
        for (int slot = 1; slot <= ColumnMap::capacity(kind); ++slot)
            if (const auto column = ColumnMap::recordColumn(kind, slot)) owned.insert(*column);
    }
    for (int row = 1; row <= ColumnMap::kTableRows; ++row)
        for (int column = 1; column <= ColumnMap::kTableColumns; ++column)
            owned.insert(*ColumnMap::tableCellColumn(row, column));
    for (int column = 1; column <= ColumnMap::kLastColumn; ++column) EXPECT_EQ(owned.count(column), 1u) << column;
    EXPECT_EQ(owned.size(), std::size_t(ColumnMap::kLastColumn));
}

}  // namespace
