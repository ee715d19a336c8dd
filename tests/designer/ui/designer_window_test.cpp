#include "designer/ui/designer_window.h"
#include "lists/definitions/definition_tables.h"
#include "lists/definitions/list_fields.h"
#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "shell/ui/application_windows.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "support/sibling_fixture.h"
#include "support/temp_folder.h"
#include "support/named_child.h"
#include "support/recording_help_agent.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QLineEdit>
#include <QListWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vn;
using namespace vn::definition_tables;

// The list information view driven as a user would: keys and clicks, offscreen.
class DesignerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addChooseRetitleCloneAndDelete();
    void passwordBoxesEmptyWhenAnotherListIsChosen();
    void everyControlHasANameAndACaption();
    void everyViewFitsASmallScreen();
    void fieldFromASiblingHelpTextAndHeaderLink();
    void rightClicksAskForHelpPhrases();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_window, name);
    }
    void type(const char* edit, const QString& text) {
        QLineEdit* e = find<QLineEdit>(edit);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void click(const char* button) {
        QPushButton* b = find<QPushButton>(button);
        QVERIFY2(b->isEnabled(), button);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void choose(const QString& code) {
        QListWidget* lists = find<QListWidget>("currentListsList");
        const auto items = lists->findItems(code, Qt::MatchStartsWith);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(items[0]).center());
    }
    // Every control in sight has an object name and a name assistive technology reads.
    void verifyNamed(const char* within = nullptr);
    bool importOffered() { return find<QAction>("actionGotoImport")->isEnabled(); }
    QString stored(int slot, const QString& key, int field) {
        Session& s = *m_program->session;
        return s.access.FindRecord(slot, key) ? s.access.GetFieldText(slot, field) : "<none>";
    }
    QString fdis(const QString& key, int field) { return stored(kFdisSlot, key, field); }
    QString listField(const QString& code, int field) {
        return m_program->session->access.FindRecord(kListSlot, code) ? m_program->session->access.GetFieldText(kListSlot, field) : "<none>";
    }

    std::unique_ptr<test::RunningProgram> m_program;
    FormDesignerWindow* m_window = nullptr;
};

void DesignerWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->openWindows(WindowFactories{{DesignerWindow, makeDesignerWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, DesignerWindow);
    m_window = static_cast<FormDesignerWindow*>(m_program->windows->window(DesignerWindow));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    find<QAction>("actionEnterListInformation")->trigger();
}

void DesignerWindowTest::cleanup() {
    m_program.reset();
}

void DesignerWindowTest::addChooseRetitleCloneAndDelete() {
    QVERIFY(m_window->windowTitle().endsWith("Varnedo  [Create/Define Data List]"));
    QVERIFY(!importOffered());
    click("newButton");
    type("codeEdit", "AB1");
    QCOMPARE(m_program->prompter.texts().last(), "The Data List record code can only contain letters. Please enter a new (correct) record code");
    type("codeEdit", "ABC");
    QCOMPARE(find<QLineEdit>("codeEdit")->text(), "abc");
    type("titleEdit", "Members");
    click("addButton");
    QCOMPARE(listField("abc", 1), "Members");
    QVERIFY(importOffered());  // the added list is the current one

    choose("abc");
    QVERIFY(find<QAction>("actionAddModifyFields")->isEnabled());
    type("titleEdit", "Club members");
    QCOMPARE(listField("abc", 1), "Club members");

    type("oldCodeEdit", "ABC");
    type("newCodeEdit", "XYZ");
    type("newFormTitleEdit", "Copy");
    click("createNewFormButton");
    QCOMPARE(listField("xyz", 1), "Copy");
    QCOMPARE(find<QListWidget>("currentListsList")->count(), 2);

    choose("xyz");
    m_program->prompter.answers = {Answer::Ok};
    click("deleteButton");
    QCOMPARE(listField("xyz", 1), "<none>");
    QCOMPARE(find<QListWidget>("currentListsList")->count(), 1);
    QVERIFY(!find<QAction>("actionAddModifyFields")->isEnabled());
    QVERIFY(!importOffered());  // the current list is gone
}

void DesignerWindowTest::passwordBoxesEmptyWhenAnotherListIsChosen() {
    for (const char* code : {"abc", "xyz"}) m_program->session->access.EnsureRecord(kListSlot, code);
    reloadListCodes(*m_program->session);
    find<QAction>("actionEnterListInformation")->trigger();
    choose("abc");
    type("newPasswordEdit", "secret");
    type("verifyPasswordEdit", "secret");
    QCOMPARE(listField("abc", 10), "secret");
    choose("xyz");
    QCOMPARE(find<QLineEdit>("newPasswordEdit")->text(), "");
    QCOMPARE(find<QLineEdit>("verifyPasswordEdit")->text(), "");
}

void DesignerWindowTest::verifyNamed(const char* within) {
    QWidget* root = within ? find<QWidget>(within) : m_window;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(m_window) || qobject_cast<QMenu*>(w)) continue;
        if (w->objectName().startsWith("qt_")) continue;
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
}

