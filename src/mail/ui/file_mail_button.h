#pragma once

#include "mail/file_mail.h"

#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

namespace vn {

class Prompter;

// "Email File Now": offered once an exchange file was built in this visit and e-mail is set up
// (its tool tip names what is missing); sends that file to the office's send-to address and
// shows how it went. A transfer in progress is stopped by the hooks the orderly exit runs.
class FileMailButton : public QPushButton {
    Q_OBJECT
public:
    using StopHooks = std::vector<std::function<void()>>;
    FileMailButton(const MailSettings& mail, QString installationName, Prompter& prompter, StopHooks& beforeShutdown,
                   const QString& objectName, QWidget* parent);
    ~FileMailButton() override;

    // The file just built and its first three lines.
    void fileBuilt(const QString& path, const QString& header);
    // A new visit: nothing built yet.
    void reset();
    // Ends a transfer in progress (the orderly exit).
    void stop();

private:
    void send();
    void refresh();

    std::unique_ptr<MailTransport> m_transport;
    FileMailer m_mailer;
    const MailSettings& m_mail;
    QString m_installation;
    Prompter& m_prompter;
    QString m_path;
    QString m_header;
};

}  // namespace vn
