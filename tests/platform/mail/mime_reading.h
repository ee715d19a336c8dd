#pragma once

// Reads a composed message back, as a mail reader would, so tests compare what a recipient sees.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace vn::test {

struct MimePart {
    QMap<QByteArray, QByteArray> headers;  // names in lower case, continuation lines joined
    QByteArray body;                       // still encoded
};

struct ReadMessage {
    MimePart top;
    QByteArray preamble;
    QList<MimePart> parts;  // empty for a single-part message
};

ReadMessage readMessage(const QByteArray& bytes);
QByteArray decodeQuotedPrintable(const QByteArray& body);
QString decodeHeader(const QByteArray& value);  // RFC 2047 words
// A parameter of a header value, plain, quoted or RFC 2231.
QString headerParameter(const QByteArray& value, const QByteArray& name);

}  // namespace vn::test
