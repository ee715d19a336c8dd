#include "platform/mail/mail_composer.h"

#include "platform/mail/mail_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QTimeZone>

namespace vn {

namespace {

const char kPreamble[] =
    "This message is in MIME format. Since your mail reader does not\r\n"
    "understand this format, some or all of this message may not be legible.\r\n";

QString randomHex(int bytes) {
    QByteArray random(bytes, '\0');
    for (char& c : random) c = char(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(random.toHex());
}

// RFC 5322 date: "Thu, 10 Dec 2026 21:55:29 +0000".
QByteArray mailDate(const QDateTime& date) {
    const int offset = date.offsetFromUtc() / 60;
    const int hours = std::abs(offset) / 60, minutes = std::abs(offset) % 60;
    const QString zone = QString::asprintf("%c%02d%02d", offset < 0 ? '-' : '+', hours, minutes);
    return (QLocale::c().toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")) + zone).toLatin1();
}

QByteArray textPartHeaders() {
    return "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: quoted-printable\r\n";
}

QByteArray attachmentHeaders(const QString& path) {
    const QString type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    const QString name = QFileInfo(path).fileName();
    return "Content-Type: " + (type.isEmpty() ? QByteArray("application/octet-stream") : type.toLatin1()) + ";\r\n " +
           mimeParameter("name", name) + "\r\nContent-Disposition: attachment;\r\n " + mimeParameter("filename", name) +
           "\r\nContent-Transfer-Encoding: base64\r\n\r\n";
}

bool write(QIODevice& out, const QByteArray& bytes) { return out.write(bytes) == bytes.size(); }

}  // namespace

MailStamp freshMailStamp(const QString& from) {
    const qsizetype at = from.lastIndexOf(u'@');
    const QString domain = at >= 0 ? from.mid(at + 1) : QStringLiteral("localhost");
    return {QDateTime::currentDateTime(), randomHex(12) + u'@' + domain, QStringLiteral("=_Varnedo_") + randomHex(12)};
}

QByteArray composeHeaders(const MailMessage& message, const MailStamp& stamp) {
    QByteArray h;
    h += "Date: " + mailDate(stamp.date) + "\r\n";
    h += "From: " + message.from.toUtf8() + "\r\n";
    h += "To: " + message.to.toUtf8() + "\r\n";
    h += "Subject: " + headerText(message.subject) + "\r\n";
    h += "Message-ID: <" + stamp.messageId.toUtf8() + ">\r\n";
    h += "MIME-Version: 1.0\r\n";
    if (message.attachmentPath.isEmpty()) h += textPartHeaders();
    else h += "Content-Type: multipart/mixed; boundary=\"" + stamp.boundary.toLatin1() + "\"\r\n";
    return h + "\r\n";
}

QString composeBody(const MailMessage& message, const MailStamp& stamp, QIODevice& out) {
    const auto writeFailed = [&out] { return QStringLiteral("The message could not be written: %1").arg(out.errorString()); };
    if (message.attachmentPath.isEmpty())
        return write(out, quotedPrintable(message.text)) ? QString() : writeFailed();
    QFile file(message.attachmentPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The attachment %1 cannot be read: %2").arg(message.attachmentPath, file.errorString());
    // Each delimiter starts with its own line break, so every part keeps its last one.
    const QByteArray delimiter = "\r\n--" + stamp.boundary.toLatin1();
    bool ok = write(out, kPreamble) && write(out, delimiter + "\r\n" + textPartHeaders() + "\r\n") &&
              write(out, quotedPrintable(message.text)) &&
              write(out, delimiter + "\r\n" + attachmentHeaders(message.attachmentPath));
    if (ok && !streamBase64(file, out))
        return QStringLiteral("The attachment %1 cannot be read: %2").arg(message.attachmentPath, file.errorString());
    ok = ok && write(out, delimiter + "--\r\n");
    return ok ? QString() : writeFailed();
}

bool isSingleAddress(const QString& address) {
    const qsizetype at = address.indexOf(u'@');
    if (at <= 0 || at != address.lastIndexOf(u'@') || at == address.size() - 1) return false;
    for (QChar c : address)
        if (c.unicode() <= 32 || c.unicode() == 127 || QStringLiteral(",;<>\"()[]\\").contains(c)) return false;
    const QString domain = address.mid(at + 1);
    return !domain.startsWith(u'.') && !domain.endsWith(u'.') && !domain.contains(QStringLiteral(".."));
}

}  // namespace vn
