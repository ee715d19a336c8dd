#pragma once

#include "platform/mail/mail_transport.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

namespace vn {

// The URL a transfer goes to: smtp://host:port/greeting-name, smtps:// for port 465.
QString smtpUrl(const SmtpAccount& account);

// One transfer, run on the calling thread: MAIL FROM, one RCPT, STARTTLS when the server offers
// it, AUTH when a password is set, a connect timeout and a low-speed limit. `stop` is looked at
// while the transfer runs.
MailOutcome sendOverSmtp(const MailEnvelope& envelope, const std::atomic<bool>& stop);

// Runs each transfer on a worker thread of its own, so the window stays responsive.
class SmtpTransport : public QObject, public MailTransport {
public:
    SmtpTransport();
    ~SmtpTransport() override;  // stops a transfer in progress and waits for it

    void send(const MailEnvelope& envelope, Done done) override;
    void stop() override;

private:
    void join();

    std::thread m_worker;
    std::shared_ptr<std::atomic<bool>> m_stop;
};

}  // namespace vn
