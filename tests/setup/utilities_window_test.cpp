#include "setup/maintenance/maintenance_rows.h"
#include "setup/ui/setup_window_factory.h"
#include "setup/utilities/factory.h"
#include "shell/core/shell_fixture.h"
#include "shell/ui/app_window.h"
#include "store/catalogue/slots.h"
#include "store/files/folder_tree.h"
#include "support/temp_folder.h"
#include "support/named_child.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace vn;

// Window 6's programmers' utilities driven as a user would.
class UtilitiesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleAndMenus();
    void factoryAsksThePasswordAndRunsATask();
    void fileDefinitionsShowTheLegend();
    void webLoadDeploysStepByStep();

private:
    template <typename T>
    T* find(const char* name) {
        return test::namedChild<T>(m_window, name);
    }
    void click(const char* name) {
        QAbstractButton* button = find<QAbstractButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        button->click();
    }
    void leavePassword(const QString& text) {
        QLineEdit* box = find<QLineEdit>("factoryPasswordEdit");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void openFactory(Answer answer) {
        m_shell->prompter.answers = {answer};
        find<QAction>("actionOpenFactory")->trigger();
    }

    test::TempFolder m_places;
    std::unique_ptr<test::ShellFixture> m_shell;
    std::unique_ptr<AppWindow> m_window;
};

// The deployment folders and a desktop opener that notes what it was given.
void UtilitiesWindowTest::initTestCase() {
    qputenv("VARNEDO_UPGRADES_DIR", m_places.file("upgrades").toUtf8());
    qputenv("VARNEDO_WEB_PUBLISH_DIR", m_places.file("blocked/web").toUtf8());
    QDir().mkpath(m_places.file("bin"));
    QFile opener(m_places.file("bin/xdg-open"));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$VARNEDO_TEST_OPENED\"\n");
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    qputenv("PATH", m_places.file("bin").toUtf8() + ':' + qgetenv("PATH"));
    qputenv("VARNEDO_TEST_OPENED", m_places.file("opened.txt").toUtf8());
}

void UtilitiesWindowTest::init() {
    m_shell = std::make_unique<test::ShellFixture>();
    QVERIFY(m_shell->start());
    m_shell->session->firstTime = false;
    m_window.reset(makeSetupWindow(*m_shell->session, *m_shell->navigator));
    m_window->show();
}

void UtilitiesWindowTest::cleanup() {
    m_window.reset();
    m_shell.reset();
}

void UtilitiesWindowTest::titleAndMenus() {
    const InstallationIdentity& id = m_shell->session->identity;
    QCOMPARE(m_window->windowTitle(),
             id.stateName + "  " + id.installationName + "  Varnedo  [System/Program Utilities]");
    for (const char* name : {"actionOpenSetup", "actionOpenParameters", "actionOpenFactory", "actionOpenDataFileViewer",
                             "actionOpenWebLoad", "actionOpenFileDefinitions", "actionOpenLinkLists"})
        QVERIFY2(find<QAction>(name)->isEnabled(), name);
    QCOMPARE(find<QAction>("actionViewEncryptedFiles")->text(), QStringLiteral("View &Encrypted Files"));
    QVERIFY(!find<QAction>("actionViewEncryptedFiles")->isEnabled());
}

void UtilitiesWindowTest::factoryAsksThePasswordAndRunsATask() {
    RecordAccess& access = m_shell->session->access;
    test::putRow(access, kLinkSlot, QStringLiteral("abcwyalb001000000AA"), {{1, QStringLiteral("x")}});
    openFactory(Answer::Ok);
    QCOMPARE(m_shell->prompter.texts(),
             QStringList{"This screen is for the system programmers use only!\r\rPlease exit now."});
    QVERIFY(!find<QWidget>("factoryView")->isVisible());

    openFactory(Answer::Cancel);
    QVERIFY(find<QLineEdit>("factoryPasswordEdit")->isVisible());
    QCOMPARE(find<QLineEdit>("factoryPasswordEdit")->echoMode(), QLineEdit::Password);
    QVERIFY(!find<QWidget>("taskGroup")->isVisible());
    QVERIFY(find<QLineEdit>("input1Edit")->isHidden() && find<QLineEdit>("input2Edit")->isHidden());
    for (int n = 0; n < 3; ++n) {
        leavePassword(QStringLiteral("guess"));
        QVERIFY(find<QLineEdit>("factoryPasswordEdit")->text().isEmpty());
        QVERIFY(find<QWidget>("factoryView")->isVisible());
    }
    leavePassword(QStringLiteral("tarnwisple"));  // too late: the fourth leave closes
    QVERIFY(!find<QWidget>("factoryView")->isVisible());

    openFactory(Answer::Cancel);
    leavePassword(QStringLiteral("TarnWisple"));
    QVERIFY(find<QWidget>("taskGroup")->isVisible());
    QVERIFY(!find<QPushButton>("taskProcessButton")->isEnabled());
    QListWidget* tasks = find<QListWidget>("taskList");
    QCOMPARE(tasks->item(1)->text(), QStringLiteral("2)   Clear Links Data File"));
    QTest::mouseClick(tasks->viewport(), Qt::LeftButton, {}, tasks->visualItemRect(tasks->item(1)).center());
    m_shell->prompter.messages.clear();
    click("taskProcessButton");
    QCOMPARE(m_shell->prompter.texts(),
             (QStringList{"Continuation will clear links data file!\r\rContinue??", "Link rows deleted: 1."}));
    QCOMPARE(access.RecordCount(kLinkSlot), 0);

    click("testServerButton");
    QCOMPARE(m_shell->session->settings.webHost, testServerAddress());
    click("factoryExitButton");
    QVERIFY(!find<QWidget>("factoryView")->isVisible());
}

