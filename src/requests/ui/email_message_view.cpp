#include "requests/ui/email_message_view.h"

#include "mail/message_file.h"
#include "platform/printing/print_job.h"
#include "platform/prompter.h"
#include "platform/spelling/spell_checker.h"
#include "platform/ui/misspelling_highlighter.h"
#include "platform/ui/preview_destination.h"
#include "platform/ui/spell_check_dialog.h"
#include "requests/labels/label_order.h"
#include "requests/ui/queue_name_box.h"
#include "requests/output/recipient_list.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/named_button.h"
#include "shell/core/session.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kGapMs = 200;
constexpr int kHeadLast = 4, kHeadFirst = 2, kHeadEmail = 8;

}  // namespace

EmailMessageView::EmailMessageView(Session& session, MailTransport& transport, DialUpService& dialUp, QWidget* parent)
    : QWidget(parent), m_session(session), m_transport(transport) {
    setObjectName(QStringLiteral("emailMessageView"));
    const auto addressOf = [&session](const QString& key) -> std::optional<QString> {
        const std::optional<HeadFields> head = readHeadFields(session.access, key);
        if (!head) return std::nullopt;
        return head->value(kHeadEmail);
    };
    const auto schedule = [this](std::function<void()> next) { QTimer::singleShot(kGapMs, this, std::move(next)); };
    EmailSession::Hooks hooks{[this] { draw(); },
                              [this] {
                                  m_subject->clear();
                                  m_text->clear();
                                  m_attachment->clear();
                                  m_recipients->clearSelection();
                              },
                              [this] { emit closed(); }};
    m_rules = std::make_unique<EmailSession>(session.settings.mail, session.prompter, transport, dialUp, addressOf,
                                             schedule, std::move(hooks));
    auto* layout = new QGridLayout(this);
    auto* heading = new QLabel(QStringLiteral("Email"), this);
    heading->setObjectName(QStringLiteral("emailHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading, 0, 0, 1, 2);
    layout->addWidget(buildRecipients(), 1, 0);
    layout->addWidget(buildMessage(), 1, 1);
    layout->addWidget(buildActions(), 2, 0, 1, 2);
    m_queue = new QueueNameBox(QStringLiteral("email"), QueueNameBox::Leaving::OffersAddNow, this);
    layout->addWidget(m_queue, 3, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

EmailMessageView::~EmailMessageView() = default;  // the transport's owner stops it

QWidget* EmailMessageView::buildRecipients() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_recipients = new QListWidget(box);
    m_recipients->setObjectName(QStringLiteral("recipientList"));
    m_recipients->setSelectionMode(QAbstractItemView::MultiSelection);
    m_recipients->setAccessibleName(QStringLiteral("Possible Recipients"));
    m_recipients->setMinimumWidth(420);
    column->addWidget(captionFor(QStringLiteral("Records..."), m_recipients, box));
    column->addWidget(new QLabel(QStringLiteral("Possible Recipients"), box));
    column->addWidget(m_recipients, 1);
    auto* none = namedButton(QStringLiteral("None"), "noRecipientsButton", box);
    auto* all = namedButton(QStringLiteral("All"), "allRecipientsButton", box);
    auto* row = new QHBoxLayout;
    row->addWidget(none);
    row->addWidget(all);
    row->addStretch(1);
    column->addLayout(row);
    connect(none, &QPushButton::clicked, m_recipients, &QListWidget::clearSelection);
    connect(all, &QPushButton::clicked, m_recipients, &QListWidget::selectAll);
    connect(m_recipients, &QListWidget::itemSelectionChanged, this,
            [this] { m_rules->recipientsSelected(!m_recipients->selectedItems().isEmpty()); });
    return box;
}

QWidget* EmailMessageView::buildMessage() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_hint = new QPlainTextEdit(box);
    m_hint->setObjectName(QStringLiteral("emailHint"));
    m_hint->setReadOnly(true);
    m_hint->setMaximumHeight(m_hint->fontMetrics().lineSpacing() * 3);
    m_hint->setAccessibleName(QStringLiteral("Hint"));
    grid->addWidget(m_hint, 0, 0, 1, 3);
    m_subject = new QLineEdit(box);
    m_subject->setObjectName(QStringLiteral("subjectEdit"));
    grid->addWidget(captionFor(QStringLiteral("Subject:"), m_subject, box), 1, 0);
    grid->addWidget(m_subject, 1, 1, 1, 2);
    connect(m_subject, &QLineEdit::editingFinished, this, [this] { m_rules->subjectLeft(m_subject->text()); });
    m_text = new QPlainTextEdit(box);
    m_text->setObjectName(QStringLiteral("messageTextEdit"));
    new MisspellingHighlighter(sessionSpellChecker(), m_text->document());
    grid->addWidget(captionFor(QStringLiteral("Message Text:"), m_text, box), 2, 0);
    auto* browse = namedButton(QStringLiteral("..."), "browseMessageButton", box);
    browse->setToolTip(QStringLiteral("Browse for email message file"));
    browse->setAccessibleName(QStringLiteral("Browse for email message file"));
    grid->addWidget(browse, 2, 2, Qt::AlignRight);
    grid->addWidget(m_text, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { m_rules->textChanged(m_text->toPlainText()); });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Browse for email message file"));
        if (!path.isEmpty()) loadFile(path);
    });
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> textButtons[] = {
        {"Check Message Spelling", "checkSpellingButton"},
        {"Clear Message Text", "clearMessageButton"},
        {"Load Last V.N. Email Message", "loadLastMessageButton"},
        {"Save Current V.N. Email Message", "saveMessageButton"},
    };
    QList<QPushButton*> made;
    for (const auto& [caption, name] : textButtons) {
        made << namedButton(QString::fromLatin1(caption), name, box);
        buttons->addWidget(made.last());
    }
    grid->addLayout(buttons, 4, 0, 1, 3);
    connect(made[0], &QPushButton::clicked, this, [this] {
        const SpellCheckResult result =
            SpellCheckDialog::check(sessionSpellChecker(), m_session.prompter, m_text->toPlainText(), this);
        if (result.changed) m_text->setPlainText(result.text);
    });
    connect(made[1], &QPushButton::clicked, m_text, &QPlainTextEdit::clear);
    connect(made[2], &QPushButton::clicked, this, [this] {
        const QString path = filesPath(kMessageFileName);
        if (QFileInfo::exists(path)) loadFile(path);
    });
    connect(made[3], &QPushButton::clicked, this, [this] { saveLast(); });
    m_attachment = new QLineEdit(box);
    m_attachment->setObjectName(QStringLiteral("attachmentEdit"));
    grid->addWidget(captionFor(QStringLiteral("Attachment (File):"), m_attachment, box), 5, 0);
    grid->addWidget(m_attachment, 5, 1);
    auto* attach = namedButton(QStringLiteral("..."), "browseAttachmentButton", box);
    attach->setToolTip(QStringLiteral("Browse for attachment file"));
    attach->setAccessibleName(QStringLiteral("Browse for attachment file"));
    grid->addWidget(attach, 5, 2);
    connect(attach, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Browse for attachment file"));
        if (!path.isEmpty()) m_attachment->setText(QDir::toNativeSeparators(path));
    });
    m_status = new QLabel(box);
    m_status->setObjectName(QStringLiteral("connectionStatusLabel"));
    grid->addWidget(captionFor(QStringLiteral("Connection Status:"), m_status, box), 6, 0);
    grid->addWidget(m_status, 6, 1, 1, 2);
    return box;
}

