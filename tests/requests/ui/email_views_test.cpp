// The e-mail set-up view and the message view on a started program, sending to a loopback SMTP
// server.
#include "mail/email_setup.h"
#include "mail/message_file.h"
#include "mail/ui/email_setup_view.h"
#include "platform/mail/smtp_transport.h"
#include "platform/printing/printer_list.h"
#include "requests/ui/email_message_view.h"
#include "requests/ui/request_windows.h"
#include "store/settings/parameter_reading.h"
#include "support/pdf_text.h"
#include "support/screen_fit.h"
#include "builder_requests.h"
#include "../../platform/mail/mime_reading.h"
#include "../../platform/mail/smtp_sink.h"

#include <QFile>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace vn {

using test::child;

class EmailViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theBuildersSetUpStoresEachChange();
    void theArchivePanelKeepsTheFocusOnEnter();
    void theMessageGoesToEveryChosenRecipient();
    void theMessageTextIsSavedAndLoaded();
    void anEmailRequestInTheBuilderSendsToItsMatches();

private:
    QString stored(const char* key) { return readParameter(m_program->session->access, QString::fromLatin1(key)).value; }
    void leave(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        emit edit->editingFinished();
    }

    std::unique_ptr<test::RunningProgram> m_program;
    QStringList m_opened;
};

void EmailViewsTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    test::putTwoMembers(*m_program->session, m_opened);
}

void EmailViewsTest::cleanup() {
    m_program.reset();
    m_opened.clear();
}

void EmailViewsTest::theBuildersSetUpStoresEachChange() {
    Session& s = *m_program->session;
    int changes = 0;
    EmailSetup setup(s.access, s.settings.mail, [&] { ++changes; });
    EmailSetupView view(setup, EmailSetupView::Place::Builder);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* password = child<QLineEdit>(&view, "EPasswordEdit");
    auto* phone = child<QLineEdit>(&view, "EISPPhoneEdit");
    QVERIFY(!password->isEnabled() && !phone->isEnabled());  // no method yet
    QVERIFY(!view.findChild<QLineEdit*>("ESendToEdit"));
    child<QRadioButton>(&view, "lanRadio")->click();
    QCOMPARE(stored("EMethod"), "2");
    QCOMPARE(s.settings.mail.method, 2);
    QVERIFY(password->isEnabled() && !phone->isEnabled());
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    auto* server = child<QLineEdit>(&view, "EServerEdit");
    leave(server, "mail.example.org");
    QCOMPARE(stored("EServer"), "mail.example.org");
    QCOMPARE(s.settings.mail.server, "mail.example.org");
    leave(server, "");
    QCOMPARE(server->text(), "mail.example.org");  // an emptied box keeps the stored value
    QCOMPARE(stored("EServer"), "mail.example.org");
    auto* sender = child<QLineEdit>(&view, "ESenderEdit");
    sender->setFocus();
    QTest::keyClick(sender, Qt::Key_Return);
    QVERIFY(child<QLineEdit>(&view, "EUserEdit")->hasFocus());
    QCOMPARE(changes, 2);
    test::verifyFitsSmallScreen(view, "email-setup-builder");
}

void EmailViewsTest::theArchivePanelKeepsTheFocusOnEnter() {
    Session& s = *m_program->session;
    writeParameterValue(s.access, "ESendTo", "state@example.org");
    EmailSetup setup(s.access, s.settings.mail);
    EmailSetupView view(setup, EmailSetupView::Place::Archive);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* sendTo = child<QLineEdit>(&view, "ESendToEdit");
    QCOMPARE(sendTo->text(), "state@example.org");  // what is stored now
    sendTo->setFocus();
    QTest::keyClick(sendTo, Qt::Key_Return);
    QVERIFY(sendTo->hasFocus());
    child<QRadioButton>(&view, "dialUpRadio")->click();
    QVERIFY(child<QLineEdit>(&view, "EISPPhoneEdit")->isEnabled());
}

