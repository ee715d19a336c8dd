#include "interchange/export/field_order.h"

#include <algorithm>

namespace vn {

int FieldOrder::choose(const OrderEntry& entry) {
    if (const auto number = numberOf(entry.field)) return *number;
    m_entries.append(entry);
    return count();
}

bool FieldOrder::unchoose(FieldRef field) {
    const auto number = numberOf(field);
    if (!number) return false;
    m_entries.removeAt(*number - 1);  // the entries after it move down one number
    return true;
}

void FieldOrder::clear() { m_entries.clear(); }

std::optional<int> FieldOrder::numberOf(FieldRef field) const {
    const auto at = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                 [field](const OrderEntry& entry) { return entry.field == field; });
    if (at == m_entries.cend()) return std::nullopt;
    return int(at - m_entries.cbegin()) + 1;
}

QStringList orderCaptions(const QList<OrderEntry>& entries) {
    QStringList captions;
    captions.reserve(entries.size());
    for (const OrderEntry& entry : entries) captions << entry.caption;
    return captions;
}

}  // namespace vn
