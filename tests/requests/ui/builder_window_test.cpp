#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "entry/session/entry_session.h"
#include "entry/ui/entry_window.h"
#include "entry/ui/record_screen.h"
#include "requests/builder/builder_texts.h"
#include "requests/evaluation/evaluation.h"
#include "requests/ui/builder_window.h"
#include "requests/ui/list_printing.h"
#include "requests/ui/request_windows.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "support/pdf_text.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "window_children.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

namespace {

// The list's records: four of list abc and one of another list.
const QList<QStringList> kRecords = {
    {"abcwyalb000100000", "Smith", "Ann"},
    {"abcwyalb000200000", "Jones", "Bob"},
    {"abcwyalb000300000", "Smith", "Carl"},
    {"abcwyalb000400000", "Adams", "Dee"},
    {"xyzwyalb000100000", "Smith", "Other"},
};

}  // namespace

// Window 9 driven as a user would, offscreen, reached from the entry window on list abc, whose
// page 1 holds a text field with a selection list, a check box and a table.
class BuilderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sqlOpensTheBuilderAndExitReturns();
    void theMenusOfferWhatThisVersionCarriesOn();
    void aRequestIsClickedTogether();
    void listsArePickedAndContinued();
    void aCountShowsTheCount();
    void aListedRecordOpensInTheEntryWindowWhichWalksTheList();
    void printListWritesThePdfWhenNoPrinterIsInstalled();
    void checksEndInTheirView();
    void everyControlHasANameAndACaption();
    void everyViewFitsASmallScreen();

private:
    template <typename T>
    T* find(QWidget* window, const QString& name) {
        T* child = window->findChild<T*>(name);
        if (!child) qFatal("no child named %s", qPrintable(name));
        return child;
    }
    template <typename T>
    T* find(const QString& name) {
        return find<T>(m_builder, name);
    }
    void click(QWidget* window, const QString& name) {
        auto* b = find<QAbstractButton>(window, name);
        QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }
    void click(const QString& name) { click(m_builder, name); }
    void clickItem(QWidget* window, const QString& list, int row) {
        auto* w = find<QListWidget>(window, list);
        QVERIFY2(row < w->count(), qPrintable(list));
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(row)).center());
    }
    QCheckBox* field(const QString& caption) {
        for (auto* box : find<QWidget>("fieldList")->findChildren<QCheckBox*>())
            if (box->text() == caption) return box;
        qFatal("no field %s", qPrintable(caption));
    }
    void typeTarget(const QString& text) {
        auto* edit = find<QLineEdit>("targetEdit");
        QVERIFY(edit->hasFocus());
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // One condition with a typed target on a field of the page shown.
    void condition(const QString& caption, const char* op, const QString& target) {
        QTest::mouseClick(field(caption), Qt::LeftButton, {}, QPoint(4, 8));
        click(op);
        typeTarget(target);
    }
    void startRequest(const char* kind) {
        emit find<QMenu>("requestMenu")->aboutToShow();  // opening the menu starts every request
        QAction* action = find<QAction>(kind);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    QStringList requestLines() { return find<QLabel>("requestText")->text().split('\n'); }
    void openBuilder();
    bool evaluationAvailable();
    QStringList unnamedControls() { return test::unnamedControls(m_builder); }

    std::unique_ptr<test::RunningProgram> m_program;
    RecordEntryWindow* m_entry = nullptr;
    RequestBuilderWindow* m_builder = nullptr;
    QStringList m_printed;  // what "Print List" was handed
};

void BuilderWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    Session& session = *m_program->session;
    session.identity.operationalLevel = 1;
    session.identity.countyCode = "ALB";
    RecordAccess& a = session.access;
    test::putRow(a, kListSlot, "abc", {{1, "Members"}});
    test::putDefinition(a, "abc101", 1, 2, {{fdis::kCaption, "Color"}, {fdis::kHasList, "1"}});
    test::putDefinition(a, "abc102", 3, 1, {{fdis::kCaption, "Member"}});
    test::putDefinition(a, "abc103", 7, 1, {{fdis::kCaption, "Scores"}});
    test::putRow(a, kTdatSlot, "abc103",
                 {{tdat::kName, "Scores"}, {tdat::kColumnCount, "2"}, {tdat::kRowCount, "2"}, {tdat::columnTitle(1), "Fall"},
                  {tdat::columnTitle(2), "Spring"}, {tdat::rowName(1), "Math"}, {tdat::rowName(2), "Art"}});
    for (const char* item : {"bbb", "AAA", "aaa"}) test::putRow(a, kSelcSlot, QStringLiteral("abc021") + item, {{1, "0"}});
    for (const QStringList& r : kRecords) test::putRow(a, kHeadSlot, r[0], {{4, r[1]}, {2, r[2]}});
    reloadListCodes(session);
    m_program->openWindows(entryAndBuilderWindows([this](Session&, const SqlRequest& request, const QList<MatchListEntry>& entries) {
        m_printed << request.displayText << QString::number(entries.size());
    }));
    m_program->navigator->gotoWindow(MainWindowNo, EntryWindow);
    m_entry = static_cast<RecordEntryWindow*>(m_program->windows->window(EntryWindow));
    m_builder = static_cast<RequestBuilderWindow*>(m_program->windows->window(BuilderWindow));
    QVERIFY(QTest::qWaitForWindowExposed(m_entry));
}

