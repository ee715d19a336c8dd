#pragma once

#include <QString>

namespace vn {

class Table;

// Finds rows of a keyed table for keys that come in ascending order, as a walk over Head hands
// them out: it steps forward from the row found last while that is near, and looks the key up
// afresh when it is far, so a page table is read like a walk of its own.
class KeyFollower {
public:
    explicit KeyFollower(Table& table) : m_table(table) {}

    // Whether the table has a row with the key; when it has, that row is current. Keys must not
    // go down between calls, and nothing else may move the table's cursor meanwhile.
    bool find(const QString& key);

private:
    Table& m_table;
    bool m_started = false;
    bool m_more = false;  // a row at or before the next key may still come
};

}  // namespace vn
