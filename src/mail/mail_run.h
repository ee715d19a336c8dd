#pragma once

#include "platform/mail/mail_composer.h"
#include "platform/mail/mail_transport.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

namespace vn {

// What became of one recipient of a run.
struct RecipientOutcome {
    enum class Kind { Sent, Refused, Skipped, Failed, NotSent };
    QString key;
    QString address;  // as read when its turn came
    Kind kind = Kind::NotSent;
    QString why;  // the server's reply or the reason it was not sent
};

// One message to the recipients, one after another: composed once, then sent with a gap after
// each completed transfer. A refused recipient is skipped; a failure of the connection, of TLS
// or of the log-on stops the run, since every further message would fail the same way.
class MailRun {
public:
    // The e-mail address of a record now; nullopt when its record is gone.
    using AddressOf = std::function<std::optional<QString>(const QString& key)>;
    // Calls the function after the gap between two messages.
    using Schedule = std::function<void(std::function<void()> next)>;
    using Finished = std::function<void(const QList<RecipientOutcome>& outcomes)>;

    MailRun(MailTransport& transport, AddressOf addressOf, Schedule schedule);

    // Composes the message once; the text of the failure (an attachment that cannot be read,
    // say) when it cannot, and nothing is sent. Otherwise sends to the first recipient.
    QString start(const SmtpAccount& account, const MailMessage& message, const QStringList& keys, Finished finished);
    // Ends the run once the message in transit is done; the rest are not sent.
    void stop();
    bool running() const { return m_running; }
    int attempts() const { return m_attempts; }  // messages handed to the transport, over every run

private:
    void sendNext();
    void completed(const MailOutcome& outcome);
    void finish();

    MailTransport& m_transport;
    AddressOf m_addressOf;
    Schedule m_schedule;
    Finished m_finished;
    SmtpAccount m_account;
    MailMessage m_message;
    std::unique_ptr<QTemporaryDir> m_folder;  // the body, composed once
    QString m_boundary;                       // of that body, for every message's headers
    QList<RecipientOutcome> m_outcomes;
    qsizetype m_next = 0;
    bool m_running = false;
    bool m_stopping = false;
    int m_attempts = 0;
};

// The end-of-run warning: every address that was not sent and why; empty when all were sent.
QString runProblems(const QList<RecipientOutcome>& outcomes);
// "Sent 3, refused 1, skipped 0, failed 0."
QString runCounts(const QList<RecipientOutcome>& outcomes);

}  // namespace vn
