#include "store/text/sort_buffer.h"

#include <QStringView>
#include <algorithm>

namespace vn {

namespace {

int keyCompare(const QString& a, const QString& b, qsizetype keyLength) {
    return QStringView(a).left(keyLength).compare(QStringView(b).left(keyLength), Qt::CaseSensitive);
}

}  // namespace

void SortBuffer::ClearSortBuffer() { m_entries.clear(); }

QString SortBuffer::entry(int i) const {
    if (i < 1 || i > count()) return {};
    return m_entries[i - 1];
}

bool SortBuffer::SortBufferPut(QString& text, int payloadLength, bool allowDuplicates,
                               bool ascending, bool lookupOnly) {
    const int payload = std::clamp(payloadLength, 0, keyWidth);
    const qsizetype keyLength = keyWidth - payload;
    const bool matchEqual = lookupOnly || !allowDuplicates;
    // The probe order of this closed-range search decides which of several equal entries a
    // look-up finds, so keep it. Equal keys go left: a duplicate lands before its equals.
    qsizetype low = 0;
    qsizetype high = m_entries.size() - 1;
    while (low <= high) {
        const qsizetype middle = (low + high) / 2;
        const QString& probe = m_entries.at(middle);
        const int order = keyCompare(text, probe, keyLength);
        if (matchEqual && order == 0) {
            if (lookupOnly) text = probe.right(payload);
            return true;
        }
        if (ascending ? order > 0 : order < 0) low = middle + 1;
        else high = middle - 1;
    }
    if (lookupOnly) return false;
    m_entries.insert(low, text);
    return true;
}

}  // namespace vn
