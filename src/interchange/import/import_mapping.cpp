#include "interchange/import/import_mapping.h"

namespace vn {

bool ImportMapping::map(int field, FieldRef target) {
    if (field < 1 || field > m_maxFields || m_fields.contains(target)) return false;
    m_fields.emplace(target, field);
    return true;
}

void ImportMapping::unmap(FieldRef target) { m_fields.erase(target); }

void ImportMapping::clear() { m_fields.clear(); }

std::optional<int> ImportMapping::fieldOf(FieldRef target) const {
    const auto found = m_fields.find(target);
    if (found == m_fields.end()) return std::nullopt;
    return found->second;
}

QList<FieldRef> ImportMapping::targetsOf(int field) const {
    QList<FieldRef> targets;
    for (const auto& [target, mapped] : m_fields)
        if (mapped == field) targets.append(target);
    return targets;
}

QList<int> ImportMapping::mappedFields() const {
    QList<int> fields;
    for (const auto& entry : m_fields) fields.append(entry.second);
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());
    return fields;
}

int ImportMapping::count() const { return int(m_fields.size()); }

int ImportMapping::highestPage() const {
    int page = 0;
    for (const auto& entry : m_fields) page = std::max(page, entry.first.source);
    return page;
}

}  // namespace vn
