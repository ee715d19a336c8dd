#include "shell/core/deferred_start.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "shell/ui/app_window.h"
#include "shell/ui/application_windows.h"
#include "shell/ui/main_window.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/running_program.h"
#include "support/temp_folder.h"
#include "support/named_child.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QtTest>

using namespace vn;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closingOtherThanThroughExitIsRefused();
    void gotoMenuSwitchesWindows_data();
    void gotoMenuSwitchesWindows();
    void menusWaitForTheDeferredStart();
    void panelsShowOneAtATime();
    void exitSavesAndEnds();

private:
    template <typename T>
    T* find(QWidget* parent, const char* name) {
        return test::namedChild<T>(parent, name);
    }
    void trigger(QWidget* window, const char* actionName) {
        QAction* action = find<QAction>(window, actionName);
        QVERIFY2(action->isEnabled(), actionName);
        action->trigger();
    }

    std::unique_ptr<test::RunningProgram> m_program;
};

void MainWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->openWindows({});
    m_program->navigator->ShowWindow({MainWindowNo});
}

void MainWindowTest::cleanup() {
    m_program.reset();
}

void MainWindowTest::closingOtherThanThroughExitIsRefused() {
    MainWindow& main = m_program->windows->mainWindow();
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(m_program->prompter.messages.size(), 1);
    QCOMPARE(m_program->prompter.messages[0].kind, QStringLiteral("warning"));
    QVERIFY(m_program->prompter.messages[0].text.startsWith("Varnedo has detected one of the following actions:"));
    QCOMPARE(m_program->prompter.beeps, 1);
    QVERIFY(m_program->session->catalogue.isOpen(11));
}

void MainWindowTest::gotoMenuSwitchesWindows_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("window");
    QTest::newRow("designer") << "actionGotoDesigner" << 3;
    QTest::newRow("entry") << "actionGotoEntry" << 7;
    QTest::newRow("archive") << "actionGotoArchive" << 4;
    QTest::newRow("utilities") << "actionGotoUtilities" << 6;
}

void MainWindowTest::gotoMenuSwitchesWindows() {
    QFETCH(QString, action);
    QFETCH(int, window);
    m_program->windows->setMainMenusEnabled(true);
    trigger(&m_program->windows->mainWindow(), action.toLatin1().constData());
    AppWindow* target = m_program->windows->window(window);
    QVERIFY(target->isVisible());
    QVERIFY(!m_program->windows->mainWindow().isVisible());
    QVERIFY(target->windowTitle().endsWith("Varnedo  [" + target->findChild<QWidget*>("functionLabel")->property("text").toString() + "]"));
    trigger(target, "actionGotoMain");
    QVERIFY(m_program->windows->mainWindow().isVisible());
    QVERIFY(!target->isVisible());
    QCOMPARE(m_program->session->cameFrom, window);
}

void MainWindowTest::menusWaitForTheDeferredStart() {
    MainWindow& main = m_program->windows->mainWindow();
    QVERIFY(!find<QAction>(&main, "actionGotoDesigner")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionAgentSetUp")->isEnabled());
    QVERIFY(find<QAction>(&main, "actionGotoExit")->isEnabled());
    DeferredStart(*m_program->session, *m_program->windows, *m_program->navigator);
    QVERIFY(find<QAction>(&main, "actionGotoDesigner")->isEnabled());
    QVERIFY(find<QAction>(&main, "actionAgentSetUp")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionGotoImport")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionWhatsNew")->isEnabled());
    QVERIFY(m_program->windows->window(SetupWindow)->isVisible());  // a new installation goes to its setup
}

void MainWindowTest::panelsShowOneAtATime() {
    MainWindow& main = m_program->windows->mainWindow();
    trigger(&main, "actionAbout");
    QVERIFY(find<QFrame>(&main, "aboutPanel")->isVisible());
    m_program->navigator->ShowPanel({WhatsNewPanel});
    QVERIFY(!find<QFrame>(&main, "aboutPanel")->isVisible());
    QVERIFY(find<QFrame>(&main, "whatsNewPanel")->isVisible());
    QTest::mouseClick(find<QPushButton>(&main, "whatsNewPanelButton"), Qt::LeftButton);
    QVERIFY(!find<QFrame>(&main, "whatsNewPanel")->isVisible());
}

void MainWindowTest::exitSavesAndEnds() {
    trigger(&m_program->windows->mainWindow(), "actionGotoExit");
    QVERIFY(m_program->session->shutdownDone);
    QVERIFY(!m_program->windows->mainWindow().isVisible());
    QVERIFY(!m_program->session->catalogue.isOpen(11));
    QVERIFY(QFile::exists(QDir(m_program->session->folders.savesFolder()).filePath("Varnedo1.db")));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
