#pragma once

#include "interchange/export/field_order.h"

namespace vn {

class DefinitionCache;

// Every field of the list, as an export without a layout writes them: the 15 header fields, then
// page by page every active field in definition-number order (text, check box, radio group, memo;
// a table's cells column by column), captioned as the export view shows them.
QList<OrderEntry> wholeListOrder(const DefinitionCache& definitions);

}  // namespace vn
