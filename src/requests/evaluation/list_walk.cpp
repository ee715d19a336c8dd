#include "requests/evaluation/list_walk.h"

#include "store/text/text_order.h"
#include "store/engine/table.h"
#include "store/text/case_conversion.h"

#include <algorithm>

namespace vn {

namespace {

// Every spelling of the code with its ASCII letters in either case, in byte order, which is the
// order of their key ranges.
QStringList spellings(const QString& code) {
    QStringList all{UpperCaseText(code)};
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = all.first()[i];
        if (c < u'A' || c > u'Z') continue;
        for (qsizetype v = 0, n = all.size(); v < n; ++v) {
            QString other = all[v];
            other[i] = QChar(c.unicode() + (u'a' - u'A'));
            all << other;
        }
    }
    std::sort(all.begin(), all.end(), [](const QString& a, const QString& b) { return compareCodePoints(a, b) < 0; });
    return all;
}

}  // namespace

ListWalk::ListWalk(Table& head, const QString& listCode) : m_head(head), m_spellings(spellings(listCode)) {}

bool ListWalk::next() {
    while (m_spelling < m_spellings.size()) {
        if (m_inRange) {
            m_inRange = m_head.next();
        } else if (++m_spelling < m_spellings.size()) {
            m_inRange = m_head.seekNearest(m_spellings[m_spelling]);
        }
        if (m_inRange) {
            m_key = m_head.text(0);
            m_inRange = m_key.startsWith(m_spellings[m_spelling]);
            if (m_inRange) return true;
        }
    }
    return false;
}

}  // namespace vn
