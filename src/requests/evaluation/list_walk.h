#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class Table;

// The Head rows of one list in key order: the rows whose key begins with the list code in any
// ASCII case. It reads the key range of each spelling of the code, never another list's rows.
class ListWalk {
public:
    ListWalk(Table& head, const QString& listCode);

    // The next row of the list becomes current; false after the last.
    bool next();
    const QString& key() const { return m_key; }

private:
    Table& m_head;
    QStringList m_spellings;  // in key order
    qsizetype m_spelling = -1;
    bool m_inRange = false;
    QString m_key;
};

}  // namespace vn