void BuilderWindowTest::cleanup() {
    m_program.reset();
    m_printed.clear();
}

void BuilderWindowTest::openBuilder() {
    find<QAction>(m_entry, "actionSelectDataList")->trigger();
    clickItem(m_entry, "currentListsList", 0);
    QAction* sql = find<QAction>(m_entry, "actionSql");
    QVERIFY(sql->isEnabled());
    sql->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(m_builder));
    QVERIFY(!m_entry->isVisible());
}

// Without the evaluation (its placeholder finds nothing) the tests of results cannot run.
bool BuilderWindowTest::evaluationAvailable() {
    SqlRequest everyone;
    everyone.listCode = "abc";
    everyone.displayText = "LBCount Records with \"Last\" = \"*\" ";
    everyone.conditions = {SqlCondition{0, {0, 5}, {}, CompareOp::Equal, "*", 0, Connector::None, 5, 0}};
    return !evaluateRequest(m_program->session->access, everyone, DefinitionCache()).matches.isEmpty();
}

void BuilderWindowTest::sqlOpensTheBuilderAndExitReturns() {
    QVERIFY(!find<QAction>(m_entry, "actionSql")->isEnabled());  // no list yet
    openBuilder();
    const Session& s = *m_program->session;
    QCOMPARE(m_builder->windowTitle(),
             s.identity.stateName + "  " + s.identity.installationName + "  Varnedo  [SQL]  List: abc - Members");
    auto* hint = find<QPlainTextEdit>("hintBox");
    QCOMPARE(hint->accessibleName(), "Hint");
    QVERIFY(hint->toPlainText().startsWith("Hint:  The SQL menu options are [Goto], [Request], [Queue], and [Setup Email]."));
    QVERIFY(!find<QWidget>("fieldList")->isVisible());
    find<QAction>("actionExitBuilder")->trigger();
    QVERIFY(m_entry->isVisible());
    QVERIFY(!m_builder->isVisible());
}

void BuilderWindowTest::theMenusOfferWhatThisVersionCarriesOn() {
    openBuilder();
    QStringList captions, enabled;
    for (QAction* action : find<QMenu>("requestMenu")->actions()) {
        captions << action->text();
        if (action->isEnabled()) enabled << action->text();
        else QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->text()));
    }
    QCOMPARE(captions.size(), 11);
    QCOMPARE(enabled,
             (QStringList{"Count", "List", "Labels", "Report", "Mail Merge", "Select Records for Transmission",
                           "Math Operations", "Checks", "Memo Printing"}));
    QVERIFY(find<QAction>("actionSetupEmail")->isEnabled());
    for (const char* name : {"actionQueueDisplay", "actionQueueClear"}) QVERIFY(find<QAction>(name)->isEnabled());
}

