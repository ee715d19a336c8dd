#include "store/engine/text_size.h"

namespace vn {

qsizetype characterCount(const QString& text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate()) ++n;
    return n;
}

QString cutToCharacters(const QString& text, int size) {
    if (size <= 0 || text.size() <= size) return text;
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate()) continue;
        if (n == size) return text.left(i);
        ++n;
    }
    return text;
}

}  // namespace vn
