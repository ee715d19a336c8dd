#include "mail/email_session.h"

#include "mail/email_setup.h"
#include "platform/prompter.h"
#include "store/settings/settings.h"

#include <QFileInfo>

namespace vn {

namespace {

constexpr int kKeyColumn = 20;

const QString kHint = QStringLiteral(
    "Hint:  You may compose the message in the message text box below or copy and paste from some other "
    "application or open a file via the file button.");

bool dialUp(const MailSettings& s) { return s.method == EmailSetup::DialUp; }

}  // namespace

EmailSession::EmailSession(MailSettings& settings, Prompter& prompter, MailTransport& transport,
                           DialUpService& dialUp, MailRun::AddressOf addressOf, MailRun::Schedule schedule,
                           Hooks hooks)
    : m_settings(settings),
      m_prompter(prompter),
      m_dialUp(dialUp),
      m_run(transport, addressOf, std::move(schedule)),
      m_addressOf(std::move(addressOf)),
      m_hooks(std::move(hooks)) {
    m_dialUp.setListener({
        [this] {
            m_connected = true;
            m_state.status = QStringLiteral("Connected...");
            testReadiness();
        },
        [this] {
            m_connected = false;
            m_state.status = QStringLiteral(" Not Connected.");
            testReadiness();
        },
        [this](int code) {
            m_state.status = m_dialUp.statusText(code);
            notify();
        },
        [this](int code) {
            m_state.status = m_dialUp.errorText(code);
            notify();
        },
    });
}

QString EmailSession::entryText(const QString& key, const QString& last, const QString& first) {
    return (key + QStringLiteral("   ")).left(kKeyColumn) + last + QStringLiteral(", ") + first;
}

void EmailSession::open() {
    m_selected = m_subject = m_text = m_closeWhenDone = false;
    m_state = {};
    m_state.hint = kHint;
    m_state.showSetup = m_settings.method == EmailSetup::NotSet;
    m_state.exitEnabled = true;  // a run can always be ended
    if (dialUp(m_settings)) {
        m_state.connectEnabled = true;
        m_state.status = m_connected ? QStringLiteral("Dialup Connection Active...") : QStringLiteral("No Connection");
    } else {
        m_state.status = QStringLiteral("LAN");
    }
    testReadiness();
}

void EmailSession::recipientsSelected(bool any) {
    m_selected = any;
    testReadiness();
}

void EmailSession::subjectLeft(const QString& subject) {
    m_subject = !subject.isEmpty();
    testReadiness();
}

void EmailSession::textChanged(const QString& text) {
    m_text = !text.isEmpty();
    testReadiness();
}

void EmailSession::connectClicked() {
    if (!dialUp(m_settings) || m_run.running()) return;
    if (m_connected) {
        m_state.status = QStringLiteral("Hanging Up...");
        notify();
        m_dialUp.hangUp();
        return;
    }
    m_state.status = QStringLiteral("Attempting Connection...");
    notify();
    m_dialUp.dial(m_settings.user, m_settings.password, QString(), m_settings.ispPhone);
}

void EmailSession::testReadiness() {
    m_state.emailNowEnabled = !m_run.running() && m_selected && m_subject && m_text && (!dialUp(m_settings) || m_connected);
    notify();
}

void EmailSession::halt(const QString& warning) {
    m_prompter.beep();
    m_prompter.warning(warning);
    m_state.editable = true;
    m_state.exitEnabled = true;
    m_state.connectEnabled = dialUp(m_settings);
    testReadiness();
}

// The settings a message needs, checked before the first one goes out.
QString EmailSession::settingsProblem() const {
    const auto named = [](const char* setting, const char* what) {
        return QStringLiteral("The e-mail setting %1 %2.  Email sending halted.").arg(QLatin1String(setting), QLatin1String(what));
    };
    if (!isSingleAddress(m_settings.sender)) return named("\"Sender\" (ESender)", "is not one e-mail address");
    const QString server = m_settings.server.trimmed();
    if (server.isEmpty() || server.contains(u' ')) return named("\"Mail Server\" (EServer)", "is not a server name");
    if (m_settings.domain.contains(u' ') || m_settings.domain.contains(u'\r') || m_settings.domain.contains(u'\n'))
        return named("\"Domain\" (EDomain)", "is not a domain name");
    return {};
}

void EmailSession::emailNow(const QStringList& selectedKeys, const QString& subject, const QString& text,
                            const QString& attachment) {
    m_state.emailNowEnabled = m_state.connectEnabled = false;
    m_state.editable = false;
    if (!dialUp(m_settings)) m_state.status = QStringLiteral("LAN / DSL");
    notify();
    QStringList keys;
    for (const QString& key : selectedKeys) {
        const std::optional<QString> address = m_addressOf(key);
        if (address && !address->trimmed().isEmpty()) keys << key;
    }
    if (keys.isEmpty()) return halt(QStringLiteral("No Email addresses found.  Email sending halted."));
    if (subject.isEmpty()) return halt(QStringLiteral("Subject line missing.  Email sending halted."));
    if (text.isEmpty()) return halt(QStringLiteral("No Message.  Email sending halted."));
    if (const QString problem = settingsProblem(); !problem.isEmpty()) return halt(problem);
    if (!attachment.isEmpty() && !QFileInfo(attachment).isReadable())
        return halt(QStringLiteral("The attachment %1 cannot be read.  Email sending halted.").arg(attachment));
    const SmtpAccount account{m_settings.server, m_settings.domain, m_settings.user, m_settings.password};
    const MailMessage message{m_settings.sender, {}, subject, text, attachment};
    const QString failure =
        m_run.start(account, message, keys, [this](const QList<RecipientOutcome>& outcomes) { runFinished(outcomes); });
    if (!failure.isEmpty()) halt(failure + QStringLiteral("  Email sending halted."));
}

void EmailSession::runFinished(const QList<RecipientOutcome>& outcomes) {
    m_lastRun = outcomes;
    m_state.attempts = QString::number(m_run.attempts());
    m_state.exitEnabled = true;
    m_state.connectEnabled = dialUp(m_settings);
    m_state.printListEnabled = true;
    m_state.editable = true;
    m_state.status = runCounts(outcomes);
    m_selected = m_subject = m_text = false;
    if (m_hooks.runEnded) m_hooks.runEnded();
    testReadiness();
    if (const QString problems = runProblems(outcomes); !problems.isEmpty()) m_prompter.warning(problems);
    if (m_closeWhenDone) exitClicked();
}

void EmailSession::exitClicked() {
    if (m_run.running()) {
        m_closeWhenDone = true;  // after the message in transit
        m_run.stop();
        return;
    }
    m_closeWhenDone = false;
    if (m_connected) m_dialUp.hangUp();
    if (m_hooks.closeRequested) m_hooks.closeRequested();
}

void EmailSession::notify() {
    if (m_hooks.changed) m_hooks.changed();
}

}  // namespace vn
