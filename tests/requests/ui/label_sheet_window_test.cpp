#include "platform/printing/printer_list.h"
#include "requests/labels/label_text.h"
#include "requests/ui/label_sheet_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "store/settings/parameter_reading.h"
#include "support/pdf_text.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "builder_requests.h"
#include "window_children.h"

#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// Window 10 on a label run handed over by the request builder: the sheet types, the screen
// preview, the marked first sheet printed as a PDF, the label file, and back to the builder.
class LabelSheetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theScreenShowsASheetOfLabelsAPage();
    void printingStartsOnThePresentPositionsOfTheFirstSheet();
    void theFileIsWrittenAndTheBuilderComesBack();
    void aLabelRequestOfTheBuilderOpensTheWindow();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_window, name);
    }
    bool click(const QString& name) { return test::clickButton(m_window, name); }
    QString text(const QString& name) { return find<QAbstractButton>(name)->text(); }
    QAbstractButton* cell(int position) { return find<QAbstractButton>(QStringLiteral("labelCell%1").arg(position)); }
    // Chooses the sheet type as the user does, by a click on its name.
    void chooseType(const QString& name);
    QString currentLabel() { return readParameter(m_program->session->access, "CurLabel").value; }
    QString filesPath(const QString& name) const { return QDir(m_program->session->folders.outputFolder()).filePath(name); }

    std::unique_ptr<test::RunningProgram> m_program;
    RequestBuilderWindow* m_builder = nullptr;
    LabelSheetWindow* m_window = nullptr;
    MatchList m_keys;  // 61 labels, "Member L1" to "Member L61"
    QStringList m_opened;
};

void LabelSheetWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    Session& session = *m_program->session;
    test::putTwoMembers(session, m_opened);
    for (int i = 1; i <= 61; ++i) {
        const QString key = QStringLiteral("abclabel%1").arg(i, 3, 10, QChar('0'));
        test::putRow(session.access, kHeadSlot, key, {{2, "Member"}, {4, QStringLiteral("L%1").arg(i)}});
        m_keys << key;
    }
    session.labels.layout = LabelLayout{LabelEntry::Name};
    reloadListCodes(session);
    m_program->openWindows(entryAndBuilderWindows());
    m_builder = test::openBuilderOnFirstList(*m_program);
    QVERIFY(m_builder);
    m_window = static_cast<LabelSheetWindow*>(m_program->windows->window(LabelSheetWindowNo));
}

void LabelSheetWindowTest::cleanup() {
    m_program.reset();
    m_opened.clear();
    m_keys.clear();
}

void LabelSheetWindowTest::chooseType(const QString& name) {
    auto* list = find<QListWidget>("labelStockList");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    test::clickRow(list, list->row(items[0]));
}

void LabelSheetWindowTest::theScreenShowsASheetOfLabelsAPage() {
    m_program->session->labels.casing = LabelCasing::Usps;
    m_window->openRun({LabelOutput::Screen, m_keys});
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(!m_builder->isVisible());
    const InstallationIdentity& id = m_program->session->identity;
    QCOMPARE(m_window->windowTitle(), id.stateName + "  " + id.installationName + "  Varnedo  [Labels]");
    QCOMPARE(find<QListWidget>("labelStockList")->count(), 6);
    QCOMPARE(currentLabel(), "06 per sheet  4 x 3.333 in");  // none used yet: the first
    QVERIFY(find<QWidget>("instructionsText")->property("plainText").toString().startsWith(
        "Welcome to the label selection screen."));

    chooseType("30 per sheet  2.625 x 1 in");
    QCOMPARE(currentLabel(), "30 per sheet  2.625 x 1 in");
    QCOMPARE(text("labelCountButton"), "30");
    QCOMPARE(text("labelGridButton"), "3  X  10");
    QCOMPARE(text("labelSizeButton"), "2.625\"   X  1\"");
    QVERIFY(!find<QPushButton>("selectPrinterButton")->isEnabled());
    QCOMPARE(text("labelsShownButton"), "Labels:  61");
    QCOMPARE(text("pageCountButton"), "Page(s):  3");
    QCOMPARE(text("pageNumberButton"), "Page:  1");
    QVERIFY(!find<QPushButton>("priorPageButton")->isEnabled());
    QCOMPARE(cell(1)->toolTip(), "MEMBER L1");  // the casing of the set-up
    QCOMPARE(cell(30)->toolTip(), "MEMBER L30");
    QVERIFY(cell(30)->isVisible());
    QVERIFY(!cell(31)->isVisible());
    QCOMPARE(cell(1)->accessibleName(), "Label position 1");
    test::verifyFitsSmallScreen(*m_window, "label-sheet-screen");

    QVERIFY(click("nextPageButton"));
    QVERIFY(click("nextPageButton"));
    QCOMPARE(text("pageNumberButton"), "Page:  3");
    QCOMPARE(cell(1)->toolTip(), "MEMBER L61");
    QCOMPARE(cell(2)->toolTip(), "");
    QVERIFY(!find<QPushButton>("nextPageButton")->isEnabled());
    QVERIFY(click("priorPageButton"));
    QCOMPARE(cell(1)->toolTip(), "MEMBER L31");

    QVERIFY(click("exitButton"));
    QVERIFY(QTest::qWaitForWindowExposed(m_builder));
    QVERIFY(!m_window->isVisible());
    // The next run comes up on the type used last.
    m_window->openRun({LabelOutput::Screen, m_keys});
    QCOMPARE(find<QListWidget>("labelStockList")->currentItem()->text(), "30 per sheet  2.625 x 1 in");
}

