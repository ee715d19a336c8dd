#include "entry/ui/entry_window.h"
#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "platform/printing/printer_list.h"
#include "platform/prompter.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "support/pdf_text.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "builder_requests.h"
#include "window_children.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

// Window 9 carries a Report request on: the print fields, the sort fields, then the report
// to a file, to the screen or to the printer, offscreen; and a Mail Merge request to its file.
class ReportViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void printAndSortFieldsAreNumberedInTheOrderTicked();
    void theReportGoesToAFile();
    void theReportGoesToTheScreen();
    void aLongScreenReportIsWalkedViewByView();
    void thePrinterPreviewIsAPdf();
    void withoutPreviewTheReportGoesToThePrintJob();
    void numericColumnsAreSummedInThePrintedReport();
    void aMailMergeWritesItsFileAtOnceForTheWordProcessor();
    void aMailMergeWithoutMatchesLeavesAnEmptyFileQuietly();
    void storedReportsAndMergesReplayToTheSameFiles();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_on.builder, name);
    }
    bool click(const QString& name) { return test::clickButton(m_on.builder, name); }
    QString label(const QString& name) { return find<QLabel>(name)->text(); }
    // The report view's tick box of a listed field, by its caption.
    QCheckBox* reportBox(const QString& caption);
    void tick(const QString& caption) { QTest::mouseClick(reportBox(caption), Qt::LeftButton, {}, QPoint(4, 8)); }
    void processReportRequest();
    // Last and First printed, sorted by Last; "Output to..." offered.
    void chooseLastFirstByLast();
    // Last and Title merged, sorted by Last; "Process My Request!" clicked.
    void mergeLastTitleByLast();
    // "Add to SQL Request Queue List..." in the sort view.
    bool queueOffered() { return find<QWidget>("reportAddToQueueGroup")->isVisible(); }
    // Stores the request under the name with the sort view's "Add Now", replays it from the
    // queue and returns the file it wrote again.
    QByteArray storeAndReplay(const QString& name, const QString& file);
    QString filesPath(const QString& name) const { return QDir(m_on.program->session->folders.outputFolder()).filePath(name); }

    test::BuilderOnTwoMembers m_on;
};

void ReportViewsTest::init() { QVERIFY(m_on.start()); }

void ReportViewsTest::cleanup() { m_on.stop(); }

QCheckBox* ReportViewsTest::reportBox(const QString& caption) {
    for (auto* box : find<QWidget>("reportChoicesView")->findChildren<QCheckBox*>())
        if (box->text() == caption && box->isVisible()) return box;
    qFatal("no tick box %s", qPrintable(caption));
    return nullptr;
}

// "Last" <> "": both records.
void ReportViewsTest::processReportRequest() {
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionReport"));
    QVERIFY(find<QWidget>("reportChoicesView")->isVisible());
}

void ReportViewsTest::chooseLastFirstByLast() {
    processReportRequest();
    tick("Last");
    tick("First");
    QVERIFY(click("continueSortButton"));
    tick("Last");
    QVERIFY(click("processReportButton"));
    QVERIFY(find<QGroupBox>("outputGroup")->isVisible());
}

