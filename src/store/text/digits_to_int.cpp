#include "store/text/digits_to_int.h"

#include <limits>

namespace vn {

int DigitsToInt(const QString& text) {
    if (text.isEmpty()) return 0;
    constexpr qint64 largest = std::numeric_limits<int>::max();
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return 0;
        value = value * 10 + (c.unicode() - u'0');
        if (value > largest) return 0;
    }
    return static_cast<int>(value);
}

}  // namespace vn
