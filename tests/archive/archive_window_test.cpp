// Window 4 on a started program: its menu, the backup and restore panels, the e-mail set-up
// panel and "Upgrade!". The exchange file panels have tests of their own.
#include "archive/ui/archive_window.h"
#include "exchange/backup/backup_writer.h"
#include "exchange/ui/panel_parts.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/settings/parameter_reading.h"
#include "support/running_program.h"
#include "support/screen_fit.h"
#include "work_cancel.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace vn {

namespace {

// Each menu entry's action and the panel it shows.
const struct {
    const char* action;
    const char* view;
} kPanels[] = {{"actionBackup", "backupView"},           {"actionRestore", "restoreView"},
               {"actionSendData", "sendDataView"},       {"actionReceiveData", "receiveDataView"},
               {"actionSendForm", "sendFormView"},       {"actionReceiveForm", "receiveFormView"},
               {"actionSetupEmail", "emailSetupView"}};

}  // namespace

class ArchiveWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onePanelAtATime();
    void everyControlHasANameAndACaption();
    void aHardDiskBackupIsWrittenToBothFolders();
    void aRemovableMediumIsTestedAndOnlyItsListedFilesErased();
    void anUnmappedLetterDisablesItsChoice();
    void aRestoreEndsInTheOrderlyExitWithTheRestoredRowsSaved();
    void longWorkShowsItsProgressAndCancelLeavesTheTablesAsTheyWere();
    void theEmailPanelStoresTheSendToAddress();
    void upgradeLeavesOnlyWhenConfirmed();

private:
    template <typename T>
    T* find(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    void openWindow(const QString& drives);
    QString folder(const char* name) const { return m_program->tmp.file(name); }
    Session& session() { return *m_program->session; }

    std::unique_ptr<test::RunningProgram> m_program;
    AppWindow* m_window = nullptr;
};

void ArchiveWindowTest::init() {
    m_program = std::make_unique<test::RunningProgram>();
    QVERIFY(m_program->started);
    QDir().mkpath(folder("c"));
    QDir().mkpath(folder("zip"));
    openWindow("C=" + folder("c") + ";D=" + folder("zip"));
}

// The drive map is read when the window is made.
void ArchiveWindowTest::openWindow(const QString& drives) {
    qputenv("VARNEDO_DRIVES", drives.toUtf8());
    m_program->openWindows({{ArchiveWindow, makeArchiveWindow}});
    m_program->navigator->gotoWindow(MainWindowNo, ArchiveWindow);
    m_window = m_program->windows->window(ArchiveWindow);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ArchiveWindowTest::cleanup() {
    m_program.reset();
    qunsetenv("VARNEDO_DRIVES");
}

void ArchiveWindowTest::onePanelAtATime() {
    QStringList captions;
    for (QAction* action : m_window->menuBar()->actions()) {
        if (action->menu()) continue;  // Goto
        captions << action->text();
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
    }
    QCOMPARE(captions, (QStringList{"Backup", "Restore", "Send Data", "Receive Data", "Send Form", "Receive Form", "Setup Email", "Upgrade!"}));
    QVERIFY(m_window->windowTitle().endsWith("  Varnedo  [Archive Utilities]"));
    for (const auto& shown : kPanels) {
        find<QAction>(shown.action)->trigger();
        for (const auto& other : kPanels) QCOMPARE(find<QWidget>(other.view)->isVisible(), &other == &shown);
        test::verifyFitsSmallScreen(*m_window, QString("archive-") + shown.view);
    }
    find<QPushButton>("emailSetupExitButton")->click();
    QVERIFY(!find<QWidget>("emailSetupView")->isVisible());
}

void ArchiveWindowTest::everyControlHasANameAndACaption() {
    for (const auto& panel : kPanels) {
        for (QWidget* w : find<QWidget>(panel.view)->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus)) continue;
            QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
            bool captioned = !w->accessibleName().isEmpty();
            if (auto* button = qobject_cast<QAbstractButton*>(w)) captioned = captioned || !button->text().isEmpty();
            for (QLabel* label : m_window->findChildren<QLabel*>()) captioned = captioned || label->buddy() == w;
            QVERIFY2(captioned, qPrintable(w->objectName()));
        }
    }
}