void ReportViewsTest::printAndSortFieldsAreNumberedInTheOrderTicked() {
    processReportRequest();
    QCOMPARE(label("reportViewTitle"), "Select Fields to Print...");
    QCOMPARE(find<QGroupBox>("reportFieldsGroup")->title(), "Select print fields in print order...");
    QCOMPARE(label("reportMatchesLabel"), "2");
    QCOMPARE(find<QWidget>("reportHint")->property("plainText").toString(),
             "Hint:  The field selection, target matching, etc. for your report request is now completed.");
    QVERIFY(!find<QPushButton>("continueSortButton")->isEnabled());
    const auto order = [this](const QString& caption) {
        QLabel* number = find<QLabel>(reportBox(caption)->objectName() + "Order");
        return number->isVisible() ? number->text() : QString();
    };
    tick("Last");
    tick("First");
    tick("City");
    QCOMPARE(order("Last"), "1");
    QCOMPARE(order("First"), "2");
    QCOMPARE(order("City"), "3");
    tick("Last");  // unticked: the later ones move up
    QCOMPARE(order("Last"), "");
    QCOMPARE(order("First"), "1");
    QCOMPARE(order("City"), "2");
    test::verifyFitsSmallScreen(*m_on.builder, "builder-report-print-fields");

    QVERIFY(click("clearReportFieldsButton"));
    QCOMPARE(order("First"), "");
    QVERIFY(!find<QPushButton>("continueSortButton")->isEnabled());
    tick("Zip");
    QVERIFY(click("continueSortButton"));
    QCOMPARE(label("reportViewTitle"), "Select Sort Order...");
    QCOMPARE(find<QPushButton>("clearReportFieldsButton")->text(), "Clear sort order selection");
    QCOMPARE(order("Zip"), "");  // the sort fields are their own
    QCOMPARE(find<QPushButton>("processReportButton")->toolTip(),
             "If you wish to process the report a second time to a different output location, click this button a "
             "second time and re-select output location.");
    QVERIFY(!find<QPushButton>("processReportButton")->isEnabled());
    QVERIFY(!find<QGroupBox>("outputGroup")->isVisible());
    tick("City");
    QCOMPARE(order("City"), "1");
    QVERIFY(click("processReportButton"));
    QVERIFY(find<QGroupBox>("outputGroup")->isVisible());
    QCOMPARE(find<QWidget>("reportHint")->property("plainText").toString(),
             "Hint:  The SQL system has finished with your request.");
    QVERIFY(click("reselectOutputButton"));
    QVERIFY(!find<QGroupBox>("outputGroup")->isVisible());
    QVERIFY(click("processReportButton"));
    QVERIFY(!queueOffered());
}

void ReportViewsTest::theReportGoesToAFile() {
    chooseLastFirstByLast();
    QVERIFY(click("fileOutputButton"));
    const QString path = filesPath("VNRpt.Txt");
    QCOMPARE(m_on.program->prompter.texts(), QStringList{"Task Completed! Report is in File\r\r" + path + "."});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Jones~Bob~\r\nSmith~Ann~\r\nRecords Listed:  2~\r\n"));
    QVERIFY(queueOffered());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-report-sort-output");
}

void ReportViewsTest::theReportGoesToTheScreen() {
    chooseLastFirstByLast();
    QVERIFY(click("screenOutputButton"));
    QVERIFY(QFileInfo::exists(filesPath("View1.bmp")));
    QVERIFY(find<QWidget>("reportScreenView")->isVisible());
    QVERIFY(!find<QLabel>("reportPicture")->pixmap().isNull());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-report-screen");
    for (const char* name : {"priorViewButton", "nextViewButton"}) {
        QCOMPARE(find<QPushButton>(name)->text(), "Only View");
        QVERIFY(!find<QPushButton>(name)->isEnabled());
    }
    QVERIFY(click("reportExitButton"));
    QVERIFY(find<QWidget>("reportChoicesView")->isVisible());
    QCOMPARE(label("reportViewTitle"), "Select Sort Order...");
    QVERIFY(!find<QGroupBox>("outputGroup")->isVisible());
    QVERIFY(queueOffered());
}

void ReportViewsTest::aLongScreenReportIsWalkedViewByView() {
    for (int i = 1; i <= 30; ++i)
        test::putRow(m_on.program->session->access, kHeadSlot, QStringLiteral("abcwyalb%1").arg(i + 100, 9, 10, QChar('0')),
                     {{4, QStringLiteral("Member%1").arg(i)}});
    chooseLastFirstByLast();
    QVERIFY(click("screenOutputButton"));
    const auto captions = [this] {
        return QStringList{find<QPushButton>("priorViewButton")->text(), find<QPushButton>("nextViewButton")->text()};
    };
    // 32 records of one line and a blank one, under the page header: two views.
    QVERIFY(QFileInfo::exists(filesPath("View2.bmp")));
    QVERIFY(!QFileInfo::exists(filesPath("View3.bmp")));
    QCOMPARE(captions(), (QStringList{"First View", "Next View [2 of 2]"}));
    QVERIFY(click("nextViewButton"));
    QCOMPARE(captions(), (QStringList{"Prior View [1 of 2]", "Last View"}));
    QVERIFY(!find<QPushButton>("nextViewButton")->isEnabled());
    QVERIFY(click("priorViewButton"));
    QCOMPARE(captions()[0], "First View");
    QVERIFY(!find<QPushButton>("priorViewButton")->isEnabled());
}