QWidget* EmailMessageView::buildActions() {
    auto* group = new QGroupBox(QStringLiteral("Actions..."), this);
    group->setObjectName(QStringLiteral("emailActionsGroup"));
    auto* row = new QHBoxLayout(group);
    m_emailNow = namedButton(QStringLiteral("Email Now!"), "emailNowButton", group);
    m_exit = namedButton(QStringLiteral("Exit / Cancel"), "emailExitButton", group);
    m_connect = namedButton(QStringLiteral("Connect / Disconnect"), "connectButton", group);
    m_printList = namedButton(QStringLiteral("Print Recipient List"), "printRecipientsButton", group);
    m_attempts = new QLineEdit(group);
    m_attempts->setObjectName(QStringLiteral("emailsAttemptedEdit"));
    m_attempts->setReadOnly(true);
    m_attempts->setMaximumWidth(80);
    for (QWidget* w : std::initializer_list<QWidget*>{m_emailNow, m_exit, m_connect}) row->addWidget(w);
    row->addWidget(captionFor(QStringLiteral("Emails Attempted..."), m_attempts, group));
    row->addWidget(m_attempts);
    row->addWidget(m_printList);
    row->addStretch(1);
    connect(m_emailNow, &QPushButton::clicked, this, [this] {
        m_lastSubject = m_subject->text();
        BusyCursor busy;
        m_rules->emailNow(selectedKeys(), m_subject->text(), m_text->toPlainText(), m_attachment->text());
    });
    connect(m_exit, &QPushButton::clicked, this, [this] { m_rules->exitClicked(); });
    connect(m_connect, &QPushButton::clicked, this, [this] { m_rules->connectClicked(); });
    connect(m_printList, &QPushButton::clicked, this, [this] { printRecipients(); });
    return group;
}

