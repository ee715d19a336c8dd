#include "interchange/fields/field_ref.h"

#include "lists/definitions/column_map.h"
#include "lists/definitions/definition_cache.h"
#include "lists/records/record_tables.h"

namespace vn {

namespace {

// The kinds that hold one value in one column, in column order.
constexpr FieldKind kColumnKinds[] = {FieldKind::Text, FieldKind::CheckBox, FieldKind::RadioGroup, FieldKind::Memo};

PageColumn::Kind pageColumnKind(FieldKind kind) {
    switch (kind) {
    case FieldKind::CheckBox: return PageColumn::Kind::CheckBox;
    case FieldKind::RadioGroup: return PageColumn::Kind::RadioGroup;
    case FieldKind::Memo: return PageColumn::Kind::Memo;
    default: return PageColumn::Kind::Text;
    }
}

FieldKind fieldKindOf(PageColumn::Kind kind) {
    switch (kind) {
    case PageColumn::Kind::CheckBox: return FieldKind::CheckBox;
    case PageColumn::Kind::RadioGroup: return FieldKind::RadioGroup;
    case PageColumn::Kind::Memo: return FieldKind::Memo;
    case PageColumn::Kind::TableCell: return FieldKind::Table;
    default: return FieldKind::Text;
    }
}

}  // namespace

const QStringList& headerFieldCaptions() {
    static const QStringList captions = {
        QStringLiteral("Title"),     QStringLiteral("First"),      QStringLiteral("M.I."),
        QStringLiteral("Last"),      QStringLiteral("Suffix"),     QStringLiteral("Home Phone"),
        QStringLiteral("Work Phone"), QStringLiteral("Email"),     QStringLiteral("Position/Title"),
        QStringLiteral("Company"),   QStringLiteral("Address 1"),  QStringLiteral("Address 2"),
        QStringLiteral("City"),      QStringLiteral("State"),      QStringLiteral("Zip")};
    return captions;
}

int FieldRef::tableSlot() const { return source == 0 ? kHeadSlot : pageSlot(source); }

std::optional<PageColumn> pageColumn(int column) {
    for (FieldKind kind : kColumnKinds) {
        for (int slot = 1; slot <= ColumnMap::capacity(kind); ++slot)
            if (ColumnMap::recordColumn(kind, slot) == column) return PageColumn{pageColumnKind(kind), slot, 0, 0};
    }
    for (int row = 1; row <= ColumnMap::kTableRows; ++row)
        for (int cell = 1; cell <= ColumnMap::kTableColumns; ++cell)
            if (ColumnMap::tableCellColumn(row, cell) == column)
                return PageColumn{PageColumn::Kind::TableCell, 0, row, cell};
    return std::nullopt;
}

QString tableCellCaption(int page, int row, int column) {
    return QStringLiteral("T:%1C:%2R:%3").arg(page).arg(column).arg(row);
}

QString fieldCaption(const DefinitionCache& definitions, FieldRef field) {
    if (field.isHeader()) return headerFieldCaptions().value(field.column - 1);
    const auto place = pageColumn(field.column);
    if (!place || field.source < 1 || field.source > kPageCount) return QString();
    const FieldKind kind = fieldKindOf(place->kind);
    for (const FieldDefinition& definition : definitions.pageDefinitions(field.source)) {
        if (!definition.active || definition.kind != kind) continue;
        if (kind == FieldKind::Table) return tableCellCaption(field.source, place->cellRow, place->cellColumn);
        if (definition.slot == place->slot) return definition.caption;
    }
    return QString();
}

}  // namespace vn