void ReportViewsTest::thePrinterPreviewIsAPdf() {
    chooseLastFirstByLast();
    m_on.program->prompter.answers = {Answer::Yes};
    QVERIFY(click("printerOutputButton"));
    const QString pdf = filesPath("VNRpt.pdf");
    QCOMPARE(m_on.program->prompter.texts(), QStringList{"Preview report in PDF format?"});
    QCOMPARE(m_on.opened, QStringList{pdf});
    const QString text = test::pdfText(pdf).simplified();
    for (const char* needle : {"Varnedo SQL Report for Records", "Jones", "Bob", "Smith", "Ann", "Records Listed: 2"})
        QVERIFY2(text.contains(needle), qPrintable(needle + QString(" in:\n") + text));
    QVERIFY(text.indexOf("Jones") < text.indexOf("Smith"));
    QVERIFY(queueOffered());
}

// No preview: the print job, which with no printer installed keeps the printout as a PDF.
void ReportViewsTest::withoutPreviewTheReportGoesToThePrintJob() {
    if (!installedPrinterNames().isEmpty()) QSKIP("a printer is installed here");
    chooseLastFirstByLast();
    m_on.program->prompter.answers = {Answer::No};
    QVERIFY(click("printerOutputButton"));
    const QString pdf = filesPath("VNRpt.pdf");
    QCOMPARE(m_on.program->prompter.texts(),
             (QStringList{"Preview report in PDF format?", "No printer is installed, so the printout was saved as\r\r" + pdf}));
    QCOMPARE(m_on.opened, QStringList{pdf});
    QVERIFY(test::pdfText(pdf).contains("Records Listed:"));
    QVERIFY(queueOffered());
}

void ReportViewsTest::numericColumnsAreSummedInThePrintedReport() {
    RecordAccess& a = m_on.program->session->access;
    test::putDefinition(a, "abc101", 1, 1, {{fdis::kCaption, "Dues"}, {fdis::kCharacterType, "3"}});
    test::putRow(a, pageSlot(1), test::kSmith, {{1, "12.5"}});
    test::putRow(a, pageSlot(1), test::kJones, {{1, "30"}});
    emit find<QMenu>("requestMenu")->aboutToShow();  // the new field is read
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionReport"));
    tick("Last");
    QVERIFY(click("reportPage1Button"));
    tick("Dues");
    QVERIFY(click("continueSortButton"));
    tick("Last");
    QVERIFY(click("summingButton"));
    QVERIFY(find<QWidget>("reportSummingView")->isVisible());
    QVERIFY(!find<QPushButton>("processSummingButton")->isEnabled());
    QCOMPARE(find<QCheckBox>("totals1Check")->text(), "Dues");
    test::verifyFitsSmallScreen(*m_on.builder, "builder-report-summing");
    QCOMPARE(find<QListWidget>("availableBreakList")->item(0)->text(), " 1   0   Last");
    QTest::mouseClick(find<QCheckBox>("totals1Check"), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(find<QCheckBox>("totals1Check")->isChecked());
    QVERIFY(click("fullReportRadio"));
    QVERIFY(click("processSummingButton"));
    QVERIFY(find<QGroupBox>("outputGroup")->isVisible());

    m_on.program->prompter.answers = {Answer::Yes};
    QVERIFY(click("printerOutputButton"));
    const QString text = test::pdfText(filesPath("VNRpt.pdf")).simplified();
    QVERIFY2(text.contains("42.5"), qPrintable(text));  // the subtotal and the grand total
}

void ReportViewsTest::mergeLastTitleByLast() {
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionMailMerge"));
    QCOMPARE(find<QWidget>("reportHint")->property("plainText").toString(),
             "Hint:  The field selection, target matching, etc. for your Mail-merge request is now completed.");
    tick("Last");
    tick("Title");
    QVERIFY(click("continueSortButton"));
    QVERIFY(!find<QPushButton>("summingButton")->isVisible());
    QVERIFY(!find<QPushButton>("selectPrinterButton")->isVisible());
    QVERIFY(!find<QPushButton>("openWordProcessorButton")->isEnabled());  // nothing written yet
    tick("Last");
    QVERIFY(click("processReportButton"));
    QVERIFY(!find<QGroupBox>("outputGroup")->isVisible());
}

void ReportViewsTest::aMailMergeWritesItsFileAtOnceForTheWordProcessor() {
    Session& s = *m_on.program->session;
    test::putRow(s.access, kHeadSlot, test::kSmith, {{1, "Dr. \"Annie\""}});
    QStringList started;
    m_on.builder->setStartProgram([&started](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    });
    mergeLastTitleByLast();
    const QString path = filesPath("VNMail.dat");
    QCOMPARE(m_on.program->prompter.texts(), QStringList{"Task Completed! Merge Fields are in File\r\r" + path});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Last\",\"Title\"\r\n\"Jones\",\"\"\r\n\"Smith\",\"Dr. \"\"Annie\"\"\"\r\n"));
    QVERIFY(queueOffered());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-mail-merge-sort");

    s.settings.wordProcessor = "sh";  // a program on the PATH, started with the file as its one argument
    QVERIFY(click("openWordProcessorButton"));
    QCOMPARE(started, (QStringList{QStandardPaths::findExecutable("sh"), path}));
    QVERIFY(m_on.opened.isEmpty());
    s.settings.wordProcessor = "C:\\Program Files\\Word\\WINWORD.EXE";  // none here: the desktop opens it
    QVERIFY(click("openWordProcessorButton"));
    QCOMPARE(m_on.opened, QStringList{path});
    QCOMPARE(started.size(), 2);
}

