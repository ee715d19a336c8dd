#include "interchange/export/export_charset.h"

#include "store/text/windows1252.h"

#include <QHash>

namespace vn {

namespace {

// The byte of a character outside Latin-1's shared range, for the bytes 0x80 to 0x9F.
const QHash<char16_t, char>& highBytes() {
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> map;
        for (int byte = 0x80; byte < 0xA0; ++byte) map.insert(windows1252::toUnicode(uchar(byte)), char(byte));
        return map;
    }();
    return bytes;
}

int windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    const auto at = highBytes().constFind(c);
    return at == highBytes().constEnd() ? -1 : uchar(*at);
}

QByteArray windows1252Bytes(const QString& text, int& replaced) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int byte = c.isSurrogate() ? -1 : windows1252Byte(c.unicode());
        if (byte >= 0) {
            bytes += char(byte);
            continue;
        }
        bytes += '?';
        ++replaced;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    }
    return bytes;
}

}  // namespace

QByteArray encodeExportText(const QString& text, TextCharset charset, int& replaced) {
    if (charset == TextCharset::Utf8) return text.toUtf8();
    return windows1252Bytes(text, replaced);
}

}  // namespace vn
