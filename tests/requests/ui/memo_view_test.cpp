#include "lists/definitions/definition_rows.h"
#include "entry/ui/entry_window.h"
#include "lists/records/record_tables.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

// Window 9 carries a Memo Printing request on into "Memo Printing...", whose chosen memos
// become MP.pdf in the Files folder, offscreen.
class MemoViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theMatchesMemosAreListedChosenAndPrinted();
    void aFailedPrintSaysWhy();

private:
    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(m_on.builder, name);
    }
    bool click(const QString& name) { return test::clickButton(m_on.builder, name); }
    QString label(const QString& name) { return find<QLabel>(name)->text(); }
    void processMemoRequest();

    test::BuilderOnTwoMembers m_on;
};

using test::kJones;
using test::kSmith;

void MemoViewTest::init() {
    QVERIFY(m_on.start([](Session& session) {
        RecordAccess& a = session.access;
        test::putDefinition(a, "abc101", 2, 1, {{fdis::kCaption, "Notes"}});
        test::putRow(a, pageSlot(1), kSmith, {{kMemoColumn, "Called\tin May\nSecond line"}});
        test::putRow(a, pageSlot(3), kSmith, {{kMemoColumn, "Third page memo"}});
        test::putRow(a, pageSlot(1), kJones, {{kMemoColumn, "Bob's memo"}});
    }));
}

void MemoViewTest::cleanup() { m_on.stop(); }

// "Last" <> "": both records.
void MemoViewTest::processMemoRequest() {
    QVERIFY(test::processLastNotEmpty(m_on.builder, "actionMemoPrinting"));
    QVERIFY(find<QWidget>("memoView")->isVisible());
}

void MemoViewTest::theMatchesMemosAreListedChosenAndPrinted() {
    processMemoRequest();
    QCOMPARE(label("recordCountLabel"), "2");
    QCOMPARE(label("memoCountLabel"), "3");
    auto* list = find<QListWidget>("memoList");
    QCOMPARE(list->count(), 3);
    // Match order (key order), pages in order; the tab is left out of the first line.
    QVERIFY(list->item(0)->text().startsWith(kJones));
    QVERIFY(list->item(1)->text().startsWith(kSmith));
    QVERIFY(list->item(1)->text().contains("Smith, Ann Q"));
    QVERIFY(list->item(1)->text().contains("Notes"));
    QVERIFY(list->item(1)->text().endsWith("Calledin MaySecond line"));
    QVERIFY(list->item(2)->text().endsWith("Third page memo"));
    QCOMPARE(label("selectedCountLabel"), "0");
    QVERIFY(!find<QPushButton>("printMemosButton")->isEnabled());
    test::verifyFitsSmallScreen(*m_on.builder, "builder-memo-printing");

    QVERIFY(click("allButton"));
    QCOMPARE(label("selectedCountLabel"), "3");
    QVERIFY(click("noneButton"));
    QCOMPARE(label("selectedCountLabel"), "0");
    QVERIFY(!find<QPushButton>("printMemosButton")->isEnabled());
    for (int row : {2, 1}) test::clickRow(list, row);
    QCOMPARE(label("selectedCountLabel"), "2");
    QVERIFY(click("printMemosButton"));

    const QString pdf = QDir(m_on.program->session->folders.outputFolder()).filePath("MP.pdf");
    QCOMPARE(m_on.opened, QStringList{pdf});
    QCOMPARE(m_on.program->prompter.texts(), QStringList());
    const QString text = test::pdfText(pdf).simplified();  // the tab reads as spaces
    for (const char* needle : {"Varnedo [abc] Memo Printings...", "abcwyalb1000000000", "Smith, Q Ann", "Notes",
                               "Called in May", "Second line", "Third page memo"})
        QVERIFY2(text.contains(needle), qPrintable(needle + QString(" in:\n") + text));
    QVERIFY(!text.contains("Bob's memo"));

    QVERIFY(click("memoReturnButton"));
    QVERIFY(find<QWidget>("builderView")->isVisible());
}

void MemoViewTest::aFailedPrintSaysWhy() {
    const QString files = m_on.program->session->folders.outputFolder();
    const QString pdf = QDir(files).filePath("MP.pdf");
    QVERIFY(QDir().mkpath(pdf + "/in the way"));  // a folder where the file would go
    processMemoRequest();
    QVERIFY(click("allButton"));
    QVERIFY(click("printMemosButton"));
    QVERIFY(m_on.opened.isEmpty());
    const QStringList texts = m_on.program->prompter.texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith("The memos could not be saved as\r\r" + pdf + "\r\r"), qPrintable(texts[0]));
    QVERIFY(QFileInfo(pdf + "/in the way").isDir());
}

QTEST_MAIN(MemoViewTest)
#include "memo_view_test.moc"
