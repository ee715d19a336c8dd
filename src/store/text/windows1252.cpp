#include "store/text/windows1252.h"


namespace vn {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes stand for
// themselves, so every byte reads as some character and writes back as itself.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when Windows-1252 has none.
int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

void appendUtf8Of(char32_t c, QByteArray& out) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The length of the valid UTF-8 sequence at p (end excluded), 0 when it is not one.
int sequenceLength(const unsigned char* p, const unsigned char* end, char32_t& c) {
    const unsigned char b = *p;
    int n;
    char32_t min;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        n = 2, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, c = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (end - p < n) return 0;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

const unsigned char* bytesOf(QByteArrayView v) { return reinterpret_cast<const unsigned char*>(v.data()); }

}  // namespace

namespace windows1252 {

char16_t toUnicode(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte); }

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

void appendUtf8(QByteArrayView bytes, QByteArray& out) {
    if (isAscii(bytes)) {
        out.append(bytes);
        return;
    }
    for (char b : bytes) appendUtf8Of(toUnicode(static_cast<unsigned char>(b)), out);
}

bool appendFromUtf8(QByteArrayView utf8, QByteArray& out) {
    if (isAscii(utf8)) {
        out.append(utf8);
        return true;
    }
    const unsigned char* p = bytesOf(utf8);
    const unsigned char* end = p + utf8.size();
    while (p < end) {
        char32_t c = 0;
        const int n = sequenceLength(p, end, c);
        const int byte = n ? byteOf(c) : -1;
        if (byte < 0) return false;
        out += char(byte);
        p += n;
    }
    return true;
}

}  // namespace windows1252

bool isAscii(QByteArrayView bytes) {
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) return false;
    return true;
}

bool isValidUtf8(QByteArrayView bytes) {
    const unsigned char* p = bytesOf(bytes);
    const unsigned char* end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        char32_t c = 0;
        const int n = sequenceLength(p, end, c);
        if (n == 0) return false;
        p += n;
    }
    return true;
}

qsizetype utf8CharacterCount(QByteArrayView bytes) {
    qsizetype n = 0;
    for (char b : bytes)
        if ((static_cast<unsigned char>(b) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace vn
