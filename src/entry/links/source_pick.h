#pragma once

#include "lists/siblings/linked_value_resolver.h"

#include <QList>
#include <QString>

#include <optional>

namespace vn {

// The list of one sibling source in a selection view: which source, in which order, and the
// entry the user picked. Entries carry their key; nothing is taken from the shown text.
class SourcePick {
public:
    explicit SourcePick(SiblingPlaces places);

    // Opens the source and lists it in the current order; false (the list empty) when it cannot
    // be read: problem() then names the file, or is empty for a product not installed.
    bool open(int source);
    void setOrder(SiblingOrder order);
    void clear();

    int source() const { return m_source; }
    SiblingOrder order() const { return m_order; }
    const QList<SiblingEntry>& entries() const { return m_entries; }
    QString problem() const;
    QString caption() const;  // the source's records caption; empty before one is open

    // The entry at `row`; nothing, with `refusal` set when there is a reason to tell, for a row
    // out of range or a key longer than a record can keep.
    std::optional<SiblingEntry> entryAt(int row, QString& refusal) const;

    LinkedValueResolver& resolver() { return m_resolver; }

private:
    void list();

    LinkedValueResolver m_resolver;
    int m_source = 0;
    SiblingOrder m_order = SiblingOrder::ById;
    QList<SiblingEntry> m_entries;
};

}  // namespace vn
