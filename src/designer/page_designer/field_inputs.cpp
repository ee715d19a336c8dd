#include "designer/page_designer/field_inputs.h"

#include "designer/page_designer/field_sizes.h"
#include "lists/pages/page_geometry.h"

#include <algorithm>

namespace vn {

namespace {

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

bool tableComplete(const TableConstruction& t) {
    if (!inRange(t.columnCount, 1, ColumnMap::kTableColumns) || !inRange(t.rowCount, 1, ColumnMap::kTableRows))
        return false;
    const auto columns = t.columns.begin() + 1;
    const auto columnsEnd = columns + t.columnCount;
    const bool titled = std::any_of(columns, columnsEnd, [](const TableColumn& c) { return !c.title.isEmpty(); });
    const bool sized = std::any_of(columns, columnsEnd, [](const TableColumn& c) { return c.size > 0; });
    const bool named = std::any_of(t.rowNames.begin(), t.rowNames.begin() + t.rowCount,
                                   [](const QString& name) { return !name.isEmpty(); });
    return titled && sized && named;
}

bool columnSizesChanged(const TableConstruction& before, const TableConstruction& after) {
    for (int c = 1; c <= ColumnMap::kTableColumns; ++c)
        if (before.columns[c].size != after.columns[c].size) return true;
    return false;
}

// Characters per line of a text field or label: what fits between the bounds.
bool boundedCharacters(int& characters) {
    characters = std::max(characters, 0);
    if (characters <= kMaxFieldCharacters) return false;
    characters = kMaxFieldCharacters;
    return true;
}

}  // namespace

FieldInputs newFieldInputs(FieldKind kind) {
    FieldInputs inputs;
    if (kind == FieldKind::Label) inputs.fontSize = kLabelFontSize;
    return inputs;
}

FieldInputs inputsFromDefinition(const FieldDefinition& d, const TableConstruction& table) {
    FieldInputs in;
    in.name = d.caption;
    switch (d.kind) {
    case FieldKind::Text:
        in.size = d.width / 10 - 1;
        in.characterType = d.characterType;
        in.required = d.required;
        in.readOnly = d.readOnly;
        in.standardList = d.hasList && !d.exclusive;
        in.exclusiveList = d.exclusive;
        break;
    case FieldKind::RadioGroup: in.buttons = d.buttons; break;
    case FieldKind::Label:
        in.labelWidth = (d.width - 10) / 10;
        in.fontSize = d.shownFontSize();
        in.colour = d.colour;
        in.bold = d.size == 1;
        break;
    case FieldKind::Table:
        in.name = table.name;
        in.table = table;
        break;
    default: break;
    }
    return in;
}

bool canPlace(FieldKind kind, const FieldInputs& in) {
    switch (kind) {
    case FieldKind::Text: return !in.name.isEmpty() && in.size > 0 && in.characterType != CharacterType::None;
    case FieldKind::Memo:
    case FieldKind::CheckBox:
    case FieldKind::Link: return !in.name.isEmpty();
    case FieldKind::RadioGroup:
        return std::any_of(in.buttons.begin() + 1, in.buttons.end(), [](const QString& b) { return !b.isEmpty(); });
    case FieldKind::Label: return !in.name.isEmpty() && in.labelWidth > 0;
    case FieldKind::Table: return tableComplete(in.table);
    case FieldKind::None: break;
    }
    return false;
}

CheckedInputs checkInputs(FieldKind kind, const FieldInputs& before, FieldInputs after, const TextMeasure& measure) {
    InputNotice notice = InputNotice::None;
    switch (kind) {
    case FieldKind::Text:
        if (boundedCharacters(after.size)) notice = InputNotice::TooWide;
        break;
    case FieldKind::Label:
        after.name.truncate(kLabelTextLength);
        if (boundedCharacters(after.labelWidth)) notice = InputNotice::TooWide;
        break;
    case FieldKind::Table: {
        TableConstruction& t = after.table;
        if (!inRange(t.columnCount, 1, ColumnMap::kTableColumns)) t.columnCount = before.table.columnCount;
        if (!inRange(t.rowCount, 1, ColumnMap::kTableRows)) t.rowCount = before.table.rowCount;
        if (columnSizesChanged(before.table, t) && tableColumnsWidth(tableFromInputs(after, measure)) > page::kTableMaxWidth)
            notice = InputNotice::TableTooWide;
        break;
    }
    default: break;
    }
    return {std::move(after), notice};
}

void applyInputs(FieldDefinition& d, const FieldInputs& in, const TextMeasure& measure) {
    d.caption = in.name;
    if (d.kind != FieldKind::Memo) {
        const QSize size = fieldSize(d.kind, in, measure);
        d.width = size.width();
        d.height = size.height();
    }
    switch (d.kind) {
    case FieldKind::Text:
        d.size = in.size;
        d.characterType = in.characterType;
        d.required = in.required;
        d.readOnly = in.readOnly;
        d.hasList = in.standardList || in.exclusiveList;
        d.exclusive = in.exclusiveList;
        break;
    case FieldKind::RadioGroup:
        for (int n = 1; n <= FieldDefinition::kButtons; ++n) d.setButton(n, in.buttons[n - 1]);
        d.buttonCount = int(d.shownButtons().size());
        break;
    case FieldKind::Label:
        d.size = in.bold ? 1 : 0;
        d.fontSize = in.fontSize > 0 ? in.fontSize : kLabelFontSize;
        d.colour = in.colour;
        break;
    case FieldKind::Link:
        d.fontSize = kLinkFontSize;
        d.colour = kLinkColour;
        break;
    default: break;
    }
}

}  // namespace vn