void ReportViewsTest::aMailMergeWithoutMatchesLeavesAnEmptyFileQuietly() {
    RecordAccess& a = m_on.program->session->access;
    for (const QString& key : {test::kSmith, test::kJones}) test::putRow(a, kHeadSlot, key, {{4, ""}});
    mergeLastTitleByLast();
    QCOMPARE(label("reportMatchesLabel"), "0");
    QFile file(filesPath("VNMail.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), 0);
    QVERIFY(m_on.program->prompter.texts().isEmpty());
    QVERIFY(!queueOffered());
    QVERIFY(find<QPushButton>("openWordProcessorButton")->isEnabled());
}

QByteArray ReportViewsTest::storeAndReplay(const QString& name, const QString& file) {
    if (!click("reportAddToQueueButton")) return "no queue button";
    QTest::keyClicks(find<QLineEdit>("reportRequestNameEdit"), name);
    QTest::keyClick(find<QLineEdit>("reportRequestNameEdit"), Qt::Key_Return);
    if (!click("reportAddNowButton")) return "no Add Now";
    QFile::remove(filesPath(file));
    find<QAction>("actionQueueDisplay")->trigger();
    auto* list = find<QListWidget>("queueList");
    const QList<QListWidgetItem*> found = list->findItems("abc  " + name, Qt::MatchExactly);
    if (found.size() != 1) return "not listed";
    test::clickRow(list, list->row(found.first()));
    if (!click("preProcessButton") || !click("replayProcessButton")) return "not replayed";
    QFile written(filesPath(file));
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("no file");
}

// A stored report goes straight to "Output to..." with its columns as they were; a stored merge
// writes its file at once. Both write what the first run wrote.
void ReportViewsTest::storedReportsAndMergesReplayToTheSameFiles() {
    chooseLastFirstByLast();
    QVERIFY(click("fileOutputButton"));
    QFile report(filesPath("VNRpt.Txt"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray first = report.readAll();
    report.close();
    QCOMPARE(storeAndReplay("Names", "VNRpt.Txt"), "no file");  // the output is chosen again
    QVERIFY(find<QWidget>("reportChoicesView")->isVisible());
    QVERIFY(find<QGroupBox>("outputGroup")->isVisible());
    QVERIFY(click("fileOutputButton"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), first);
    QVERIFY(!queueOffered());  // never for a replay

    mergeLastTitleByLast();
    QFile merge(filesPath("VNMail.dat"));
    QVERIFY(merge.open(QIODevice::ReadOnly));
    const QByteArray merged = merge.readAll();
    QCOMPARE(storeAndReplay("Merge", "VNMail.dat"), merged);
}

QTEST_MAIN(ReportViewsTest)
#include "report_views_test.moc"
