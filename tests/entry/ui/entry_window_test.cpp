#include "lists/records/record_tables.h"
#include "entry/session/entry_session.h"
#include "entry/ui/entry_window.h"
#include "entry/ui/page_form.h"
#include "entry/ui/record_screen.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "shell/ui/application_windows.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "support/temp_folder.h"
#include "support/named_child.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vn;

// The record entry window driven as a user would, offscreen, on a list with a text field and a
// check box on page 1 and a text field on page 3.
class EntryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterSaveAndReopenARecord();
    void anEmptyHeaderSavesNothingAndSaysSo();
    void leavingANewRecordLeavesNoRows();
    void theWebButtonsLogOnThenProcessTheDownloadedFile();
    void headerBoxesAreTidiedAndEnterWalksThem();
    void enterWalksTheGridThenGoesToSave();
    void captionAndGotoFollowTheList();
    void choicesCountHoweverTheyAreMade();
    void everyViewFitsASmallScreen();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_window, name);
    }
    void click(const char* name) {
        QAbstractButton* b = find<QAbstractButton>(name);
        QVERIFY2(b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }
    void clickItem(const char* list, int row) {
        QListWidget* w = find<QListWidget>(list);
        QVERIFY2(row < w->count(), list);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(row)).center());
    }
    void type(QWidget* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void definition(const QString& key, const QStringList& fields) {
        RecordAccess& a = m_program->session->access;
        a.EnsureRecord(kFdisSlot, key);
        for (int f = 0; f < fields.size(); ++f)
            if (!fields[f].isEmpty()) a.SetFieldText(kFdisSlot, f + 1, fields[f]);
    }
    void startNewRecord() {
        find<QAction>("actionSelectDataList")->trigger();
        clickItem("currentListsList", 0);
        click("openListButton");
        click("newRecordRadio");
        click("processButton");
    }
    QString column(int page, const QString& key, int field) {
        return m_program->session->access.FindRecord(pageSlot(page), key) ? m_program->session->access.GetFieldText(pageSlot(page), field)
                                                                   : "<none>";
    }

    std::unique_ptr<test::RunningProgram> m_program;
    RecordEntryWindow* m_window = nullptr;
};

void EntryWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->session->identity.operationalLevel = 1;
    m_program->session->identity.userSituation = 1;
    m_program->session->identity.countyCode = "ALB";
    m_program->session->access.EnsureRecord(kListSlot, "abc");
    m_program->session->access.SetFieldText(kListSlot, 1, "Members");
    //          active kind slot caption   top    left   width  height tab
    definition("abc101", {"1", "1", "1", "Nickname", "144", "200", "110", "21", "1", "", "4", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "10"});
    definition("abc102", {"1", "3", "1", "Member", "200", "200", "90", "21", "-1"});
    definition("abc302", {"1", "7", "1", "Scores", "200", "8"});
    m_program->session->access.EnsureRecord(kTdatSlot, "abc302");
    for (const auto& [field, value] : {std::pair{1, "Scores"}, {2, "2"}, {3, "2"}, {4, "60"}, {6, "5"}, {7, "Fall"},
                                       {8, "5"}, {9, "Spring"}, {16, "Math"}, {17, "Art"}})
        m_program->session->access.SetFieldText(kTdatSlot, field, value);
    definition("abc301", {"1", "1", "1", "School", "100", "100", "210", "21", "1", "", "4", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "20"});
    reloadListCodes(*m_program->session);
    m_program->openWindows(WindowFactories{{EntryWindow, makeEntryWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, EntryWindow);
    m_window = static_cast<RecordEntryWindow*>(m_program->windows->window(EntryWindow));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void EntryWindowTest::cleanup() {
    m_program.reset();
}

void EntryWindowTest::enterSaveAndReopenARecord() {
    startNewRecord();
    RecordScreen* screen = find<RecordScreen>("recordScreen");
    QVERIFY(screen->isVisible());
    const QString key = screen->headerEdit(0)->text();
    QCOMPARE(key, "abcwyalb000000000");
    type(screen->headerEdit(4), "Smith");
    type(screen->headerEdit(2), "Ann");
    type(screen->pageForm().control(1), "Annie");
    QTest::mouseClick(screen->pageForm().control(21), Qt::LeftButton, {}, QPoint(4, 10));
    QVERIFY(!find<QPushButton>("page2Button")->isEnabled());  // page 2 is not defined
    click("page3Button");
    type(screen->pageForm().control(1), "Central High");
    click("saveExitButton");

    QVERIFY(find<QWidget>("recordSelectionView")->isVisible());
    RecordAccess& a = m_program->session->access;
    QVERIFY(a.FindRecord(kHeadSlot, key));
    QCOMPARE(a.GetFieldText(kHeadSlot, 4), "Smith");
    QCOMPARE(column(1, key, 1), "Annie");
    QCOMPARE(column(1, key, 21), "1");
    QCOMPARE(column(2, key, 1), "");  // an undefined page below the highest one still gets its row
    QCOMPARE(column(3, key, 1), "Central High");

    click("reviewRadio");
    click("byNameRadio");
    click("processButton");
    QListWidget* records = find<QListWidget>("recordList");
    QCOMPARE(records->count(), 1);
    QVERIFY(records->item(0)->text().startsWith(key + "  Smith, Ann"));
    clickItem("recordList", 0);
    QCOMPARE(screen->headerEdit(4)->text(), "Smith");
    QCOMPARE(qobject_cast<QLineEdit*>(screen->pageForm().control(1))->text(), "Annie");
    QVERIFY(qobject_cast<QCheckBox*>(screen->pageForm().control(21))->isChecked());
}

void EntryWindowTest::anEmptyHeaderSavesNothingAndSaysSo() {
    startNewRecord();
    RecordScreen* screen = find<RecordScreen>("recordScreen");
    const QString key = screen->headerEdit(0)->text();
    type(screen->pageForm().control(1), "lost?");
    m_program->prompter.answers = {Answer::Cancel};
    click("saveExitButton");
    QVERIFY(m_program->prompter.texts().last().contains("not saved"));
    QVERIFY(!m_program->session->access.FindRecord(kHeadSlot, key));
    QCOMPARE(column(1, key, 1), "<none>");
}

void EntryWindowTest::leavingANewRecordLeavesNoRows() {
    startNewRecord();
    const QString key = find<RecordScreen>("recordScreen")->headerEdit(0)->text();
    QVERIFY(m_program->session->access.FindRecord(kHeadSlot, key));
    find<QAction>("actionGotoMain")->trigger();
    QVERIFY(!m_program->session->access.FindRecord(kHeadSlot, key));
    QCOMPARE(column(1, key, 1), "<none>");
}

void EntryWindowTest::theWebButtonsLogOnThenProcessTheDownloadedFile() {
    QStringList opened;
    m_program->session->openAddress = [&opened](const QString& address) {
        opened << address;
        return true;
    };
    find<QAction>("actionSelectDataList")->trigger();
    QVERIFY(!find<QPushButton>("downloadButton")->isVisible());
    clickItem("currentListsList", 0);
    QVERIFY(!find<QPushButton>("processDownloadButton")->isVisible());
    click("downloadButton");
    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened[0].endsWith("/cgi-bin/VNQ.dll?Param1=DataDown&Param2=wy&Param3=ALB&Param4=abc"), qPrintable(opened[0]));
    QVERIFY(!find<QPushButton>("downloadButton")->isEnabled());
    QVERIFY(find<QWidget>("downloadGauge")->isVisible());

    // Nothing was saved from the browser.
    click("processDownloadButton");
    QVERIFY(m_program->prompter.texts().last().startsWith("Notice!  All data files downloaded from Varnedo Central ["));
    QVERIFY(m_program->prompter.texts().last().endsWith("wyalbdown.vnq] have been processed."));
    QVERIFY(!find<QPushButton>("processDownloadButton")->isEnabled());

    // A file waiting refuses the next logon, naming it; processing loads it.
    const QString file = QDir(m_program->session->folders.base()).filePath("WebXfer/wyalbdown.vnq");
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write("2S~abcwyalb000000001~Mr~Ann~Q~Smith\r\n3S~abcwyalb000000001~Annie\r\n3M~met at the fair\r\n");
    saved.close();
    clickItem("currentListsList", 0);
    click("downloadButton");
    QCOMPARE(opened.size(), 1);
    QCOMPARE(m_program->prompter.texts().last(), "Warning!  The last data file downloaded from Varnedo Central [" + file +
                                                     "] has not been processed.  This must be done before a new data file can "
                                                     "be downloaded.");
    click("processDownloadButton");
    QCOMPARE(column(1, "abcwyalb000000001", 1), "Annie");
    QCOMPARE(column(1, "abcwyalb000000001", kMemoColumn), "met at the fair\n");
    QVERIFY(!QFile::exists(file));
    QVERIFY(!find<QPushButton>("downloadButton")->isVisible());
    QVERIFY(!find<QPushButton>("processDownloadButton")->isVisible());
}

void EntryWindowTest::headerBoxesAreTidiedAndEnterWalksThem() {
    startNewRecord();
    RecordScreen* screen = find<RecordScreen>("recordScreen");
    type(screen->headerEdit(4), "mcdonald");
    QTest::keyClick(screen->headerEdit(4), Qt::Key_Tab);
    QCOMPARE(screen->headerEdit(4)->text(), "Mcdonald");
    QCOMPARE(m_window->entrySession().header(4), "Mcdonald");
    QVERIFY(screen->headerEdit(5)->hasFocus());  // Last -> Suffix
    screen->headerEdit(15)->setFocus();
    QTest::keyClick(screen->headerEdit(15), Qt::Key_Return);
    QVERIFY(screen->pageForm().control(1)->hasFocus());  // Zip of a new record -> the page's first field
}

void EntryWindowTest::enterWalksTheGridThenGoesToSave() {
    startNewRecord();
    RecordScreen* screen = find<RecordScreen>("recordScreen");
    click("page3Button");
    PageForm& page = screen->pageForm();
    page.control(71)->setFocus();
    const int expected[] = {72, 76, 77};
    for (int column : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), page.control(column));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("saveExitButton"));
}