void UtilitiesWindowTest::fileDefinitionsShowTheLegend() {
    find<QAction>("actionOpenFileDefinitions")->trigger();
    QStringList shown;
    for (QLabel* label : find<QWidget>("fileDefinitionsView")->findChildren<QLabel*>()) shown << label->text();
    const QStringList expected = {
        "Varnedo File Definitions...", "Data transfer files:", "vnFFFTTT.vnd", "Form design transfer files:",
        "vnFFFTTTLLL.vnf", "Web form control files:", "vnLLLWEB.fcf", "Web  data submission (return) files:",
        "vnLLLWEBPPP...PNNN.wds", "Legend:", "FFF   From identifier", "TTT  To identifier",
        "LLL  Selected data list or form", "PPP  User phone number (length may vary)", "NNN  User initials",
        ".vnd   Varnedo data", ".vnf  Varnedo form", ".fcf   Form control file", ".wds  Web data submision",
        "Please see the Varnedo documentation for a full description of the file names and formats used by Varnedo"};
    QCOMPARE(shown, expected);
    click("definitionsReturnButton");
    QVERIFY(!find<QWidget>("fileDefinitionsView")->isVisible());
}

void UtilitiesWindowTest::webLoadDeploysStepByStep() {
    QFile blocker(m_places.file("blocked"));  // a file where the web folder's parent should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    find<QAction>("actionOpenWebLoad")->trigger();
    QCOMPARE(m_shell->prompter.beeps, 1);
    for (const char* later : {"editGreetingButton", "buildArchiveButton", "publishButton", "finishedButton"})
        QVERIFY2(!find<QPushButton>(later)->isEnabled(), later);

    click("copyProgramButton");
    const QString upgrades = m_places.file("upgrades/") + FolderTree::stateFolder();
    for (const char* copied : {"varnedo.desktop", "varnedo.svg"})
        QVERIFY2(QFile::exists(upgrades + "/" + copied), copied);
    const QString program = upgrades + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(QFileInfo(program).isExecutable());
    QVERIFY(!find<QPushButton>("publishButton")->isEnabled());

    click("editGreetingButton");
    QVERIFY(QFile::exists(upgrades + "/upgrade.txt"));
    QTRY_VERIFY(QFile::exists(m_places.file("opened.txt")));
    QFile opened(m_places.file("opened.txt"));
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QVERIFY(opened.readAll().endsWith("/upgrade.txt"));

    click("buildArchiveButton");
    const QString archive = upgrades + "/" + FolderTree::stateCode() + "upgrade.tar.gz";
    QProcess tar;
    tar.start("tar", {"-tzf", archive});
    QVERIFY(tar.waitForFinished());
    QStringList members = QString::fromUtf8(tar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    members.sort();
    QCOMPARE(members.size(), 4);
    QVERIFY(members.contains("upgrade.txt") && members.contains("varnedo.desktop"));

    m_shell->prompter.messages.clear();
    click("publishButton");
    QCOMPARE(m_shell->prompter.messages.size(), 1);
    QVERIFY(!find<QPushButton>("finishedButton")->isEnabled());
    QVERIFY(blocker.remove());
    click("publishButton");
    QVERIFY(QFile::exists(m_places.file("blocked/web/") + FolderTree::stateCode() + "upgrade.tar.gz"));
    QVERIFY(!QFile::exists(m_places.file("blocked/web/") + FolderTree::stateCode() + "upgrade.tar.gz.part"));
    click("finishedButton");
    QVERIFY(!find<QWidget>("webLoadView")->isVisible());
}

QTEST_MAIN(UtilitiesWindowTest)
#include "utilities_window_test.moc"
