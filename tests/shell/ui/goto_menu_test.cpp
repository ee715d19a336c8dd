#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/app_window.h"
#include "shell/ui/application_windows.h"
#include "shell/ui/main_window.h"
#include "store/catalogue/slots.h"
#include "support/running_program.h"

#include <QAction>
#include <QtTest>

using namespace vn;

// Which Goto entries a window offers, by window and by the program's state: the main window's
// wait for the deferred start, Data Import and Data Export for a current list in every window.
class GotoMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void entriesFollowTheStartAndTheCurrentList_data();
    void entriesFollowTheStartAndTheCurrentList();

private:
    std::unique_ptr<test::RunningProgram> m_program;
};

void GotoMenuTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->session->access.EnsureRecord(kListSlot, "abc");
    reloadListCodes(*m_program->session);
    m_program->openWindows({});
}

void GotoMenuTest::entriesFollowTheStartAndTheCurrentList_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("currentList");
    QTest::addColumn<bool>("designerEnabled");
    QTest::addColumn<bool>("importEnabled");
    QTest::newRow("main, before the start") << 1 << false << "abc" << false << false;
    QTest::newRow("main, no list") << 1 << true << "" << true << false;
    QTest::newRow("main, a list") << 1 << true << "abc" << true << true;
    QTest::newRow("main, a code not yet added") << 1 << true << "xyz" << true << false;
    QTest::newRow("archive, no list") << 4 << true << "" << true << false;
    QTest::newRow("archive, a list") << 4 << true << "abc" << true << true;
}

void GotoMenuTest::entriesFollowTheStartAndTheCurrentList() {
    QFETCH(int, window);
    QFETCH(bool, started);
    QFETCH(QString, currentList);
    QFETCH(bool, designerEnabled);
    QFETCH(bool, importEnabled);
    m_program->windows->setMainMenusEnabled(started);
    m_program->session->currentListCode = currentList;
    m_program->navigator->ShowWindow({window});  // showing a window asks its menu again
    QWidget* shown = window == MainWindowNo ? static_cast<QWidget*>(&m_program->windows->mainWindow())
                                            : m_program->windows->window(window);
    const auto enabled = [shown](const char* name) { return shown->findChild<QAction*>(name)->isEnabled(); };
    QVERIFY(enabled("actionGotoExit"));
    QCOMPARE(enabled("actionGotoDesigner"), designerEnabled);
    QCOMPARE(enabled("actionGotoImport"), importEnabled);
    QCOMPARE(enabled("actionGotoExport"), importEnabled);
}

QTEST_MAIN(GotoMenuTest)
#include "goto_menu_test.moc"