void BuilderWindowTest::aRequestIsClickedTogether() {
    openBuilder();
    startRequest("actionCount");
    QVERIFY(find<QPlainTextEdit>("hintBox")->toPlainText().startsWith(
        "Hint:  LBCount Records with...   At this point the SQL system wants a field name."));
    QVERIFY(find<QPushButton>("headerButton")->font().bold());
    QVERIFY(find<QPushButton>("page1Button")->isVisible());
    QVERIFY(!find<QPushButton>("page2Button")->isVisible());  // the list does not use page 2
    QVERIFY(!find<QWidget>("operatorGroup")->isVisible());

    QTest::mouseClick(field("Last"), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(field("Last")->isChecked());
    QVERIFY(find<QWidget>("operatorGroup")->isVisible());
    for (const char* b : {"addOpenButton", "addCloseButton", "deleteOpenButton", "deleteCloseButton"})
        QVERIFY2(!find<QPushButton>(b)->isEnabled(), b);
    click("equalRadio");
    typeTarget("Smith");
    QCOMPARE(requestLines()[0], "LBCount Records with \"Last\" = \"Smith\" ");
    QVERIFY(find<QWidget>("connectorGroup")->isVisible());
    QVERIFY(!find<QPushButton>("addCloseButton")->isEnabled());  // nothing is open
    QCOMPARE(find<QRadioButton>("andRadio")->toolTip(), builder_text::kAndTip);

    // Clicking into the box again takes the target back.
    QTest::mouseClick(find<QLineEdit>("targetEdit"), Qt::LeftButton);
    QCOMPARE(requestLines()[0], "LBCount Records with \"Last\" = ");
    QCOMPARE(find<QLineEdit>("targetEdit")->text(), "");
    QTest::keyClicks(find<QLineEdit>("targetEdit"), "Sm*");
    QTest::keyClick(find<QLineEdit>("targetEdit"), Qt::Key_Tab);
    QCOMPARE(requestLines()[0], "LBCount Records with \"Last\" = \"Sm*\" ");

    click("andRadio");
    click("addOpenButton");
    QCOMPARE(find<QLabel>("openCountLabel")->text(), "1");
    click("page1Button");
    QVERIFY(find<QPushButton>("page1Button")->font().bold());
    QTest::mouseClick(find<QCheckBox>("T:1C:2R:1"), Qt::LeftButton, {}, QPoint(4, 8));
    click("greaterRadio");
    typeTarget("80");
    click("addCloseButton");
    QVERIFY(!find<QPushButton>("addCloseButton")->isEnabled());
    QCOMPARE(requestLines()[0], "LBCount Records with \"Last\" = \"Sm*\" AND ( \"T:Scores C:Spring R:Math\" > \"80\" ) ");
    QCOMPARE(m_builder->builder().request().conditions.value(1).field, (FieldRef{1, 73}));
    QVERIFY(find<QPushButton>("processButton")->isEnabled());
}

void BuilderWindowTest::listsArePickedAndContinued() {
    openBuilder();
    startRequest("actionList");
    QTest::mouseClick(field("Title"), Qt::LeftButton, {}, QPoint(4, 8));
    click("equalRadio");
    QVERIFY(!find<QLineEdit>("targetEdit")->isVisible());
    QVERIFY(find<QLabel>("continueNote")->isVisible());
    QVERIFY(!find<QPushButton>("continueButton")->isEnabled());
    clickItem(m_builder, "targetList", 1);
    clickItem(m_builder, "targetList", 4);
    click("continueButton");
    QCOMPARE(requestLines()[0], "List Records with \"Title\" = \"Mr.\" OR \"Title\" = \"Dr.\" ");
    QVERIFY(!find<QListWidget>("targetList")->isVisible());

    click("orRadio");
    click("page1Button");
    QTest::mouseClick(field("Color"), Qt::LeftButton, {}, QPoint(4, 8));
    click("equalRadio");
    QListWidget* list = find<QListWidget>("targetList");
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) shown << list->item(row)->text();
    QCOMPARE(shown, (QStringList{"", "AAA", "aaa", "bbb"}));
    QCOMPARE(list->toolTip(), builder_text::kTargetListTip);
}