void ArchiveWindowTest::aHardDiskBackupIsWrittenToBothFolders() {
    find<QAction>("actionBackup")->trigger();
    QVERIFY(!find<QPushButton>("backupButton")->isEnabled());
    find<QRadioButton>("destination3Radio")->click();
    QCOMPARE(find<QRadioButton>("destination3Radio")->text(), "C:\\    [Hard Drive]");
    QCOMPARE(find<QLabel>("destination3FolderLabel")->text(), folder("c"));
    find<QPushButton>("backupButton")->click();
    const QString inData = QDir(session().folders.dataFolder()).filePath("vnBack.txt");
    QVERIFY(QFile::exists(QDir(folder("c")).filePath("vnBack.txt")));
    QVERIFY(QFile::exists(inData));
    QFile a(QDir(folder("c")).filePath("vnBack.txt")), b(inData);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QVERIFY(!find<QLabel>("lastBackupLabel")->text().isEmpty());
    QCOMPARE(find<QLabel>("lastBackupLabel")->text(), readParameter(session().access, "BackUpDate").value);
    QVERIFY2(m_program->prompter.messages.isEmpty(), qPrintable(m_program->prompter.texts().join("\n")));
}

void ArchiveWindowTest::aRemovableMediumIsTestedAndOnlyItsListedFilesErased() {
    QDir zip(folder("zip"));
    QVERIFY(QDir().rmdir(folder("zip")));  // no medium in the drive
    find<QAction>("actionBackup")->trigger();
    find<QRadioButton>("destination2Radio")->click();
    m_program->prompter.answers = {Answer::Cancel};
    find<QPushButton>("backupButton")->click();
    QCOMPARE(m_program->prompter.texts(), QStringList{"Diskette not found in drive " + folder("zip")});

    QDir().mkpath(folder("zip/keep"));
    for (const char* name : {"Test.txt", "notes.doc"}) {
        QFile f(zip.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("user data");
    }
    find<QPushButton>("backupButton")->click();
    QVERIFY(find<QListWidget>("fileList")->isVisible());
    QCOMPARE(find<QListWidget>("fileList")->count(), 2);
    QCOMPARE(find<QListWidget>("fileList")->item(0)->text(), "Test.txt" + QString(21, ' ') + "9");
    QVERIFY(zip.exists("Test.txt"));  // the medium's test leaves a user's file alone

    m_program->prompter.answers = {Answer::No};
    find<QPushButton>("deleteFilesButton")->click();
    QVERIFY(zip.exists("Test.txt") && !zip.exists("vnBack.txt"));
    m_program->prompter.answers = {Answer::Ok};
    find<QPushButton>("deleteFilesButton")->click();
    QVERIFY(!find<QListWidget>("fileList")->isVisible());
    QCOMPARE(zip.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), (QStringList{"keep", "vnBack.txt"}));

    find<QPushButton>("backupButton")->click();
    QCOMPARE(find<QListWidget>("fileList")->count(), 1);
    find<QPushButton>("exchangeDisketteButton")->click();
    QVERIFY(find<QListWidget>("fileList")->isVisible());
    QVERIFY(find<QRadioButton>("destination2Radio")->isChecked());
}

void ArchiveWindowTest::anUnmappedLetterDisablesItsChoice() {
    m_program->windows.reset();
    openWindow("C=" + folder("c") + ";D=");
    find<QAction>("actionBackup")->trigger();
    QVERIFY(!find<QRadioButton>("destination1Radio")->isEnabled());  // diskettes only at the county level
    QVERIFY(!find<QRadioButton>("destination2Radio")->isEnabled());
    QCOMPARE(find<QLabel>("destination2FolderLabel")->text(), "(the drive is not mapped to a folder)");
    QVERIFY(find<QRadioButton>("destination3Radio")->isEnabled());
    find<QAction>("actionRestore")->trigger();
    QVERIFY(!find<QRadioButton>("location2Radio")->isEnabled());
    QVERIFY(find<QRadioButton>("location4Radio")->isEnabled());
}

