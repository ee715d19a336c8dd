#include "interchange/command/whole_list_order.h"

#include "interchange/files/field_reference.h"
#include "lists/definitions/definition_cache.h"

namespace vn {

namespace {

void addTableCells(QList<OrderEntry>& order, const DefinitionCache& definitions, int page) {
    const TableConstruction& table = definitions.tableConstruction(page);
    for (int column = 1; column <= table.columnCount; ++column)
        for (int row = 1; row <= table.rowCount; ++row)
            if (const auto place = ColumnMap::tableCellColumn(row, column))
                order.append(orderEntryOf(definitions, {page, *place}));
}

void addPage(QList<OrderEntry>& order, const DefinitionCache& definitions, int page) {
    bool tableDone = false;  // a page has one table construction
    for (const FieldDefinition& d : definitions.pageDefinitions(page)) {
        if (!d.active) continue;
        if (d.kind == FieldKind::Table && !tableDone) {
            addTableCells(order, definitions, page);
            tableDone = true;
        } else if (const auto column = d.recordColumn()) {
            order.append(orderEntryOf(definitions, {page, *column}));
        }
    }
}

}  // namespace

QList<OrderEntry> wholeListOrder(const DefinitionCache& definitions) {
    QList<OrderEntry> order;
    for (int column = 1; column <= kHeaderFieldCount; ++column) order.append(orderEntryOf(definitions, {0, column}));
    for (int page = 1; page <= kPagesPerList; ++page) addPage(order, definitions, page);
    return order;
}

}  // namespace vn
