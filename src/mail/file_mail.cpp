#include "mail/file_mail.h"

#include <QFileInfo>

namespace vn {

QString fileMailMissing(const MailSettings& mail) {
    QStringList missing;
    if (mail.sender.trimmed().isEmpty()) missing << QStringLiteral("the sender");
    if (mail.server.trimmed().isEmpty()) missing << QStringLiteral("the mail server");
    if (mail.sendTo.trimmed().isEmpty()) missing << QStringLiteral("the Varnedo send-to address");
    if (missing.isEmpty()) return {};
    const QString last = missing.takeLast();
    const QString named = missing.isEmpty() ? last : missing.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral("Enter %1 in Setup Email first.").arg(named);
}

MailMessage fileMailMessage(const MailSettings& mail, const QString& installationName, const QString& path,
                            const QString& header) {
    const QString name = QFileInfo(path).fileName();
    return {mail.sender.trimmed(), mail.sendTo.trimmed(), name + QStringLiteral(" from ") + installationName, header, path};
}

FileMailer::FileMailer(MailTransport& transport)
    : m_run(
          transport, [this](const QString&) { return std::optional<QString>(m_to); },
          [](std::function<void()> next) { next(); }) {}

QString FileMailer::send(const MailSettings& mail, const MailMessage& message, Finished finished) {
    m_to = message.to;
    const SmtpAccount account{mail.server, mail.domain, mail.user, mail.password};
    const QString name = QFileInfo(message.attachmentPath).fileName();
    return m_run.start(account, message, {m_to}, [finished, name, to = m_to](const QList<RecipientOutcome>& outcomes) {
        const bool sent = !outcomes.isEmpty() && outcomes.first().kind == RecipientOutcome::Kind::Sent;
        if (sent) return finished(true, QStringLiteral("The file %1 was sent to %2.").arg(name, to));
        const QString why = outcomes.isEmpty() ? QString() : outcomes.first().why;
        finished(false, QStringLiteral("The file %1 was not sent to %2:\r\r%3").arg(name, to, why));
    });
}

}  // namespace vn
