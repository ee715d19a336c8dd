#include "shell/core/deferred_start.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/startup_sequence.h"
#include "shell/ui/app_window.h"
#include "shell/ui/application_windows.h"
#include "shell/ui/main_window.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

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
        T* child = parent->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no child named %s", name);
        return child;
    }
    void trigger(QWidget* window, const char* actionName) {
        QAction* action = find<QAction>(window, actionName);
        QVERIFY2(action->isEnabled(), actionName);
        action->trigger();
    }

    std::unique_ptr<test::TempFolder> m_tmp;
    test::RecordingPrompter m_prompter;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Navigator> m_navigator;
    std::unique_ptr<ApplicationWindows> m_windows;
};

void MainWindowTest::init() {
    m_tmp = std::make_unique<test::TempFolder>();
    createInstallation(m_tmp->file("HLV"));
    m_prompter = {};
    m_session = std::make_unique<Session>(m_tmp->file("HLV"), m_prompter);
    StartFacts facts;
    facts.drives = DriveMap(m_tmp->file("home"), "C=" + m_tmp->file("none"));
    QVERIFY(runStartup(*m_session, facts));
    m_navigator = std::make_unique<Navigator>(*m_session);
    m_windows = std::make_unique<ApplicationWindows>(*m_session, *m_navigator);
    m_navigator->setView(*m_windows);
    m_navigator->ShowWindow({MainWindowNo});
}

void MainWindowTest::cleanup() {
    m_windows.reset();
    m_navigator.reset();
    m_session.reset();
    m_tmp.reset();
}

void MainWindowTest::closingOtherThanThroughExitIsRefused() {
    MainWindow& main = m_windows->mainWindow();
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(m_prompter.messages.size(), 1);
    QCOMPARE(m_prompter.messages[0].kind, QStringLiteral("warning"));
    QVERIFY(m_prompter.messages[0].text.startsWith("Varnedo has detected one of the following actions:"));
    QCOMPARE(m_prompter.beeps, 1);
    QVERIFY(m_session->catalogue.isOpen(11));
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
    m_windows->setMainMenusEnabled(true);
    trigger(&m_windows->mainWindow(), action.toLatin1().constData());
    AppWindow* target = m_windows->window(window);
    QVERIFY(target->isVisible());
    QVERIFY(!m_windows->mainWindow().isVisible());
    QVERIFY(target->windowTitle().endsWith("Varnedo  [" + target->findChild<QWidget*>("functionLabel")->property("text").toString() + "]"));
    trigger(target, "actionGotoMain");
    QVERIFY(m_windows->mainWindow().isVisible());
    QVERIFY(!target->isVisible());
    QCOMPARE(m_session->cameFrom, window);
}

void MainWindowTest::menusWaitForTheDeferredStart() {
    MainWindow& main = m_windows->mainWindow();
    QVERIFY(!find<QAction>(&main, "actionGotoDesigner")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionAgentSetUp")->isEnabled());
    QVERIFY(find<QAction>(&main, "actionGotoExit")->isEnabled());
    DeferredStart(*m_session, *m_windows, *m_navigator);
    QVERIFY(find<QAction>(&main, "actionGotoDesigner")->isEnabled());
    QVERIFY(find<QAction>(&main, "actionAgentSetUp")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionGotoImport")->isEnabled());
    QVERIFY(!find<QAction>(&main, "actionWhatsNew")->isEnabled());
    QVERIFY(m_windows->window(SetupWindow)->isVisible());  // a new installation goes to its setup
}

void MainWindowTest::panelsShowOneAtATime() {
    MainWindow& main = m_windows->mainWindow();
    trigger(&main, "actionAbout");
    QVERIFY(find<QFrame>(&main, "aboutPanel")->isVisible());
    m_navigator->ShowPanel({WhatsNewPanel});
    QVERIFY(!find<QFrame>(&main, "aboutPanel")->isVisible());
    QVERIFY(find<QFrame>(&main, "whatsNewPanel")->isVisible());
    QTest::mouseClick(find<QPushButton>(&main, "whatsNewPanelButton"), Qt::LeftButton);
    QVERIFY(!find<QFrame>(&main, "whatsNewPanel")->isVisible());
}

void MainWindowTest::exitSavesAndEnds() {
    trigger(&m_windows->mainWindow(), "actionGotoExit");
    QVERIFY(m_session->shutdownDone);
    QVERIFY(!m_windows->mainWindow().isVisible());
    QVERIFY(!m_session->catalogue.isOpen(11));
    QVERIFY(QFile::exists(QDir(m_session->folders.savesFolder()).filePath("Varnedo1.db")));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
