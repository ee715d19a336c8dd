#include "mail/ui/file_mail_button.h"

#include "platform/mail/smtp_transport.h"
#include "platform/prompter.h"

#include <QPointer>

namespace vn {

FileMailButton::FileMailButton(const MailSettings& mail, QString installationName, Prompter& prompter,
                               StopHooks& beforeShutdown, const QString& objectName, QWidget* parent)
    : QPushButton(QStringLiteral("Email File Now"), parent), m_transport(std::make_unique<SmtpTransport>()),
      m_mailer(*m_transport), m_mail(mail), m_installation(std::move(installationName)), m_prompter(prompter) {
    setObjectName(objectName);
    QPointer<FileMailButton> self(this);
    beforeShutdown.push_back([self] {
        if (self) self->stop();
    });
    connect(this, &QPushButton::clicked, this, [this] { send(); });
    refresh();
}

FileMailButton::~FileMailButton() { stop(); }

void FileMailButton::fileBuilt(const QString& path, const QString& header) {
    m_path = path;
    m_header = header;
    refresh();
}

void FileMailButton::reset() {
    m_path.clear();
    m_header.clear();
    refresh();
}

void FileMailButton::stop() { m_transport->stop(); }

void FileMailButton::refresh() {
    const QString missing = fileMailMissing(m_mail);
    setEnabled(!m_path.isEmpty() && missing.isEmpty() && !m_mailer.running());
    if (m_path.isEmpty()) setToolTip(QStringLiteral("Build the file first."));
    else setToolTip(missing.isEmpty() ? QStringLiteral("Sends the file to %1.").arg(m_mail.sendTo.trimmed()) : missing);
}

void FileMailButton::send() {
    const QString failure =
        m_mailer.send(m_mail, fileMailMessage(m_mail, m_installation, m_path, m_header), [this](bool sent, const QString& text) {
            refresh();
            if (sent) m_prompter.information(text);
            else m_prompter.warning(text);
        });
    refresh();
    if (!failure.isEmpty()) m_prompter.warning(failure);
}

}  // namespace vn
