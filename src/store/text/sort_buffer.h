#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// Entries kept in order of their key part for lists and look-ups. An entry's last
// payloadLength characters are its payload (usually a record key); the first
// 120 - payloadLength characters are its key part, the only part that is compared.
// Comparison is by character code, never by locale, so order does not depend on the machine.
class SortBuffer {
public:
    static constexpr int keyWidth = 120;

    void ClearSortBuffer();

    // Insert mode: stores the text in order and returns true. Without allowDuplicates an
    // entry with an equal key part refuses the text (still true, nothing stored). With
    // duplicates, a new entry goes before the entries with the same key part.
    // lookupOnly: when an entry's key part equals the text's, the text becomes that entry's
    // payload and the result is true; otherwise false and the text is unchanged.
    // payloadLength is taken within 0..120.
    bool SortBufferPut(QString& text, int payloadLength, bool allowDuplicates, bool ascending,
                       bool lookupOnly);

    int count() const { return static_cast<int>(m_entries.size()); }
    // 1-based, as callers walk it; an empty text outside 1..count().
    QString entry(int i) const;
    // 0-based view of the same entries.
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};

}  // namespace vn