void EmailViewsTest::theMessageGoesToEveryChosenRecipient() {
    test::SmtpSink sink;
    QVERIFY(sink.started());
    Session& s = *m_program->session;
    s.settings.mail = {2, "office@example.org", {}, sink.server(), "office.example.org", {}, {}, {}};
    test::putRow(s.access, kHeadSlot, test::kSmith, {{8, "ann@example.net"}});
    test::putRow(s.access, kHeadSlot, test::kJones, {{8, "bob@example.net"}});
    test::putRow(s.access, kHeadSlot, "abcwyalb000300000", {{4, "Nomail"}, {2, "Cy"}});
    const QString attachment = m_program->tmp.file("Exchange file.dat");
    QFile file(attachment);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100000, 'x') + "end");
    file.close();

    SmtpTransport transport;
    SystemDialUp dialUp;
    EmailMessageView view(s, transport, dialUp);
    view.resize(1200, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.open({test::kJones, test::kSmith, "abcwyalb000300000", "abcwyalb000900000"});
    auto* list = child<QListWidget>(&view, "recipientList");
    QCOMPARE(list->count(), 3);  // the fourth has no Head row
    QCOMPARE(list->item(0)->text(), "abcwyalb000200000   Jones, Bob");
    QCOMPARE(child<QLabel>(&view, "connectionStatusLabel")->text(), "LAN");
    auto* emailNow = child<QPushButton>(&view, "emailNowButton");
    child<QPushButton>(&view, "allRecipientsButton")->click();
    leave(child<QLineEdit>(&view, "subjectEdit"), QStringLiteral("Grüße"));
    QVERIFY(!emailNow->isEnabled());
    QTest::keyClicks(child<QPlainTextEdit>(&view, "messageTextEdit"), "Hello all");
    child<QLineEdit>(&view, "attachmentEdit")->setText(attachment);
    QVERIFY(emailNow->isEnabled());
    test::verifyFitsSmallScreen(view, "email-message");
    emailNow->click();
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>(&view, "emailsAttemptedEdit")->text(), "2", 20000);
    QCOMPARE(sink.count(), 2);
    QStringList to;
    for (int n = 1; n <= 2; ++n) {
        const test::ReadMessage message = test::readMessage(sink.data(n));
        to << QString::fromUtf8(message.top.headers.value("to"));
        QCOMPARE(test::decodeHeader(message.top.headers.value("subject")), QStringLiteral("Grüße"));
        QCOMPARE(message.parts.size(), 2);
        QCOMPARE(QByteArray::fromBase64(message.parts[1].body), QByteArray(100000, 'x') + "end");
        QCOMPARE(test::headerParameter(message.parts[1].headers.value("content-disposition"), "filename"), "Exchange file.dat");
    }
    QCOMPARE(to, (QStringList{"bob@example.net", "ann@example.net"}));
    QCOMPARE(child<QLabel>(&view, "connectionStatusLabel")->text(), "Sent 2, refused 0, skipped 0, failed 0.");
    QVERIFY(child<QLineEdit>(&view, "subjectEdit")->text().isEmpty());
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(m_program->prompter.texts(), QStringList{});

    if (!installedPrinterNames().isEmpty()) return;  // the printout goes to the printer's preview there
    child<QPushButton>(&view, "printRecipientsButton")->click();
    const QString pdf = QDir(s.folders.outputFolder()).filePath("VNEmail.pdf");
    QCOMPARE(m_opened, QStringList{pdf});
    const QString text = test::pdfText(pdf);
    for (const char* needle : {"Varnedo Email Recipients", "Subject: Grüße", "bob@example.net", "ann@example.net", "sent"})
        QVERIFY2(text.contains(QString::fromUtf8(needle)), qPrintable(text));
}

