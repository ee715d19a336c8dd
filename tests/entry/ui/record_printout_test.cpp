#include "entry/session/entry_session.h"
#include "entry/session/list_choice.h"
#include "entry/ui/list_selection_view.h"
#include "entry/ui/record_screen.h"
#include "lists/definitions/definition_keys.h"
#include "platform/printing/printer_list.h"
#include "../session/session_fixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// The record printout from the record screen: written to Files/<key>.pdf, opened, and erased
// again when the record is saved, cancelled or deleted; the blank form from the list selection.
class RecordPrintoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void thePrintoutIsOpenedAndErasedBySaveExit();
    void eachWayOutErasesThePrintout_data();
    void eachWayOutErasesThePrintout();
    void printFormWritesTheFormWithoutPrinter();

private:
    QPushButton* button(QWidget* parent, const char* name) { return parent->findChild<QPushButton*>(name); }
    QString printoutPath() const { return QDir(files()).filePath(m_entry->key() + ".pdf"); }
    QString files() const { return fx->session.folders.outputFolder(); }
    void printRecord() {
        QPushButton* print = button(m_screen.get(), "printButton");
        QVERIFY(print && print->isEnabled());
        QVERIFY(print->toolTip().isEmpty());
        print->click();
        QVERIFY2(QFile::exists(printoutPath()), qPrintable(fx->prompter.texts().join('|')));
    }

    std::unique_ptr<test::SessionFixture> fx;
    std::unique_ptr<EntrySession> m_entry;
    std::unique_ptr<RecordScreen> m_screen;
    QStringList m_opened;
};

void RecordPrintoutTest::init() {
    fx = std::make_unique<test::SessionFixture>();
    fx->putRow(kListSlot, "abc", {{1, "Members"}});
    fx->putRow(kFdisSlot, definitionKey("abc", 1, 1),
               {{1, "1"}, {2, "1"}, {3, "1"}, {4, "Colour"}, {5, "40"}, {6, "100"}, {7, "120"}, {8, "21"}, {9, "1"}});
    reloadListCodes(fx->session);
    ChooseList(fx->session, "abc  Members");
    fx->session.openAddress = [this](const QString& path) { m_opened << path; return true; };
    m_opened.clear();
    m_entry = std::make_unique<EntrySession>(fx->session);
    QVERIFY(m_entry->startNew());
    m_entry->setHeader(2, "Ann");
    m_screen = std::make_unique<RecordScreen>(*m_entry, fx->prompter);
    m_screen->setPrintoutPlace({[this] { return files(); }, fx->session.openAddress});
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->showRecord();
}

void RecordPrintoutTest::cleanup() {
    m_screen.reset();
    m_entry.reset();
    fx.reset();
}

void RecordPrintoutTest::thePrintoutIsOpenedAndErasedBySaveExit() {
    printRecord();
    QCOMPARE(m_opened, QStringList({printoutPath()}));
    QVERIFY(fx->prompter.texts().isEmpty());
    const QString path = printoutPath();
    button(m_screen.get(), "saveExitButton")->click();
    QVERIFY(!QFile::exists(path));
}

void RecordPrintoutTest::eachWayOutErasesThePrintout_data() {
    QTest::addColumn<QString>("buttonName");
    QTest::newRow("Save / Enter New Record") << "saveNewButton";
    QTest::newRow("Cancel / Exit") << "cancelExitButton";
    QTest::newRow("Delete Current Record") << "deleteRecordButton";
}

void RecordPrintoutTest::eachWayOutErasesThePrintout() {
    QFETCH(QString, buttonName);
    printRecord();
    const QString path = printoutPath();
    fx->prompter.answers << Answer::Cancel;  // a confirmation asked is declined: the file is gone first
    button(m_screen.get(), qPrintable(buttonName))->click();
    QVERIFY(!QFile::exists(path));
}

void RecordPrintoutTest::printFormWritesTheFormWithoutPrinter() {
    ListSelectionView view(fx->session);
    view.refresh();
    QPushButton* print = button(&view, "printFormButton");
    QVERIFY(!print->isEnabled());
    auto* lists = view.findChild<QListWidget*>("currentListsList");
    lists->setCurrentRow(0);
    emit lists->itemClicked(lists->currentItem());
    QVERIFY(print->isEnabled());
    QVERIFY(print->toolTip().isEmpty());
    if (!installedPrinterNames().isEmpty())
        QSKIP("A printer is installed: the form goes to the preview.");
    print->click();
    QVERIFY2(QFile::exists(QDir(files()).filePath("abcForm.pdf")), qPrintable(fx->prompter.texts().join('|')));
}

QTEST_MAIN(RecordPrintoutTest)
#include "record_printout_test.moc"