void BuilderWindowTest::aCountShowsTheCount() {
    if (!evaluationAvailable()) QSKIP("needs the request evaluation");
    openBuilder();
    startRequest("actionCount");
    condition("Last", "equalRadio", "Smith");
    click("processButton");
    QCOMPARE(find<QLabel>("matchesLabel")->text(), "2");  // the other list's Smith is not counted
    QVERIFY(!find<QPlainTextEdit>("hintBox")->isVisible());
    QVERIFY(!find<QPushButton>("headerButton")->isVisible());
    QVERIFY(find<QWidget>("addToQueueGroup")->isVisible());
    QVERIFY(!find<QPushButton>("addNowButton")->isVisible());  // until a name is given
    QVERIFY(!find<QPushButton>("printListButton")->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void BuilderWindowTest::aListedRecordOpensInTheEntryWindowWhichWalksTheList() {
    if (!evaluationAvailable()) QSKIP("needs the request evaluation");
    openBuilder();
    startRequest("actionList");
    condition("Last", "notEqualRadio", "");
    click("processButton");
    QListWidget* results = find<QListWidget>("resultList");
    QVERIFY(results->isVisible());
    QStringList shown;
    for (int row = 0; row < results->count(); ++row) shown << results->item(row)->text();
    QCOMPARE(shown, (QStringList{"abcwyalb000400000  Adams, Dee", "abcwyalb000200000  Jones, Bob",
                                 "abcwyalb000100000  Smith, Ann", "abcwyalb000300000  Smith, Carl"}));
    QCOMPARE(results->item(1)->data(Qt::UserRole).toString(), "abcwyalb000200000");
    click("printListButton");
    QCOMPARE(m_printed, (QStringList{"List Records with \"Last\" <> \"\" ", "4"}));

    clickItem(m_builder, "resultList", 1);
    QVERIFY(QTest::qWaitForWindowExposed(m_entry));
    QVERIFY(!m_builder->isVisible());
    QCOMPARE(m_entry->entrySession().key(), "abcwyalb000200000");
    QVERIFY(find<QWidget>(m_entry, "recordScreen")->isVisible());
    QVERIFY(find<QPushButton>(m_entry, "priorButton")->isEnabled());
    click(m_entry, "nextButton");
    QCOMPARE(m_entry->entrySession().key(), "abcwyalb000100000");
    click(m_entry, "nextButton");
    QCOMPARE(m_entry->entrySession().key(), "abcwyalb000300000");
    QVERIFY(!find<QPushButton>(m_entry, "nextButton")->isEnabled());

    // Back in the builder the List view is still there; Exit returns to the entry window.
    find<QAction>(m_entry, "actionSql")->trigger();
    QVERIFY(find<QListWidget>("resultList")->isVisible());
    find<QAction>("actionExitBuilder")->trigger();
    QVERIFY(m_entry->isVisible());
}

void BuilderWindowTest::printListWritesThePdfWhenNoPrinterIsInstalled() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is installed: the preview would open");
    Session& session = *m_program->session;
    QString opened;
    session.openAddress = [&opened](const QString& path) {
        opened = path;
        return true;
    };
    SqlRequest request;
    request.displayText = "List Records with \"Last\" <> \"\" ";
    printListedMatches(session, request, {{"abcwyalb000200000", "abcwyalb000200000  Jones, Bob"}});
    const QString pdf = QDir(session.folders.outputFolder()).filePath("VNList.pdf");
    QCOMPARE(opened, pdf);
    const QString text = test::pdfText(pdf);
    QVERIFY2(text.contains("Varnedo SQL List Results...") && text.contains("abcwyalb000200000") &&
                 text.contains("Jones, Bob") && text.contains("List LBCount = 1"),
             qPrintable(text));
    QVERIFY(m_program->prompter.texts().join('|').contains(pdf));
}

void BuilderWindowTest::checksEndInTheirView() {
    openBuilder();
    startRequest("actionChecks");
    QVERIFY(!find<QPushButton>("page1Button")->isVisible());  // checks work on the header only
    condition("Zip", "equalRadio", "82*");
    click("processButton");
    QVERIFY(find<QWidget>("checksView")->isVisible());
    click("returnButton");
    QVERIFY(find<QWidget>("builderView")->isVisible());
    QVERIFY(find<QPlainTextEdit>("hintBox")->toPlainText().startsWith("Hint:  The SQL menu options are"));
}

// With the page's grid and the typed target, then with a target list, then the List view.
void BuilderWindowTest::everyControlHasANameAndACaption() {
    openBuilder();
    startRequest("actionList");
    click("page1Button");
    QTest::mouseClick(find<QCheckBox>("T:1C:1R:2"), Qt::LeftButton, {}, QPoint(4, 8));
    click("lessRadio");
    QCOMPARE(unnamedControls().join(" "), QString());
    typeTarget("9");
    click("orRadio");
    QTest::mouseClick(field("Member"), Qt::LeftButton, {}, QPoint(4, 8));
    click("equalRadio");
    QCOMPARE(unnamedControls().join(" "), QString());
    QCOMPARE(requestLines()[0], "List Records with \"T:Scores C:Fall R:Art\" < \"9\" OR \"Member\" = ");
    if (!evaluationAvailable()) return;
    clickItem(m_builder, "targetList", 1);
    click("continueButton");
    click("processButton");
    QCOMPARE(unnamedControls().join(" "), QString());
}

void BuilderWindowTest::everyViewFitsASmallScreen() {
    openBuilder();
    test::verifyFitsSmallScreen(*m_builder, "builder-general");
    startRequest("actionList");
    test::verifyFitsSmallScreen(*m_builder, "builder-header-fields");
    click("page1Button");
    QTest::mouseClick(field("Color"), Qt::LeftButton, {}, QPoint(4, 8));
    click("equalRadio");
    test::verifyFitsSmallScreen(*m_builder, "builder-page1-target-list");
    clickItem(m_builder, "targetList", 1);
    click("continueButton");
    test::verifyFitsSmallScreen(*m_builder, "builder-connector");
    if (!evaluationAvailable()) return;
    startRequest("actionList");
    condition("Last", "notEqualRadio", "");
    click("processButton");
    test::verifyFitsSmallScreen(*m_builder, "builder-list-view");
}

QTEST_MAIN(BuilderWindowTest)
#include "builder_window_test.moc"
