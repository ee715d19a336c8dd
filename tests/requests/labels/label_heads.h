#pragma once

#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

#include <initializer_list>
#include <utility>

namespace vn::test {

// A Head row with the fields given by number (2 First, 3 M.I., 4 Last, 11 Address 1, ...).
inline void putHead(RecordAccess& access, const QString& key, std::initializer_list<std::pair<int, QString>> fields) {
    access.EnsureRecord(kHeadSlot, key);
    for (const auto& [field, value] : fields) access.SetFieldText(kHeadSlot, field, value);
}

}  // namespace vn::test