void EmailMessageView::open(const QStringList& matches) {
    m_recipients->clear();
    for (const QString& key : matches) {
        const std::optional<HeadFields> head = readHeadFields(m_session.access, key);
        if (!head) continue;
        auto* item = new QListWidgetItem(EmailSession::entryText(key, head->value(kHeadLast), head->value(kHeadFirst)));
        item->setData(Qt::UserRole, key);  // the key as data, whatever its length
        m_recipients->addItem(item);
    }
    m_subject->clear();
    m_text->clear();
    m_attachment->clear();
    m_rules->open();
    if (m_rules->state().showSetup) emit setupWanted();
}

void EmailMessageView::stopNow() { m_transport.stop(); }

void EmailMessageView::draw() {
    const EmailViewState s = m_rules->state();
    if (m_hint->toPlainText() != s.hint) m_hint->setPlainText(s.hint);
    m_status->setText(s.status);
    m_attempts->setText(s.attempts);
    m_emailNow->setEnabled(s.emailNowEnabled);
    m_exit->setEnabled(s.exitEnabled);
    m_connect->setEnabled(s.connectEnabled);
    m_printList->setEnabled(s.printListEnabled);
    m_subject->setReadOnly(!s.editable);
    m_text->setReadOnly(!s.editable);
    m_attachment->setReadOnly(!s.editable);
}

QStringList EmailMessageView::selectedKeys() const {
    QStringList keys;
    for (int row = 0; row < m_recipients->count(); ++row)
        if (m_recipients->item(row)->isSelected()) keys << m_recipients->item(row)->data(Qt::UserRole).toString();
    return keys;
}

QString EmailMessageView::filesPath(const char* name) const {
    return QDir(m_session.folders.outputFolder()).filePath(QString::fromLatin1(name));
}

void EmailMessageView::loadFile(const QString& path) {
    const MessageFileText file = loadMessageFile(path);
    if (!file.failure.isEmpty()) {
        m_session.prompter.warning(file.failure);
        return;
    }
    m_text->setPlainText(file.text);
}

void EmailMessageView::saveLast() {
    const QString path = filesPath(kMessageFileName);
    QDir().mkpath(m_session.folders.outputFolder());
    if (const QString failure = saveMessageFile(path, m_text->toPlainText()); !failure.isEmpty())
        m_session.prompter.error(QStringLiteral("The message could not be saved as\r\r%1\r\r%2").arg(path, failure));
}

void EmailMessageView::printRecipients() {
    PreviewDestination destination(QApplication::activeWindow(), m_session.printer.platformName);
    PrintJob job(destination, m_session.prompter, m_session.openAddress, m_session.folders.outputFolder());
    job.print(recipientListPrintout(m_lastSubject, m_rules->lastRun()));
}

}  // namespace vn
