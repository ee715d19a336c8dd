#include "mime_reading.h"

#include <QUrl>

namespace vn::test {

namespace {

MimePart readPart(const QByteArray& bytes) {
    MimePart part;
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    const QByteArray head = bytes.left(end);
    part.body = end < 0 ? QByteArray() : bytes.mid(end + 4);
    QByteArray name;
    for (const QByteArray& line : head.split('\n')) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        if (l.startsWith(' ') || l.startsWith('\t')) {
            part.headers[name] += l;
            continue;
        }
        const qsizetype colon = l.indexOf(':');
        name = l.left(colon).toLower();
        part.headers[name] = l.mid(colon + 1).trimmed();
    }
    return part;
}

}  // namespace

ReadMessage readMessage(const QByteArray& bytes) {
    ReadMessage message;
    message.top = readPart(bytes);
    const QByteArray boundary = headerParameter(message.top.headers.value("content-type"), "boundary").toLatin1();
    if (boundary.isEmpty()) return message;
    const QByteArray delimiter = "--" + boundary;
    const QList<QByteArray> pieces = message.top.body.split('\n');
    QByteArray current;
    bool inPart = false;
    for (const QByteArray& raw : pieces) {
        const QByteArray line = raw + '\n';
        if (raw.startsWith(delimiter)) {
            if (inPart) message.parts << readPart(current.chopped(2));  // the CR LF before the delimiter
            else message.preamble = current.chopped(2);
            current.clear();
            inPart = !raw.startsWith(delimiter + "--");
            continue;
        }
        current += line;
    }
    return message;
}

QByteArray decodeQuotedPrintable(const QByteArray& body) {
    QByteArray out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != '=') {
            out += body[i];
        } else if (body.mid(i + 1, 2) == "\r\n") {
            i += 2;
        } else {
            out += char(body.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        }
    }
    return out;
}

QString decodeHeader(const QByteArray& value) {
    if (!value.startsWith("=?")) return QString::fromUtf8(value);
    QByteArray utf8;
    for (const QByteArray& word : value.simplified().split(' ')) {
        const QList<QByteArray> fields = word.split('?');  // "=", "UTF-8", "B", text, "="
        utf8 += QByteArray::fromBase64(fields.value(3));
    }
    return QString::fromUtf8(utf8);
}

QString headerParameter(const QByteArray& value, const QByteArray& name) {
    QByteArray continued;  // name*0*=UTF-8''..., name*1*=...
    for (QByteArray field : value.split(';')) {
        field = field.trimmed();
        if (field.startsWith(name + "*=UTF-8''"))
            return QString::fromUtf8(QByteArray::fromPercentEncoding(field.mid(name.size() + 9)));
        if (field.startsWith(name + '*') && field.contains("*=")) {
            continued += field.mid(field.indexOf("*=") + 2);
            continue;
        }
        if (field.startsWith(name + '=')) {
            QByteArray v = field.mid(name.size() + 1);
            if (v.startsWith('"')) v = v.mid(1).chopped(1);
            return QString::fromUtf8(v);
        }
    }
    return QString::fromUtf8(QByteArray::fromPercentEncoding(continued.mid(7)));  // after UTF-8''
}

}  // namespace vn::test
