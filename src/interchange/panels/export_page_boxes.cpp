#include "interchange/panels/export_page_boxes.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"

namespace vn {

namespace {

// The definition's box, when its kind has boxes left on the page.
void addBox(QList<ExportBox>& boxes, int capacity, int page, const FieldDefinition& definition) {
    const auto column = ColumnMap::recordColumn(definition.kind, definition.slot);
    if (!column || boxes.size() >= capacity) return;
    boxes.append({definition.caption, FieldRef{page, *column}, definition.kind == FieldKind::Text && definition.hasList});
}

ExportTable tableOf(const TableConstruction& construction) {
    ExportTable table;
    table.name = construction.name;
    table.rows = qBound(0, construction.rowCount, ColumnMap::kTableRows);
    table.columns = qBound(0, construction.columnCount, ColumnMap::kTableColumns);
    for (int c = 1; c <= table.columns; ++c) table.columnTitles << construction.columns[std::size_t(c)].title;
    for (int r = 1; r <= table.rows; ++r) table.rowNames << construction.rowNames[std::size_t(r - 1)];
    return table;
}

}  // namespace

const ExportBox* ExportPageBoxes::find(FieldRef field) const {
    for (const QList<ExportBox>* group : {&texts, &checks, &radios})
        for (const ExportBox& box : *group)
            if (box.field == field) return &box;
    if (memo && memo->field == field) return &*memo;
    return nullptr;
}

ExportPageBoxes exportPageBoxes(const DefinitionCache& definitions, int page) {
    ExportPageBoxes boxes;
    boxes.page = page;
    for (const FieldDefinition& definition : definitions.pageDefinitions(page)) {
        if (!definition.active) continue;
        switch (definition.kind) {
        case FieldKind::Text: addBox(boxes.texts, ExportPageBoxes::kTextBoxes, page, definition); break;
        case FieldKind::CheckBox: addBox(boxes.checks, ExportPageBoxes::kCheckBoxes, page, definition); break;
        case FieldKind::RadioGroup: addBox(boxes.radios, ExportPageBoxes::kRadioBoxes, page, definition); break;
        case FieldKind::Memo:
            boxes.memo = ExportBox{definition.caption, FieldRef{page, ColumnMap::kMemoColumn}, false};
            break;
        case FieldKind::Table: boxes.table = tableOf(definitions.tableConstruction(page)); break;
        default: break;  // labels and links hold no value
        }
    }
    return boxes;
}

FieldRef exportCellField(int page, int row, int column) {
    return FieldRef{page, ColumnMap::tableCellColumn(row, column).value_or(0)};
}

}  // namespace vn
