#pragma once

#include "lists/definitions/definition_tables.h"
#include "store/access/record_access.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace vn::test {

using FieldValues = std::initializer_list<std::pair<int, QString>>;

// Stores a row as another version of the program would have left it.
inline void putRow(RecordAccess& access, int slot, const QString& key, FieldValues fields) {
    access.EnsureRecord(slot, key);
    for (const auto& [field, value] : fields) access.SetFieldText(slot, field, value);
}

// An active definition row of the kind and slot.
inline void putDefinition(RecordAccess& access, const QString& key, int kind, int slot, FieldValues more = {}) {
    putRow(access, kFdisSlot, key, {{1, "1"}, {2, QString::number(kind)}, {3, QString::number(slot)}});
    putRow(access, kFdisSlot, key, more);
}

}  // namespace vn::test