void EmailViewsTest::theMessageTextIsSavedAndLoaded() {
    Session& s = *m_program->session;
    s.settings.mail.method = 2;
    SmtpTransport transport;
    SystemDialUp dialUp;
    EmailMessageView view(s, transport, dialUp);
    view.open({});
    auto* text = child<QPlainTextEdit>(&view, "messageTextEdit");
    text->setPlainText(QStringLiteral("Dear members,\nsee you — Ann"));
    child<QPushButton>(&view, "saveMessageButton")->click();
    const QString path = QDir(s.folders.outputFolder()).filePath(kMessageFileName);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QStringLiteral("Dear members,\r\nsee you — Ann").toUtf8());
    saved.close();
    child<QPushButton>(&view, "clearMessageButton")->click();
    QVERIFY(text->toPlainText().isEmpty());
    child<QPushButton>(&view, "loadLastMessageButton")->click();
    QCOMPARE(text->toPlainText(), QStringLiteral("Dear members,\nsee you — Ann"));

    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write("Caf\xe9 \x96 old file\r\n");  // Windows-1252
    saved.close();
    child<QPushButton>(&view, "loadLastMessageButton")->click();
    QCOMPARE(text->toPlainText(), QStringLiteral("Café – old file\n"));

    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write(QByteArray("binary\0file", 11));
    saved.close();
    child<QPushButton>(&view, "loadLastMessageButton")->click();
    QCOMPARE(text->toPlainText(), QStringLiteral("Café – old file\n"));  // refused, the text stays
    QVERIFY(m_program->prompter.texts().value(0).contains("does not hold text"));
}

// Window 9: "Setup Email" chooses the access method, which enables "Email" in the same run; an
// Email request leads to the message view, and its "Exit / Cancel" back to the builder.
void EmailViewsTest::anEmailRequestInTheBuilderSendsToItsMatches() {
    test::SmtpSink sink;
    QVERIFY(sink.started());
    Session& s = *m_program->session;
    test::putRow(s.access, kHeadSlot, test::kSmith, {{8, "ann@example.net"}});
    reloadListCodes(s);
    m_program->openWindows(entryAndBuilderWindows());
    RequestBuilderWindow* builder = test::openBuilderOnFirstList(*m_program);
    QVERIFY(builder);
    emit child<QMenu>(builder, "requestMenu")->aboutToShow();
    QVERIFY(!child<QAction>(builder, "actionEmail")->isEnabled());
    child<QAction>(builder, "actionSetupEmail")->trigger();
    auto* setup = child<QWidget>(builder, "emailSetupView");
    QVERIFY(setup->isVisible());
    child<QRadioButton>(setup, "lanRadio")->click();
    leave(child<QLineEdit>(setup, "ESenderEdit"), "office@example.org");
    leave(child<QLineEdit>(setup, "EServerEdit"), sink.server());
    QVERIFY(child<QAction>(builder, "actionEmail")->isEnabled());
    child<QPushButton>(setup, "emailSetupExitButton")->click();
    QVERIFY(!setup->isVisible());

    QVERIFY(test::processLastNotEmpty(builder, "actionEmail"));
    auto* view = child<QWidget>(builder, "emailMessageView");
    QVERIFY(view->isVisible());
    auto* list = child<QListWidget>(view, "recipientList");
    QCOMPARE(list->count(), 1);  // only Smith has an address
    child<QPushButton>(view, "allRecipientsButton")->click();
    leave(child<QLineEdit>(view, "subjectEdit"), "Meeting");
    QTest::keyClicks(child<QPlainTextEdit>(view, "messageTextEdit"), "Monday");
    child<QPushButton>(view, "emailNowButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>(view, "emailsAttemptedEdit")->text(), "1", 20000);
    QCOMPARE(sink.envelope(1).value(1), "ann@example.net");
    child<QPushButton>(view, "emailExitButton")->click();
    QVERIFY(!view->isVisible());
    QVERIFY(child<QWidget>(builder, "builderView")->isVisible());
}

}  // namespace vn

QTEST_MAIN(vn::EmailViewsTest)
#include "email_views_test.moc"
