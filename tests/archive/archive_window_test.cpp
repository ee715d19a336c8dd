// Window 4 on a started program: its menu, the e-mail set-up panel and "Upgrade!".
#include "archive/ui/archive_window.h"
#include "store/settings/parameter_reading.h"
#include "support/running_program.h"
#include "support/screen_fit.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace vn {

class ArchiveWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void onePanelAtATimeAndTheRestWait();
    void theEmailPanelStoresTheSendToAddress();
    void upgradeLeavesOnlyWhenConfirmed();

private:
    template <typename T>
    T* find(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }

    std::unique_ptr<test::RunningProgram> m_program;
    AppWindow* m_window = nullptr;
};

void ArchiveWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    m_program->openWindows({{ArchiveWindow, makeArchiveWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, ArchiveWindow);
    m_window = m_program->windows->window(ArchiveWindow);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ArchiveWindowTest::onePanelAtATimeAndTheRestWait() {
    QStringList captions;
    for (QAction* action : m_window->menuBar()->actions()) {
        captions << action->text();
        const bool carried = action->text() == "Setup Email" || action->text() == "Upgrade!" || action->text().contains("Goto");
        if (!carried && !action->menu()) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
            QVERIFY(!action->toolTip().isEmpty());
        }
    }
    for (const char* caption : {"Backup", "Restore", "Send Data", "Receive Data", "Send Form", "Receive Form", "Setup Email", "Upgrade!"})
        QVERIFY2(captions.contains(caption), caption);
    QVERIFY(m_window->windowTitle().endsWith("  Varnedo  [Archive Utilities]"));
    QVERIFY(!find<QWidget>("emailSetupView")->isVisible());
    find<QAction>("actionSetupEmail")->trigger();
    QVERIFY(find<QWidget>("emailSetupView")->isVisible());
    test::verifyFitsSmallScreen(*m_window, "archive-setup-email");
    find<QPushButton>("emailSetupExitButton")->click();
    QVERIFY(!find<QWidget>("emailSetupView")->isVisible());
}

void ArchiveWindowTest::theEmailPanelStoresTheSendToAddress() {
    find<QAction>("actionSetupEmail")->trigger();
    find<QRadioButton>("dialUpRadio")->click();
    auto* sendTo = find<QLineEdit>("ESendToEdit");
    sendTo->setText("state@example.org");
    emit sendTo->editingFinished();
    Session& s = *m_program->session;
    QCOMPARE(readParameter(s.access, "ESendTo").value, "state@example.org");
    QCOMPARE(readParameter(s.access, "EMethod").value, "1");
    QCOMPARE(s.settings.mail.sendTo, "state@example.org");
    QVERIFY(find<QLineEdit>("EISPPhoneEdit")->isEnabled());
}

void ArchiveWindowTest::upgradeLeavesOnlyWhenConfirmed() {
    Session& s = *m_program->session;
    m_program->prompter.answers = {Answer::No};
    find<QAction>("actionUpgrade")->trigger();
    QVERIFY(!s.exitFlag && !s.openUpgradePage);
    m_program->prompter.answers = {Answer::Ok};
    find<QAction>("actionUpgrade")->trigger();
    QVERIFY(s.openUpgradePage);
    QCOMPARE(m_program->prompter.messages.size(), 2);
}

}  // namespace vn

QTEST_MAIN(vn::ArchiveWindowTest)
#include "archive_window_test.moc"