void ArchiveWindowTest::aRestoreEndsInTheOrderlyExitWithTheRestoredRowsSaved() {
    RecordAccess& access = session().access;
    access.EnsureRecord(kHeadSlot, "abcwyalb000000001");
    access.SetFieldText(kHeadSlot, 4, "Smith");
    find<QAction>("actionBackup")->trigger();
    find<QRadioButton>("destination4Radio")->click();
    find<QPushButton>("backupButton")->click();
    access.FindRecord(kHeadSlot, "abcwyalb000000001");
    access.SetFieldText(kHeadSlot, 4, "Changed since");

    find<QAction>("actionRestore")->trigger();
    QVERIFY(!find<QPushButton>("openRestoreFileButton")->isEnabled());
    find<QRadioButton>("location4Radio")->click();
    find<QPushButton>("openRestoreFileButton")->click();
    QVERIFY(find<QLabel>("restoreInformationLabel")->text().contains(" Varnedo Data Backup as of "));
    QCOMPARE(find<QListWidget>("dataFilesFoundList")->count(), 27);
    QVERIFY(find<QPushButton>("clearAndRestoreButton")->isEnabled());
    m_program->prompter.messages.clear();
    m_program->prompter.answers = {Answer::Ok, Answer::Ok};
    find<QPushButton>("restoreDataButton")->click();
    QCOMPARE(m_program->prompter.texts().value(0), "Confirm Data Restore!");
    QVERIFY(m_program->prompter.texts().value(1).startsWith("Varnedo will now automatically close."));
    QVERIFY(session().shutdownDone && !session().saveFailed);

    TableCatalogue saved;
    saved.open(kHeadSlot, {QDir(session().folders.savesFolder()).filePath("Varnedo1.db"), "Head"});
    QVERIFY(saved.table(kHeadSlot).findKey("abcwyalb000000001"));
    QCOMPARE(saved.table(kHeadSlot).text(4), "Smith");
}

void ArchiveWindowTest::longWorkShowsItsProgressAndCancelLeavesTheTablesAsTheyWere() {
    Database& db = session().access.database(kCountySlot);
    {
        Transaction transaction(db);
        RowWriter counties(db, "Coun");
        for (int i = 0; i < 5000; ++i) {
            const QByteArray key = "K" + QByteArray::number(i);
            const std::pair<int, QByteArrayView> name{2, "A county"};
            counties.write(key, RowWriter::Values(&name, 1));
        }
        transaction.commit();
    }
    BackupRequest request;
    request.tableSlots = {kCountySlot};
    QCOMPARE(WriteBackup(session().access, m_program->prompter, backupFileIn(session().folders.dataFolder()), request), WorkEnd::Done);
    const qint64 before = session().access.RecordCount(kCountySlot);

    find<QAction>("actionRestore")->trigger();
    dynamic_cast<PanelView&>(*find<QWidget>("restoreView")).setDialogDelay(0);
    find<QRadioButton>("location4Radio")->click();
    find<QPushButton>("openRestoreFileButton")->click();
    QVERIFY(test::cancelWhenTheDialogShows(m_window, [this] { find<QPushButton>("clearAndRestoreButton")->click(); }));
    QVERIFY(!session().shutdownDone);
    QCOMPARE(session().access.RecordCount(kCountySlot), before);
    QVERIFY(find<QPushButton>("clearAndRestoreButton")->isEnabled());
    QVERIFY(!m_window->findChild<QWidget*>("workDialog")->isVisible());
}

void ArchiveWindowTest::theEmailPanelStoresTheSendToAddress() {
    find<QAction>("actionSetupEmail")->trigger();
    find<QRadioButton>("dialUpRadio")->click();
    auto* sendTo = find<QLineEdit>("ESendToEdit");
    sendTo->setText("state@example.org");
    emit sendTo->editingFinished();
    QCOMPARE(readParameter(session().access, "ESendTo").value, "state@example.org");
    QCOMPARE(readParameter(session().access, "EMethod").value, "1");
    QCOMPARE(session().settings.mail.sendTo, "state@example.org");
    QVERIFY(find<QLineEdit>("EISPPhoneEdit")->isEnabled());
}

void ArchiveWindowTest::upgradeLeavesOnlyWhenConfirmed() {
    Session& s = session();
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
