#pragma once

#include "mail/dial_up.h"
#include "mail/mail_run.h"

#include <QList>
#include <QString>
#include <functional>

namespace vn {

class Prompter;
struct MailSettings;

// One line of "Possible Recipients": the record's key and what the list shows.
struct RecipientEntry {
    QString key;
    QString text;
};

// What the message view shows and allows.
struct EmailViewState {
    QString hint;
    QString status;          // "Connection Status:"
    QString attempts;        // "Emails Attempted...", filled at the end of a run
    bool emailNowEnabled = false;
    bool exitEnabled = false;
    bool connectEnabled = false;  // dial-up only
    bool printListEnabled = false;
    bool editable = true;  // subject, text and attachment, read-only while a run goes on
    bool showSetup = false;  // no access method set: the set-up view instead
};

// The rules of the message view: readiness of "Email Now!", the dial-up connection, the checks
// before anything is sent and the run itself. The view forwards its events and draws state().
class EmailSession {
public:
    struct Hooks {
        std::function<void()> changed;        // draw state() again
        std::function<void()> runEnded;       // empty the boxes, deselect every recipient
        std::function<void()> closeRequested; // the view closes
    };

    EmailSession(MailSettings& settings, Prompter& prompter, MailTransport& transport, DialUpService& dialUp,
                 MailRun::AddressOf addressOf, MailRun::Schedule schedule, Hooks hooks);

    // The recipients that have a Head row, "key   " cut to 20 characters + "Last, First".
    static QString entryText(const QString& key, const QString& last, const QString& first);

    void open();
    void recipientsSelected(bool any);
    void subjectLeft(const QString& subject);
    void textChanged(const QString& text);
    void connectClicked();
    // "Email Now!" with the keys of the selected entries, in list order.
    void emailNow(const QStringList& selectedKeys, const QString& subject, const QString& text, const QString& attachment);
    void exitClicked();

    EmailViewState state() const { return m_state; }
    const QList<RecipientOutcome>& lastRun() const { return m_lastRun; }
    bool running() const { return m_run.running(); }

private:
    void testReadiness();
    void halt(const QString& warning);
    QString settingsProblem() const;
    void runFinished(const QList<RecipientOutcome>& outcomes);
    void notify();

    MailSettings& m_settings;
    Prompter& m_prompter;
    DialUpService& m_dialUp;
    MailRun m_run;
    MailRun::AddressOf m_addressOf;
    Hooks m_hooks;
    EmailViewState m_state;
    QList<RecipientOutcome> m_lastRun;
    bool m_selected = false, m_subject = false, m_text = false, m_connected = false, m_closeWhenDone = false;
};

}  // namespace vn
