#pragma once

#include "interchange/fields/field_ref.h"

#include <QList>
#include <algorithm>
#include <map>
#include <optional>

namespace vn {

// Which import field fills which target: import fields 1 to 120 (or to a told highest number),
// each to any number of targets (header fields and page fields); a target takes one import field.
// Every target mapped is filled.
class ImportMapping {
public:
    static constexpr int kMaxFields = 120;

    ImportMapping() = default;
    explicit ImportMapping(int maxFields) : m_maxFields(maxFields) {}

    // False when the number is outside 1 to the highest or the target already has a field.
    bool map(int field, FieldRef target);
    void unmap(FieldRef target);
    void clear();

    std::optional<int> fieldOf(FieldRef target) const;
    QList<FieldRef> targetsOf(int field) const;  // in FieldRef order
    QList<int> mappedFields() const;             // ascending, each once
    int count() const;                           // targets mapped
    bool isEmpty() const { return m_fields.empty(); }
    int highestPage() const;                     // the highest page mapped, 0 for the header only
    // Every target with its field, in FieldRef order (the header first, then page by page).
    const std::map<FieldRef, int>& targets() const { return m_fields; }

private:
    std::map<FieldRef, int> m_fields;
    int m_maxFields = kMaxFields;
};

}  // namespace vn
