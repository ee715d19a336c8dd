#include "store/text/case_conversion.h"

namespace vn {

namespace {

bool isLower(QChar c) { return c >= u'a' && c <= u'z'; }
bool isUpper(QChar c) { return c >= u'A' && c <= u'Z'; }

// Upper and lower case ASCII letters are 32 apart.
QChar raised(QChar c) { return isLower(c) ? QChar(c.unicode() - 32) : c; }
QChar lowered(QChar c) { return isUpper(c) ? QChar(c.unicode() + 32) : c; }

}  // namespace

QString UpperCaseText(const QString& text) {
    QString out = text;
    for (QChar& c : out) c = raised(c);
    return out;
}

QString LowerCaseText(const QString& text) {
    QString out = text;
    lowerInPlace(out);
    return out;
}

void lowerInPlace(QString& text) {
    for (QChar& c : text) c = lowered(c);
}

QString ProperCaseText(const QString& text, bool firstOnly) {
    if (text.isEmpty()) return text;
    QString out = text;
    out[0] = raised(out[0]);
    if (firstOnly) return out;
    const qsizetype last = out.size() - 1;
    for (qsizetype i = 1; i <= last; ++i) {
        if (out[i] == u' ' && i < last) {
            // The character after the space is taken as handled, even a second space.
            ++i;
            out[i] = raised(out[i]);
        } else {
            out[i] = lowered(out[i]);
        }
    }
    return out;
}

}  // namespace vn
