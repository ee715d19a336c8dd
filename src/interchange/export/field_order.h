#pragma once

#include "interchange/fields/field_ref.h"

#include <QList>
#include <optional>

namespace vn {

// One chosen field of an export.
struct OrderEntry {
    QString caption;       // as remembered when chosen; the preview and the CSV/XLSX caption row
    FieldRef field;
    bool hasList = false;  // a text field with a selection list (definition field 12)
};

// The entries' captions in order.
QStringList orderCaptions(const QList<OrderEntry>& entries);

// The fields chosen for an export, numbered 1 to count() without gaps in the order chosen. Every
// field of a list fits: 15 header fields and 121 columns on each of six pages.
class FieldOrder {
public:
    static constexpr int kCapacity = 15 + 6 * 121;

    // The new order number; an already chosen field keeps its number.
    int choose(const OrderEntry& entry);
    // Numbers above the field's move down by one. False when it was not chosen.
    bool unchoose(FieldRef field);
    void clear();

    std::optional<int> numberOf(FieldRef field) const;
    bool isChosen(FieldRef field) const { return numberOf(field).has_value(); }
    int count() const { return int(m_entries.size()); }
    const OrderEntry& entry(int number) const { return m_entries[number - 1]; }  // 1-based
    const QList<OrderEntry>& entries() const { return m_entries; }
    QStringList captions() const { return orderCaptions(m_entries); }

private:
    QList<OrderEntry> m_entries;
};

}  // namespace vn
