#pragma once

#include "mail/mail_run.h"
#include "store/settings/settings.h"

#include <functional>

namespace vn {

// Why an exchange file cannot be sent by e-mail: the settings it lacks, named; empty when the
// sender, the mail server and the send-to address are set.
QString fileMailMissing(const MailSettings& mail);

// The message that carries an exchange file to the office's send-to address: its name and the
// installation in the subject, its first three lines as the text, the file attached.
MailMessage fileMailMessage(const MailSettings& mail, const QString& installationName, const QString& path,
                            const QString& header);

// Sends one exchange file; the outcome comes back as the text the user is shown.
class FileMailer {
public:
    using Finished = std::function<void(bool sent, const QString& text)>;

    explicit FileMailer(MailTransport& transport);
    // Starts the transfer; the reason when it cannot start (the file cannot be read), and then
    // finished is not called.
    QString send(const MailSettings& mail, const MailMessage& message, Finished finished);
    bool running() const { return m_run.running(); }
    void stop() { m_run.stop(); }

private:
    MailRun m_run;
    QString m_to;
};

}  // namespace vn
