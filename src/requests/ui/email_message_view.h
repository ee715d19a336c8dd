#pragma once

#include "mail/email_session.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class QueueNameBox;
class Session;

// The message view after an Email request: the recipients, subject, text and attachment, and the
// run that sends the message to each chosen recipient. Its rules are EmailSession's.
class EmailMessageView : public QWidget {
    Q_OBJECT
public:
    EmailMessageView(Session& session, MailTransport& transport, DialUpService& dialUp, QWidget* parent = nullptr);
    ~EmailMessageView() override;

    // Shows the matches that have a Head row as recipients, every box emptied.
    void open(const QStringList& matches);
    // Ends a run in progress at once (the orderly exit).
    void stopNow();
    const EmailSession& rules() const { return *m_rules; }
    QueueNameBox* queueBox() const { return m_queue; }

signals:
    void setupWanted();  // no access method yet
    void closed();

private:
    QWidget* buildRecipients();
    QWidget* buildMessage();
    QWidget* buildActions();
    void draw();
    void loadFile(const QString& path);
    void saveLast();
    void printRecipients();
    QStringList selectedKeys() const;
    QString filesPath(const char* name) const;

    Session& m_session;
    MailTransport& m_transport;
    std::unique_ptr<EmailSession> m_rules;
    QListWidget* m_recipients = nullptr;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLineEdit* m_attachment = nullptr;
    QPlainTextEdit* m_hint = nullptr;
    QLabel* m_status = nullptr;
    QLineEdit* m_attempts = nullptr;
    QPushButton* m_emailNow = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_printList = nullptr;
    QString m_lastSubject;
    QueueNameBox* m_queue = nullptr;
};

}  // namespace vn
