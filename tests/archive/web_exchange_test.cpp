// Window 4's "VarnedoCentral" menu on a started program with the record entry window and the
// request builder: its enabling, the pages it opens (recorded instead of opened), the web data
// processing view and the upload view.
#include "../requests/ui/builder_requests.h"
#include "exchange/fcf/fcf_writer.h"
#include "exchange/ui/panel_parts.h"
#include "lists/definitions/list_fields.h"
#include "support/screen_fit.h"
#include "web_program.h"
#include "work_cancel.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

namespace vn {

namespace {

const QString kAddressStart = "https://central.varnedo.example/cgi-bin/VNQ.dll?";

const char* const kEntries[] = {"actionDataDownloadLogon", "actionProcessDownloadedData", "actionBuildDataUploadFile",
                                "actionDataUploadLogon",   "actionFormDownloadLogon",     "actionProcessDownloadForm",
                                "actionStateSupporterAccess"};

}  // namespace

class WebExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theMenuOffersItsEntriesByTheRules();
    void thePagesOpenForThisOfficeAndList_data();
    void thePagesOpenForThisOfficeAndList();
    void aWaitingDownloadRefusesTheDataLogon();
    void processingShowsTheGaugeAndTheRowsThenTheRecords();
    void cancelLeavesTheTablesAndTheFile();
    void theUploadViewStartsATransmissionRequestInWindow9();
    void aDownloadedFormIsListedAndLoaded();

private:
    template <typename T>
    T* find(const char* name) {
        return test::child<T>(m_window, QString::fromLatin1(name));
    }
    void trigger(const char* action) {
        QAction* a = find<QAction>(action);
        QVERIFY2(a->isEnabled(), action);
        a->trigger();
    }
    QList<bool> enabling() {
        emit find<QMenu>("varnedoCentralMenu")->aboutToShow();
        QList<bool> enabled;
        for (const char* entry : kEntries) enabled << find<QAction>(entry)->isEnabled();
        return enabled;
    }
    // Chooses the list in the record entry window as a user would, then comes back here.
    void chooseListInEntryWindow(int row);
    QString downloadFile() const { return QDir(session().folders.base()).filePath("WebXfer/wyalbdown.vnq"); }
    void writeDownload(const QByteArray& text) {
        QDir().mkpath(QFileInfo(downloadFile()).path());
        QFile f(downloadFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    Session& session() const { return *m_program->session; }

    std::unique_ptr<test::RunningProgram> m_program;
    AppWindow* m_window = nullptr;
    QStringList m_opened;
};

void WebExchangeTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    test::putTwoMembers(session(), m_opened);
    test::putRow(session().access, kListSlot, "a&b", {{1, "Shared"}});
    test::openWebWindows(*m_program);
    m_program->navigator->gotoWindow(MainWindowNo, ArchiveWindow);
    m_window = m_program->windows->window(ArchiveWindow);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void WebExchangeTest::cleanup() {
    m_program.reset();
    m_opened.clear();
}

void WebExchangeTest::chooseListInEntryWindow(int row) {
    m_program->navigator->gotoWindow(ArchiveWindow, EntryWindow);
    AppWindow* entry = m_program->windows->window(EntryWindow);
    test::child<QAction>(entry, "actionSelectDataList")->trigger();
    test::clickRow(test::child<QListWidget>(entry, "currentListsList"), row);
    m_program->navigator->gotoWindow(EntryWindow, ArchiveWindow);
}

void WebExchangeTest::theMenuOffersItsEntriesByTheRules() {
    QStringList captions;
    for (QAction* action : find<QMenu>("varnedoCentralMenu")->actions()) captions << action->text();
    QCOMPARE(captions, (QStringList{"Data Download Logon", "Process Downloaded Data", "Build Data Upload File", "Data Upload Logon",
                                    "Form Download Logon", "Process Download Form", "State Supporter Access"}));
    QCOMPARE(enabling(), (QList<bool>{false, true, false, false, true, false, true}));
    QVERIFY(!find<QAction>("actionDataUploadLogon")->toolTip().isEmpty());

    // A list made current elsewhere allows the upload file, not the data download.
    session().currentListCode = "abc";
    QCOMPARE(enabling(), (QList<bool>{false, true, true, false, true, false, true}));
    chooseListInEntryWindow(1);
    QCOMPARE(enabling(), (QList<bool>{true, true, true, false, true, false, true}));
    trigger("actionFormDownloadLogon");
    QCOMPARE(enabling(), (QList<bool>{true, true, true, false, true, true, true}));
    QVERIFY(QDir(QDir(session().folders.base()).filePath("WebXfer")).exists());
    QVERIFY(!find<QAction>("actionDataUploadLogon")->isEnabled());
}

void WebExchangeTest::thePagesOpenForThisOfficeAndList_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("listRow");
    QTest::addColumn<QString>("query");
    QTest::newRow("data download") << "actionDataDownloadLogon" << 1 << "Param1=DataDown&Param2=wy&Param3=ALB&Param4=abc";
    QTest::newRow("a list code to encode") << "actionDataDownloadLogon" << 0 << "Param1=DataDown&Param2=wy&Param3=ALB&Param4=a%26b";
    QTest::newRow("form download") << "actionFormDownloadLogon" << 1 << "Param1=FormDown&Param2=wy&Param3=ALB&Param4=abc";
    QTest::newRow("state supporter") << "actionStateSupporterAccess" << 1 << "Param1=dataaccess&Param2=wy&Param3=ALB&Param4=abc";
}

void WebExchangeTest::thePagesOpenForThisOfficeAndList() {
    QFETCH(QString, action);
    QFETCH(int, listRow);
    QFETCH(QString, query);
    chooseListInEntryWindow(listRow);
    trigger(qPrintable(action));
    QCOMPARE(m_opened, QStringList{kAddressStart + query});
    QVERIFY2(m_program->prompter.messages.isEmpty(), qPrintable(m_program->prompter.texts().join("\n")));

    // No browser to take the page: the warning names it.
    session().openAddress = [](const QString&) { return false; };
    trigger(qPrintable(action));
    QCOMPARE(m_program->prompter.texts(), QStringList{"No web browser could be opened on the address [" + kAddressStart + query + "]."});
}

void WebExchangeTest::aWaitingDownloadRefusesTheDataLogon() {
    chooseListInEntryWindow(1);
    writeDownload("2S~abcwyalb000300000~Mr~Cy\r\n");
    trigger("actionDataDownloadLogon");
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(m_program->prompter.texts(), QStringList{"Warning!  The last data file downloaded from Varnedo Central [" + downloadFile() +
                                                      "] has not been processed.  This must be done before a new data file "
                                                      "can be downloaded."});
}

void WebExchangeTest::processingShowsTheGaugeAndTheRowsThenTheRecords() {
    trigger("actionProcessDownloadedData");
    QVERIFY(find<QWidget>("webDataView")->isVisible());
    QCOMPARE(m_program->prompter.texts(), QStringList{"Notice!  All data files downloaded from Varnedo Central [" + downloadFile() +
                                                      "] have been processed."});

    writeDownload("2S~abcwyalb000300000~Mr~Cy~~Young\r\n"
                  "3S~abcwyalb000300000~Pitcher\r\n"
                  "3M~first line\r\n"
                  "3M~second line\r\n"
                  "2S~abcwyalb000400000~Ms~Di~~Brown\r\n");
    trigger("actionProcessDownloadedData");
    auto* bar = find<QProgressBar>("webDataGaugeBar");
    QCOMPARE(bar->maximum(), 5);
    QCOMPARE(bar->value(), 5);
    QCOMPARE(find<QLabel>("webDataSummaryLabel")->text(),
             "Downloaded data processed: 3 new rows, 0 rows already present, 1 memos, 0 lines skipped.");
    RecordAccess& a = session().access;
    QVERIFY(a.FindRecord(kHeadSlot, "abcwyalb000400000"));
    QCOMPARE(a.GetFieldText(kHeadSlot, 4), "Brown");
    QVERIFY(a.FindRecord(kPag1Slot, "abcwyalb000300000"));
    QCOMPARE(a.GetFieldText(kPag1Slot, kMemoColumn), "first line\nsecond line\n");
    QVERIFY(!QFile::exists(downloadFile()));
    test::verifyFitsSmallScreen(*m_window, "archive-webDataView");
    QVERIFY(test::unnamedControls(m_window).isEmpty());

    chooseListInEntryWindow(1);
    QVERIFY(test::clickButton(m_window, "viewWebDataButton"));
    AppWindow* entry = m_program->windows->window(EntryWindow);
    QVERIFY(entry->isVisible());
    QVERIFY(!m_window->isVisible());
    QVERIFY(test::child<QWidget>(entry, "recordSelectionView")->isVisible());
}

void WebExchangeTest::cancelLeavesTheTablesAndTheFile() {
    QByteArray text;
    for (int i = 0; i < 2000; ++i) text += QStringLiteral("2S~abcwyalb%1~Mr~Cy\r\n").arg(i, 9, 10, QChar('0')).toUtf8();
    writeDownload(text);
    dynamic_cast<PanelView&>(*find<QWidget>("webDataView")).setDialogDelay(0);
    QVERIFY(test::cancelWhenTheDialogShows(m_window, [this] { trigger("actionProcessDownloadedData"); }));
    QCOMPARE(session().access.RecordCount(kHeadSlot), 2);  // the two members only
    QVERIFY(QFile::exists(downloadFile()));
    QVERIFY(find<QLabel>("webDataSummaryLabel")->text().startsWith("Processing cancelled: nothing was changed"));
}

// A form downloaded from the service for list "trp" of another county: listed with its title,
// loaded, its settings shown, the new list offered at once.
void WebExchangeTest::aDownloadedFormIsListedAndLoaded() {
    RecordAccess& a = session().access;
    test::putRow(a, kListSlot, "trp", {{list_field::kTitle, "Field Trip"}, {list_field::kInstructions, "Bring lunch"},
                                       {list_field::kDescription, "Spring outing"}, {list_field::kAgencyName, "Extension"}});
    test::putRow(a, kFdisSlot, "trp101", {{1, "1"}, {2, "1"}, {3, "1"}, {4, "Grade"}});
    const FcfBuild built = FcfWriter(a.database(kListSlot)).write(session().folders.exchangeFolder(), {"trp", "wy", "lar"});
    QVERIFY2(built.ok(), qPrintable(built.error));
    a.DeleteRecord(kListSlot, "trp");
    a.DeleteRecord(kFdisSlot, "trp101");
    reloadListCodes(session());
    QVERIFY(!session().listCodes.contains("trp"));

    trigger("actionFormDownloadLogon");
    trigger("actionProcessDownloadForm");
    QVERIFY(find<QWidget>("formDownloadView")->isVisible());
    QCOMPARE(find<QLabel>("formsFoundLabel")->text(), "Forms Found: 1");
    auto* files = find<QListWidget>("formFilesList");
    QCOMPARE(files->item(0)->text(), "trpwylar.fcf.......Field Trip");
    QVERIFY(!find<QPushButton>("processFormFileButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_window, "archive-downloaded-forms");
    test::clickRow(files, 0);
    QVERIFY(test::clickButton(m_window, "processFormFileButton"));
    QCOMPARE(find<QLineEdit>("formListBox")->text(), "trp");
    QCOMPARE(find<QLineEdit>("formStateBox")->text(), "wy");
    QCOMPARE(find<QLineEdit>("formCountyBox")->text(), "lar");
    QCOMPARE(find<QLineEdit>("formAgencyBox")->text(), "Extension");
    QCOMPARE(find<QPlainTextEdit>("formDescriptionMemo")->toPlainText(), "Spring outing");
    QCOMPARE(find<QPlainTextEdit>("formInstructionsMemo")->toPlainText(), "Bring lunch");
    QVERIFY(a.FindRecord(kFdisSlot, "trp101"));
    QVERIFY(session().listCodes.contains("trp"));
}

void WebExchangeTest::theUploadViewStartsATransmissionRequestInWindow9() {
    chooseListInEntryWindow(1);
    trigger("actionBuildDataUploadFile");
    QVERIFY(find<QWidget>("uploadView")->isVisible());
    QCOMPARE(find<QLabel>("uploadStateLabel")->text(), "wy");
    QCOMPARE(find<QLabel>("uploadCountyLabel")->text(), "alb");
    QCOMPARE(find<QLabel>("uploadListLabel")->text(), "abc");
    for (const char* scope : {"uploadAllRadio", "uploadNewRadio"}) {
        QVERIFY(!find<QRadioButton>(scope)->isEnabled());
        QVERIFY(!find<QRadioButton>(scope)->toolTip().isEmpty());
    }
    QVERIFY(!find<QPushButton>("uploadProcessButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_window, "archive-uploadView");
    QVERIFY(test::unnamedControls(m_window).isEmpty());
    QVERIFY(test::clickButton(m_window, "uploadSqlSelectedRadio"));
    QVERIFY(test::clickButton(m_window, "uploadProcessButton"));

    auto* builder = static_cast<RequestBuilderWindow*>(m_program->windows->window(BuilderWindow));
    QVERIFY(builder->isVisible());
    QCOMPARE(session().builderReturn, int(ArchiveWindow));
    QVERIFY(test::finishLastNotEmpty(builder));
    QVERIFY(test::child<QWidget>(builder, "transmissionView")->isVisible());
    QCOMPARE(test::child<QLabel>(builder, "transmissionCountLabel")->text(), "2");
    test::child<QAction>(builder, "actionExitBuilder")->trigger();
    QVERIFY(m_window->isVisible());
}

}  // namespace vn

QTEST_MAIN(vn::WebExchangeTest)
#include "web_exchange_test.moc"
