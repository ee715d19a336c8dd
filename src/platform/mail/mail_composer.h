#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QIODevice;

namespace vn {

// One message to one recipient, as the user composed it.
struct MailMessage {
    QString from;
    QString to;  // exactly one address
    QString subject;
    QString text;
    QString attachmentPath;  // empty: no attachment
};

// What differs between two compositions of the same message: injectable so tests see fixed bytes.
struct MailStamp {
    QDateTime date;
    QString messageId;  // without angle brackets
    QString boundary;   // cannot occur in quoted-printable or base64 lines
};

// A stamp for now, with a random message id at the sender's domain and a random boundary.
MailStamp freshMailStamp(const QString& from);

// The header lines and the blank line after them.
QByteArray composeHeaders(const MailMessage& message, const MailStamp& stamp);

// The body after the headers: a quoted-printable text, or with an attachment a multipart/mixed
// body whose file part is streamed as base64. Empty when everything was written, otherwise why
// not (the attachment names its path).
QString composeBody(const MailMessage& message, const MailStamp& stamp, QIODevice& out);

// A recipient address: exactly one address (local@domain), nothing that could add another
// recipient or a header (no CR, LF, space, comma, angle bracket, semicolon, quote).
bool isSingleAddress(const QString& address);

}  // namespace vn
