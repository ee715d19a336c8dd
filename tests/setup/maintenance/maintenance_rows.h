#pragma once

#include "store/access/record_access.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace vn::test {

// Writes a row with the given fields (number, text); the rest stay empty.
inline void putRow(RecordAccess& access, int slot, const QString& key,
                   std::initializer_list<std::pair<int, QString>> fields = {}) {
    access.EnsureRecord(slot, key);
    for (const auto& [field, text] : fields) access.SetFieldText(slot, field, text);
    access.PostRecord(slot);
}

// A field of a row, or "(none)" when the row is missing.
inline QString fieldOf(RecordAccess& access, int slot, const QString& key, int field) {
    return access.FindRecord(slot, key) ? access.GetFieldText(slot, field) : QStringLiteral("(none)");
}

}  // namespace vn::test