void EntryWindowTest::captionAndGotoFollowTheList() {
    const auto importOffered = [this] { return find<QAction>("actionGotoImport")->isEnabled(); };
    const QString function = "Varnedo  [Data List Selection/Use]";
    const Session& session = *m_program->session;
    const QString open = session.identity.stateName + "  " + session.identity.installationName + "   Varnedo  Members";
    QVERIFY(m_window->windowTitle().endsWith(function));
    QVERIFY(!importOffered());
    find<QAction>("actionSelectDataList")->trigger();
    clickItem("currentListsList", 0);
    QVERIFY(importOffered());
    click("openListButton");
    QCOMPARE(m_window->windowTitle(), open);
    click("selectNewListButton");
    QVERIFY(m_window->windowTitle().endsWith(function));
    clickItem("currentListsList", 0);
    click("openListButton");
    QCOMPARE(m_window->windowTitle(), open);
    click("recordSelectionExitButton");
    QVERIFY(m_window->windowTitle().endsWith(function));

    find<QAction>("actionSelectDataList")->trigger();
    clickItem("currentListsList", 0);
    m_program->prompter.answers = {Answer::Ok};
    click("deleteFormAndListButton");
    QVERIFY(!importOffered());
}

// Radio buttons set without a click (keyboard, on-screen keyboards, assistive technology).
void EntryWindowTest::choicesCountHoweverTheyAreMade() {
    find<QAction>("actionSelectDataList")->trigger();
    clickItem("currentListsList", 0);
    click("openListButton");
    auto* process = find<QPushButton>("processButton");
    find<QRadioButton>("newRecordRadio")->setChecked(true);  // clears the listing method
    find<QRadioButton>("reviewRadio")->setChecked(true);
    QVERIFY(!process->isEnabled());
    find<QRadioButton>("byIdRadio")->setChecked(true);
    QVERIFY(process->isEnabled());
}

// Every view at the window's own size on a 1280 x 800 screen, the page at its true size; at state
// level, where the record selection shows the level choice and the offices too.
void EntryWindowTest::everyViewFitsASmallScreen() {
    m_program->session->identity.operationalLevel = 3;
    find<QAction>("actionSelectDataList")->trigger();
    clickItem("currentListsList", 0);
    test::verifyFitsSmallScreen(*m_window, "entry-lists");
    click("openListButton");
    click("countiesRadio");
    clickItem("officeList", 0);
    test::verifyFitsSmallScreen(*m_window, "entry-records");
    click("newRecordRadio");
    click("processButton");
    QVERIFY(test::shownWhole(*find<QWidget>("pageForm")));
    test::verifyFitsSmallScreen(*m_window, "entry-page1");
    click("page3Button");
    QVERIFY(test::shownWhole(*find<QWidget>("pageForm")));
    test::verifyFitsSmallScreen(*m_window, "entry-page3");
}

QTEST_MAIN(EntryWindowTest)
#include "entry_window_test.moc"
