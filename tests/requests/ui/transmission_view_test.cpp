#include "../../platform/mail/mime_reading.h"
#include "../../platform/mail/smtp_sink.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"
#include "support/screen_fit.h"
#include "builder_requests.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// "Select Records for Transmission" as a county office meets it, offscreen: the records a
// request selected written for the destinations chosen, then sent by e-mail.
class TransmissionViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theSelectedRecordsGoToTheChosenDestinations();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_on.builder, name);
    }
    bool click(const QString& name) { return test::clickButton(m_on.builder, name); }
    QByteArray fileBytes() const;

    test::BuilderOnTwoMembers m_on;
};

// A county office.
void TransmissionViewTest::init() {
    QVERIFY(m_on.start([](Session& session) {
        session.identity.operationalLevel = 1;
        session.identity.countyCode = "ALB";
        session.identity.stateCode = "wy";
        session.identity.stateName = "Wyoming";
        session.identity.installationName = "Albany County";
        session.settings.dataFlow = 1;
    }));
}

void TransmissionViewTest::cleanup() { m_on.stop(); }

QByteArray TransmissionViewTest::fileBytes() const {
    QFile file(QDir(m_on.program->session->folders.exchangeFolder()).filePath("albdata.vnd"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TransmissionViewTest::theSelectedRecordsGoToTheChosenDestinations() {
    Session& session = *m_on.program->session;
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionTransmission"));
    QVERIFY(find<QWidget>("transmissionView")->isVisible());
    QCOMPARE(find<QLabel>("transmissionCountLabel")->text(), "2");
    auto* list = find<QListWidget>("transmissionDestinationList");
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
    QVERIFY(entries.contains("LAR  Laramie"));
    QCOMPARE(entries.last(), "WY_  Wyoming");
    QByteArray destinations = "Destinations: ~";
    for (const QString& entry : entries) destinations += entry.left(3).toUtf8() + '~';
    QVERIFY(!find<QPushButton>("buildTransmissionButton")->isEnabled());
    QVERIFY(click("allDestinationsButton"));
    QVERIFY(find<QPushButton>("buildTransmissionButton")->isEnabled());
    QVERIFY(click("noDestinationsButton"));
    QVERIFY(!find<QPushButton>("buildTransmissionButton")->isEnabled());
    QVERIFY(click("allDestinationsButton"));
    auto* mail = find<QPushButton>("transmissionEmailButton");
    QVERIFY(!mail->isEnabled());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-transmission");
    QVERIFY(test::unnamedControls(m_on.builder).isEmpty());

    QVERIFY(click("buildTransmissionButton"));
    QCOMPARE(m_on.program->prompter.texts().last(), "The Data Send file was successfully created.");
    const QList<QByteArray> lines = fileBytes().split('\n');
    QVERIFY(lines.size() > 4);
    QCOMPARE(lines[1], destinations + '\r');
    QCOMPARE(lines[2], "Data Lists: ~abc~\r");
    QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith("11~"); }), 2);
    QVERIFY(!mail->isEnabled());  // e-mail is not set up
    QVERIFY(mail->toolTip().contains("Setup Email"));

    test::SmtpSink sink;
    QVERIFY(sink.started());
    session.settings.mail = {2, "alb@example.org", {}, sink.server(), "example.org", {}, {}, "state@example.org"};
    QVERIFY(click("buildTransmissionButton"));  // the file exists: replaced when the user says OK
    QVERIFY(mail->isEnabled());
    QVERIFY(click("transmissionEmailButton"));
    QTRY_COMPARE_WITH_TIMEOUT(sink.count(), 1, 20000);
    QTRY_VERIFY(m_on.program->prompter.texts().last().startsWith("The file albdata.vnd was sent to state@example.org."));
    const test::ReadMessage message = test::readMessage(sink.data(1));
    QCOMPARE(test::decodeHeader(message.top.headers.value("subject")), "albdata.vnd from Albany County");
    QCOMPARE(message.parts.size(), 2);
    QCOMPARE(QByteArray::fromBase64(message.parts[1].body), fileBytes());
    QVERIFY(test::decodeQuotedPrintable(message.parts[0].body).startsWith(lines[0]));
}

QTEST_MAIN(TransmissionViewTest)
#include "transmission_view_test.moc"
