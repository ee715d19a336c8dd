#include "mail/mail_run.h"

#include <QFile>

namespace vn {

namespace {

using K = RecipientOutcome::Kind;

QString kindText(K kind) {
    switch (kind) {
    case K::Sent: return QStringLiteral("sent");
    case K::Refused: return QStringLiteral("refused");
    case K::Skipped: return QStringLiteral("skipped");
    case K::Failed: return QStringLiteral("failed");
    case K::NotSent: return QStringLiteral("not sent");
    }
    return {};
}

}  // namespace

MailRun::MailRun(MailTransport& transport, AddressOf addressOf, Schedule schedule)
    : m_transport(transport), m_addressOf(std::move(addressOf)), m_schedule(std::move(schedule)) {}

QString MailRun::start(const SmtpAccount& account, const MailMessage& message, const QStringList& keys,
                       Finished finished) {
    m_folder = std::make_unique<QTemporaryDir>();
    QFile body(m_folder->filePath(QStringLiteral("body")));
    if (!m_folder->isValid() || !body.open(QIODevice::WriteOnly))
        return QStringLiteral("The message could not be prepared: %1").arg(body.errorString());
    m_boundary = freshMailStamp(message.from).boundary;
    const QString failure = composeBody(message, {{}, {}, m_boundary}, body);
    if (!failure.isEmpty()) return failure;
    m_account = account;
    m_message = message;
    m_finished = std::move(finished);
    m_outcomes.clear();
    for (const QString& key : keys) m_outcomes.append({key, {}, K::NotSent, QStringLiteral("the run stopped before it")});
    m_next = 0;
    m_running = true;
    m_stopping = false;
    sendNext();
    return {};
}

void MailRun::stop() {
    if (m_running) m_stopping = true;
}

// Recipients whose record or address went away meanwhile are skipped at once.
void MailRun::sendNext() {
    while (m_next < m_outcomes.size() && !m_stopping) {
        RecipientOutcome& r = m_outcomes[m_next];
        const std::optional<QString> address = m_addressOf(r.key);
        r.address = address.value_or(QString());
        if (!address) r.why = QStringLiteral("the record is no longer there");
        else if (address->trimmed().isEmpty()) r.why = QStringLiteral("the record has no e-mail address any more");
        else if (!isSingleAddress(*address)) r.why = QStringLiteral("not a single e-mail address");
        else break;
        r.kind = K::Skipped;
        ++m_next;
    }
    if (m_next >= m_outcomes.size() || m_stopping) {
        finish();
        return;
    }
    MailMessage message = m_message;
    message.to = m_outcomes[m_next].address;
    MailStamp stamp = freshMailStamp(message.from);  // a date and id of its own,
    stamp.boundary = m_boundary;                      // the body's boundary
    const MailEnvelope envelope{m_account, message.from, message.to, composeHeaders(message, stamp),
                                m_folder->filePath(QStringLiteral("body"))};
    ++m_attempts;
    m_transport.send(envelope, [this](const MailOutcome& outcome) { completed(outcome); });
}

void MailRun::completed(const MailOutcome& outcome) {
    RecipientOutcome& r = m_outcomes[m_next++];
    r.why = outcome.reply;
    switch (outcome.kind) {
    case MailOutcome::Kind::Sent: r.kind = K::Sent; break;
    case MailOutcome::Kind::RecipientRefused: r.kind = K::Refused; break;
    case MailOutcome::Kind::Failed: r.kind = K::Failed; m_stopping = true; break;
    case MailOutcome::Kind::Stopped: r.kind = K::NotSent; m_stopping = true; break;
    }
    if (m_stopping || m_next >= m_outcomes.size()) finish();
    else m_schedule([this] { sendNext(); });
}

void MailRun::finish() {
    m_running = false;
    m_stopping = false;
    m_folder.reset();
    if (m_finished) m_finished(m_outcomes);
}

QString runProblems(const QList<RecipientOutcome>& outcomes) {
    QStringList lines;
    for (const RecipientOutcome& r : outcomes) {
        if (r.kind == K::Sent) continue;
        const QString who = r.address.isEmpty() ? r.key : r.address + QStringLiteral(" (") + r.key + u')';
        lines << who + QStringLiteral(": ") + kindText(r.kind) + QStringLiteral(", ") + r.why;
    }
    return lines.isEmpty() ? QString()
                           : QStringLiteral("These recipients did not get the message:\r\r") + lines.join(u'\r');
}

QString runCounts(const QList<RecipientOutcome>& outcomes) {
    const auto count = [&](K kind) {
        return std::count_if(outcomes.begin(), outcomes.end(), [kind](const RecipientOutcome& r) { return r.kind == kind; });
    };
    return QStringLiteral("Sent %1, refused %2, skipped %3, failed %4.")
        .arg(count(K::Sent))
        .arg(count(K::Refused))
        .arg(count(K::Skipped))
        .arg(count(K::Failed) + count(K::NotSent));
}

}  // namespace vn
