#include "platform/mail/mail_encoding.h"

#include "platform/text_lines.h"

#include <QIODevice>

namespace vn {

namespace {

constexpr int kLineLength = 76;
constexpr int kHeaderWordBytes = 39;  // 52 base64 characters: the first word still fits the "Subject: " line
constexpr int kParameterPiece = 60;  // a parameter on its own folded line stays within 78
constexpr int kPlainHeaderLength = 66;  // with its name, a header line stays within 78
constexpr qint64 kBase64Chunk = 57 * 1024;  // whole 76-character lines (57 bytes each)

const char kHex[] = "0123456789ABCDEF";

void appendEscaped(QByteArray& line, uchar c) {
    line += '=';
    line += kHex[c >> 4];
    line += kHex[c & 15];
}

// A "." or "From " at a line start is encoded, so no transport or mailbox changes it.
bool guardedAt(const QByteArray& bytes, qsizetype i) {
    return bytes[i] == '.' || (bytes[i] == 'F' && bytes.mid(i, 5) == "From ");
}

QByteArray piece(const QByteArray& bytes, qsizetype i, bool lineStart) {
    const uchar c = uchar(bytes[i]);
    const bool last = i + 1 == bytes.size();
    const bool escape =
        c == '=' || c < 32 || c > 126 || (c == ' ' && last) || (lineStart && guardedAt(bytes, i));
    QByteArray out;
    if (escape) appendEscaped(out, c);
    else out += char(c);
    return out;
}

// One line of text (no line end) in quoted-printable lines.
void encodeLine(QByteArray& out, const QByteArray& bytes) {
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QByteArray p = piece(bytes, i, line.isEmpty());
        // Leave room for a soft break's "=" unless this is the line's last piece.
        const bool last = i + 1 == bytes.size();
        if (line.size() + p.size() > kLineLength - (last ? 0 : 1)) {
            out += line + "=\r\n";
            line.clear();
            p = piece(bytes, i, true);
        }
        line += p;
    }
    out += line + "\r\n";
}

bool isPlainAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126) return false;
    return true;
}

}  // namespace

QByteArray quotedPrintable(const QString& text) {
    QByteArray out;
    for (const QString& line : splitLines(text)) encodeLine(out, line.toUtf8());
    return out;
}

QByteArray headerText(const QString& text) {
    QString value = text;
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    if (isPlainAscii(value) && value.size() <= kPlainHeaderLength) return value.toLatin1();
    QByteArray out;
    QByteArray word;
    const auto flush = [&] {
        if (word.isEmpty()) return;
        if (!out.isEmpty()) out += "\r\n ";
        out += "=?UTF-8?B?" + word.toBase64() + "?=";
        word.clear();
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype units = value[i].isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
        const QByteArray character = value.mid(i, units).toUtf8();
        i += units - 1;
        if (word.size() + character.size() > kHeaderWordBytes) flush();
        word += character;
    }
    flush();
    return out;
}

QByteArray mimeParameter(const QByteArray& name, const QString& value) {
    if (isPlainAscii(value) && !value.contains(u'"') && !value.contains(u'\\') && value.size() <= kParameterPiece)
        return name + "=\"" + value.toLatin1() + '"';
    const QByteArray encoded = "UTF-8''" + value.toUtf8().toPercentEncoding();
    if (encoded.size() <= kParameterPiece) return name + "*=" + encoded;
    // Continued over numbered pieces, never splitting a %XX escape.
    QByteArray out;
    int number = 0;
    for (qsizetype at = 0; at < encoded.size(); ++number) {
        qsizetype length = std::min<qsizetype>(kParameterPiece, encoded.size() - at);
        const qsizetype escape = encoded.lastIndexOf('%', at + length - 1);
        if (escape >= at && escape + 3 > at + length) length = escape - at;
        if (!out.isEmpty()) out += ";\r\n ";
        out += name + '*' + QByteArray::number(number) + "*=" + encoded.mid(at, length);
        at += length;
    }
    return out;
}

bool streamBase64(QIODevice& in, QIODevice& out) {
    QByteArray chunk;
    while (true) {
        chunk = in.read(kBase64Chunk);
        if (chunk.isEmpty()) return in.atEnd();  // not at the end: reading failed
        const QByteArray encoded = chunk.toBase64();
        QByteArray lines;
        lines.reserve(encoded.size() + encoded.size() / kLineLength * 2 + 2);
        for (qsizetype at = 0; at < encoded.size(); at += kLineLength) lines += encoded.mid(at, kLineLength) + "\r\n";
        if (out.write(lines) != lines.size()) return false;
    }
}

}  // namespace vn
