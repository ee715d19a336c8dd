#include "requests/builder/field_list.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"

namespace vn {

namespace {

constexpr int kTitleField = 2;
constexpr int kSuffixField = 6;

constexpr const char* kHeaderCaptions[field_numbers::kHeaderFields] = {
    "Record Key", "Title",   "First",     "M.I.",      "Last", "Suffix", "Home Phone", "Work Phone",
    "Email",      "Position / Title", "Company", "Address 1", "Address 2", "City", "State", "Zip"};

TargetInput pageInput(const FieldDefinition& definition) {
    switch (definition.kind) {
    case FieldKind::Text:
        return definition.hasList || definition.exclusive ? TargetInput::SelectionList : TargetInput::Edit;
    case FieldKind::CheckBox: return TargetInput::CheckBoxList;
    case FieldKind::RadioGroup: return TargetInput::RadioList;
    default: return TargetInput::Edit;
    }
}

QList<TargetEntry> shownButtons(const FieldDefinition& definition) {
    QList<TargetEntry> buttons;
    for (int number : definition.shownButtons()) buttons.append({definition.buttons[number - 1], QString::number(number)});
    return buttons;
}

std::optional<FieldChoice> pageField(const FieldDefinition& definition, int page) {
    if (!definition.active) return std::nullopt;
    const std::optional<int> column = ColumnMap::recordColumn(definition.kind, definition.slot);
    if (!column) return std::nullopt;  // labels, links, tables, slots beyond the kind's room
    FieldChoice choice;
    choice.field = {page, *column + 1};
    choice.identifier = definition.key;
    choice.definitionPosition = definition.number();
    choice.caption = choice.piece = definition.caption;
    choice.input = pageInput(definition);
    choice.slot = definition.slot;
    if (choice.input == TargetInput::RadioList) choice.buttons = shownButtons(definition);
    return choice;
}

FieldGrid grid(const FieldDefinition& table, const TableConstruction& construction, int page) {
    FieldGrid grid;
    grid.title = construction.name;
    const int columns = std::min(construction.columnCount, ColumnMap::kTableColumns);
    const int rows = std::min(construction.rowCount, ColumnMap::kTableRows);
    for (int c = 1; c <= columns; ++c) grid.columnTitles << construction.columns[c].title;
    for (int r = 1; r <= rows; ++r) grid.rowTitles << construction.rowNames[r - 1];
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            FieldChoice cell;
            cell.field = {page, *ColumnMap::tableCellColumn(r, c) + 1};
            cell.identifier = table.key;
            cell.definitionPosition = table.number();
            cell.piece = QStringLiteral("T:%1 C:%2 R:%3").arg(grid.title, grid.columnTitles[c - 1], grid.rowTitles[r - 1]);
            cell.gridCell = true;
            grid.cells.append(cell);
        }
    }
    return grid;
}

PageFields pageFields(const DefinitionCache& definitions, int page) {
    PageFields fields;
    fields.inUse = definitions.definitionCount(page) > 0;
    for (const FieldDefinition& definition : definitions.pageDefinitions(page)) {
        if (definition.kind == FieldKind::Table && definition.active && !fields.grid)
            fields.grid = grid(definition, definitions.tableConstruction(page), page);
        else if (auto choice = pageField(definition, page)) fields.fields.append(*choice);
    }
    return fields;
}

}  // namespace

const FieldChoice* FieldGrid::cell(int row, int column) const {
    const qsizetype columns = columnTitles.size();
    if (row < 1 || row > rowTitles.size() || column < 1 || column > columns) return nullptr;
    return &cells[(row - 1) * columns + column - 1];
}

const FieldChoice* ListFields::find(const FieldRef& field) const {
    if (field.page < kHeaderPage || field.page > kLastPage) return nullptr;
    const PageFields& page = pages[field.page];
    for (const FieldChoice& choice : page.fields)
        if (choice.field == field) return &choice;
    if (page.grid)
        for (const FieldChoice& cell : page.grid->cells)
            if (cell.field == field) return &cell;
    return nullptr;
}

PageFields headerFields() {
    PageFields header;
    header.inUse = true;
    for (int number = 1; number <= field_numbers::kHeaderFields; ++number) {
        FieldChoice choice;
        choice.field = {kHeaderPage, number};
        choice.definitionPosition = number;
        choice.caption = choice.piece = QString::fromLatin1(kHeaderCaptions[number - 1]);
        if (number == kTitleField) choice.input = TargetInput::TitleList;
        if (number == kSuffixField) choice.input = TargetInput::SuffixList;
        header.fields.append(choice);
    }
    return header;
}

ListFields listFields(const DefinitionCache& definitions) {
    ListFields list;
    list.pages[kHeaderPage] = headerFields();
    for (int page = 1; page <= kLastPage; ++page) list.pages[page] = pageFields(definitions, page);
    return list;
}

}  // namespace vn