void DesignerWindowTest::everyControlHasANameAndACaption() {
    click("newButton");
    verifyNamed();
}

// Every view at the window's own size on a 1280 x 800 screen, the page at its true size.
void DesignerWindowTest::everyViewFitsASmallScreen() {
    m_program->session->access.EnsureRecord(kListSlot, "abc");
    reloadListCodes(*m_program->session);
    find<QAction>("actionEnterListInformation")->trigger();
    choose("abc");
    test::verifyFitsSmallScreen(*m_window, "designer-lists");
    find<QAction>("actionAddModifyFields")->trigger();
    QVERIFY(test::shownWhole(*find<QWidget>("pageCanvas")));
    test::verifyFitsSmallScreen(*m_window, "designer-page");
    click("addComponentsButton");
    test::verifyFitsSmallScreen(*m_window, "designer-palette");
    click("addKind7Button");
    test::verifyFitsSmallScreen(*m_window, "designer-table");
}

// With Grovanta beside us: a member field copied onto the page, its help text entered, and the
// list's header linked to Grovanta's leaders.
void DesignerWindowTest::fieldFromASiblingHelpTextAndHeaderLink() {
    test::TempFolder base;
    m_program->session->siblings[0] = test::makeSibling(base.path(), SiblingProduct::Grovanta);
    test::putRow(m_program->session->access, kListSlot, "abc", {{list_field::kHeaderLinkCode, "5"}});
    reloadListCodes(*m_program->session);
    find<QAction>("actionEnterListInformation")->trigger();
    choose("abc");
    find<QAction>("actionAddModifyFields")->trigger();

    click("copySiblingFieldsButton");
    QVERIFY(find<QPushButton>("siblingSet2Button")->isEnabled());
    QVERIFY(!find<QPushButton>("siblingSet5Button")->isEnabled());
    click("siblingSet1Button");
    QListWidget* list = find<QListWidget>("siblingFieldList");
    QVERIFY(list->isVisible());
    QCOMPARE(find<QLabel>("siblingFieldsCaption")->text(), "Grovanta Member Fields");
    verifyNamed("designerPanels");
    const auto first = list->findItems("First", Qt::MatchExactly);
    QCOMPARE(first.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(first[0]).center());
    QCOMPARE(find<QLineEdit>("nameEdit")->text(), "First");
    click("placeButton");
    QCOMPARE(fdis("abc101", fdis::kDataSet), "1");
    QCOMPARE(fdis("abc101", fdis::kDataSetField), QString::number(first[0]->data(Qt::UserRole).toInt()));

    click("helpTextButton");
    QTest::keyClicks(find<QPlainTextEdit>("helpTextEdit"), "The member's first name.");
    QVERIFY(!find<QPushButton>("previewHelpButton")->isEnabled());  // no character chosen
    verifyNamed("designerPanels");
    click("saveHelpButton");
    QCOMPARE(stored(kHelpSlot, "abc101", 1), "The member's first name.");
    QVERIFY(find<QPushButton>("continueButton")->isVisible());  // back in the add view
    click("continueButton");

    click("linkHeaderFieldsButton");
    QVERIFY(find<QRadioButton>("headerLink5Radio")->isChecked());
    verifyNamed("designerPanels");
    QVERIFY(!find<QRadioButton>("headerLink5Radio")->isEnabled());
    QRadioButton* leaders = find<QRadioButton>("headerLink2Radio");
    QTest::mouseClick(leaders, Qt::LeftButton, {}, QPoint(8, leaders->height() / 2));  // on its indicator
    QCOMPARE(listField("abc", list_field::kHeaderLinkCode), "2");
    click("headerLinkReturnButton");
    QVERIFY(find<QWidget>("optionsView")->isVisible());
}

// The list information view's captions, buttons and list ask the help character, when it is on.
void DesignerWindowTest::rightClicksAskForHelpPhrases() {
    test::RecordingHelpAgent agent;
    m_program->session->helpAgent = &agent;
    for (const char* name : {"newButton", "codeEditLabel", "currentListsList"})
        QTest::mouseClick(find<QWidget>(name), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(agent.asked, QStringList({"newButton", "codeEditLabel", "currentListsList"}));
    agent.on = false;
    QTest::mouseClick(find<QWidget>("newButton"), Qt::RightButton);
    QCOMPARE(agent.asked.size(), 3);
    m_program->session->helpAgent = &noHelpAgent();
}

QTEST_MAIN(DesignerWindowTest)
#include "designer_window_test.moc"