void LabelSheetWindowTest::printingStartsOnThePresentPositionsOfTheFirstSheet() {
    if (!installedPrinterNames().isEmpty()) QSKIP("a printer is installed here");
    m_window->openRun({LabelOutput::Printer, m_keys});
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    chooseType("30 per sheet  2.625 x 1 in");
    QVERIFY(find<QPushButton>("selectPrinterButton")->isEnabled());
    QCOMPARE(cell(1)->toolTip(), "");  // nothing is previewed for the printer
    QVERIFY(click("emptySheetButton"));
    QVERIFY(!cell(30)->isChecked());
    QVERIFY(click("fullSheetButton"));
    QVERIFY(cell(30)->isChecked());
    for (int position = 1; position <= 10; ++position) QTest::mouseClick(cell(position), Qt::LeftButton);
    QVERIFY(!cell(10)->isChecked());
    QVERIFY(cell(11)->isChecked());
    test::verifyFitsSmallScreen(*m_window, "label-sheet-printer");

    QVERIFY(click("processButton"));
    const QString pdf = filesPath("VNLabels.pdf");
    QCOMPARE(m_program->prompter.texts(), QStringList{"No printer is installed, so the printout was saved as\r\r" + pdf});
    QVERIFY(QTest::qWaitForWindowExposed(m_builder));
    // 20 labels on the rest of the first sheet, 30 on the second, 11 on the third.
    QList<QStringList> pages(3);
    const test::PdfWords words = test::pdfWords(pdf);
    QCOMPARE(words.pages.size(), 3);
    for (const auto& w : words.words)
        if (w.text != "Member") pages[w.page - 1] << w.text;
    const auto labels = [](int from, int to) {
        QStringList all;
        for (int i = from; i <= to; ++i) all << QStringLiteral("L%1").arg(i);
        return all;
    };
    for (QStringList& page : pages) page.sort();
    for (auto [page, from, to] : {std::tuple{0, 1, 20}, std::tuple{1, 21, 50}, std::tuple{2, 51, 61}}) {
        QStringList expected = labels(from, to);
        expected.sort();
        QCOMPARE(pages[page], expected);
    }
}

void LabelSheetWindowTest::theFileIsWrittenAndTheBuilderComesBack() {
    m_window->openRun({LabelOutput::File, m_keys});
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(click("processButton"));
    const QString path = filesPath("SQLLabel.Txt");
    QCOMPARE(m_program->prompter.texts(), QStringList{"Task Completed!  Label(s) are in File " + path});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("Member L1~\r\nMember L2~\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(m_builder));
    QVERIFY(!m_window->isVisible());
}

// "Last" <> "", one label per record in style 1 (name first), to the screen.
void LabelSheetWindowTest::aLabelRequestOfTheBuilderOpensTheWindow() {
    QVERIFY(test::processLastNotEmpty(m_builder, "actionLabels"));
    QVERIFY(test::clickButton(m_builder, "perRecordRadio"));
    QVERIFY(test::clickButton(m_builder, "recordStyle1Radio"));
    QVERIFY(test::clickButton(m_builder, "labelScreenButton"));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(!m_builder->isVisible());
    QCOMPARE(text("labelsShownButton"), "Labels:  63");  // Smith, Jones and the 61
    QVERIFY(click("exitButton"));
    QVERIFY(QTest::qWaitForWindowExposed(m_builder));
}

QTEST_MAIN(LabelSheetWindowTest)
#include "label_sheet_window_test.moc"
