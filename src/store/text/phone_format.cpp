#include "store/text/phone_format.h"

namespace vn {

namespace {

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9') digits += c;
    return digits;
}

}  // namespace

QString FormatPhone(const QString& text) {
    QString digits = digitsOf(text);
    // A local number gets a blank area code so both forms line up in lists.
    if (digits.size() == 7) digits.prepend(QStringLiteral("   "));
    else if (digits.size() != 10) return digits;
    return u'(' + digits.left(3) + u')' + digits.mid(3, 3) + u'-' + digits.mid(6);
}

}  // namespace vn
