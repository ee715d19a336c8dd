#include "store/text/text_order.h"

#include <algorithm>

namespace vn {

namespace {

char16_t raised(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
char16_t asIs(char16_t c) { return c; }

// UTF-16 units put in code point order: surrogates (characters above U+FFFF) go after U+E000
// to U+FFFF.
char16_t codePointOrder(char16_t u) {
    if (u >= 0xE000) return char16_t(u - 0x800);
    if (u >= 0xD800) return char16_t(u + 0x2000);
    return u;
}

template <typename Fold>
int compareFolded(QStringView a, QStringView b, Fold fold) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = fold(a[i].unicode());
        const char16_t y = b[i].unicode();
        if (x != y) return codePointOrder(x) < codePointOrder(y) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int compareCodePoints(QStringView a, QStringView b) { return compareFolded(a, b, asIs); }

int compareRaised(QStringView value, QStringView upperTarget) { return compareFolded(value, upperTarget, raised); }

bool containsRaised(QStringView value, QStringView upperTarget) {
    const auto same = [](QChar v, QChar t) { return raised(v.unicode()) == t.unicode(); };
    return upperTarget.isEmpty() ||
           std::search(value.begin(), value.end(), upperTarget.begin(), upperTarget.end(), same) != value.end();
}

QStringView firstCharacters(QStringView text, qsizetype count) {
    if (text.size() <= count) return text;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate() && characters++ == count) return text.first(i);
    return text;
}

}  // namespace vn
