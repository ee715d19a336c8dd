#pragma once

#include "interchange/export/field_order.h"

#include <QStringList>

namespace vn {

class RecordAccess;

// Selection-list text fields: the stored text, or its item's display position (0 to n-1) when it
// is an item of the field's list.
enum class SelectionOutput : int { Text = 1, Index = 2 };

// The values of a record for the order's entries: header fields from Head, page fields from the
// page table (empty when the record has no row there).
QStringList exportValues(RecordAccess& access, const QString& listCode, const QString& key,
                         const QList<OrderEntry>& order, SelectionOutput selection);

}  // namespace vn
