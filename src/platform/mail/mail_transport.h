#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace vn {

// The SMTP settings of the installation.
struct SmtpAccount {
    QString server;    // host, or host:port (25 unless said; 465 is TLS from the start)
    QString domain;    // the name the greeting announces; empty: this machine's name
    QString user;
    QString password;  // authenticates only when set
};

// A composed message on its way: its header lines, then its body in a file.
struct MailEnvelope {
    SmtpAccount account;
    QString from;
    QString to;
    QByteArray headers;
    QString bodyFile;
};

// How one transfer ended.
struct MailOutcome {
    enum class Kind { Sent, RecipientRefused, Failed, Stopped };
    Kind kind = Kind::Failed;
    QString reply;  // the server's last reply, or why nothing reached it
};

// Sends one message at a time; the outcome comes back on the thread that called send().
class MailTransport {
public:
    using Done = std::function<void(const MailOutcome& outcome)>;
    virtual ~MailTransport() = default;
    virtual void send(const MailEnvelope& envelope, Done done) = 0;
    // Ends a transfer in progress as soon as it can; its outcome is Stopped.
    virtual void stop() = 0;
};

}  // namespace vn
