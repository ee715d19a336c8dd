// The central web service end to end: pages go to the desktop through the program's own opener
// (offscreen, that is xdg-open), a stand-in browser fetches them from a loopback stand-in of the
// service and saves the files, and the program processes what arrived.
#include "../requests/ui/window_children.h"
#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "platform/document_opener.h"
#include "support/web_service.h"
#include "web_program.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace vn {

class WebServiceTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void downloadedDataAndFormsArriveThroughTheBrowser();

private:
    Session& session() const { return *m_program->session; }
    QString webFolder() const { return QDir(session().folders.base()).filePath("WebXfer"); }

    std::unique_ptr<test::RunningProgram> m_program;
};

void WebServiceTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    session().openAddress = [](const QString& address) { return OpenDocument(address); };
    test::putRow(session().access, kListSlot, "abc", {{1, "Members"}});
    test::openWebWindows(*m_program);
}

void WebServiceTest::cleanup() { m_program.reset(); }

void WebServiceTest::downloadedDataAndFormsArriveThroughTheBrowser() {
    test::FakeWebService service(webFolder());
    QVERIFY(service.started());
    service.offer("wyalbdown.vnq", "2S~abcwyalb000500000~Mr~Ed~~Stone\r\n"
                                   "3S~abcwyalb000500000~Mason\r\n"
                                   "3M~collected on the web\r\n");
    const QByteArray form = QByteArray("\x08\0\0\0 &Newfcf", 12);
    service.offer("abcwyalb.fcf", form);

    // The record entry window's button logs on; the browser saves the file; the button processes it.
    m_program->navigator->gotoWindow(MainWindowNo, EntryWindow);
    AppWindow* entry = m_program->windows->window(EntryWindow);
    QVERIFY(QTest::qWaitForWindowExposed(entry));
    test::child<QAction>(entry, "actionSelectDataList")->trigger();
    test::clickRow(test::child<QListWidget>(entry, "currentListsList"), 0);
    QVERIFY(test::clickButton(entry, "downloadButton"));
    QTRY_VERIFY(QFile::exists(QDir(webFolder()).filePath("wyalbdown.vnq")));
    QVERIFY(test::clickButton(entry, "processDownloadButton"));
    RecordAccess& a = session().access;
    QVERIFY(a.FindRecord(kHeadSlot, "abcwyalb000500000"));
    QCOMPARE(a.GetFieldText(kHeadSlot, 4), "Stone");
    QVERIFY(a.FindRecord(kPag1Slot, "abcwyalb000500000"));
    QCOMPARE(a.GetFieldText(kPag1Slot, 1), "Mason");
    QCOMPARE(a.GetFieldText(kPag1Slot, kMemoColumn), "collected on the web\n");
    QVERIFY(!QFile::exists(QDir(webFolder()).filePath("wyalbdown.vnq")));

    // Window 4's form download logon: the form control file arrives in the same folder.
    m_program->navigator->gotoWindow(EntryWindow, ArchiveWindow);
    AppWindow* archive = m_program->windows->window(ArchiveWindow);
    QVERIFY(QTest::qWaitForWindowExposed(archive));
    test::child<QAction>(archive, "actionFormDownloadLogon")->trigger();
    QTRY_VERIFY(QFile::exists(QDir(webFolder()).filePath("abcwyalb.fcf")));
    QFile fetched(QDir(webFolder()).filePath("abcwyalb.fcf"));
    QVERIFY(fetched.open(QIODevice::ReadOnly));
    QCOMPARE(fetched.readAll(), form);

    QCOMPARE(service.queries(), (QStringList{"Param1=DataDown&Param2=wy&Param3=ALB&Param4=abc",
                                             "Param1=FormDown&Param2=wy&Param3=ALB&Param4=abc"}));
    QVERIFY2(m_program->prompter.texts().size() == 1, qPrintable(m_program->prompter.texts().join("\n")));
    QVERIFY(m_program->prompter.texts()[0].startsWith("Downloaded data processed: 2 new rows"));
}

}  // namespace vn

QTEST_MAIN(vn::WebServiceTest)
#include "web_service_test.moc"
