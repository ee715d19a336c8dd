#include "shell/core/deferred_start.h"
#include "shell_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kSystem = 2, kCounties = 4, kDistricts = 5;
const QString kAgeWarning = "The Last Backup Of This Data Set Has Exceeded Seven Days!";

struct DeferredStartTest : ::testing::Test {
    void setUpDone(int level) {
        shell.setParm("BackUpDate", "12/9/2026 8:00:00 AM");
        shell.setParm("OType", "1");
        shell.setParm("OpLevel", QString::number(level));
        shell.setParm("DataFlow", "2");
    }
    void run(QDate today = QDate(2026, 12, 10)) {
        DeferredHooks hooks;
        hooks.today = today;
        DeferredStart(*shell.session, shell.view, *shell.navigator, hooks);
    }
    void writeWhatsNew(const QString& version, const QString& text) {
        QFile f(QDir(FolderTree(shell.base()).whatsNewFolder()).filePath(version + ".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    int count(const QString& text) const { return int(shell.prompter.texts().count(text)); }
    test::ShellFixture shell;
};

TEST_F(DeferredStartTest, AFirstTimeInstallationGoesToTheSetupWindow) {
    ASSERT_TRUE(shell.start());
    run();
    EXPECT_TRUE(shell.view.menusEnabled);
    EXPECT_TRUE(shell.session->firstTime);
    EXPECT_EQ(shell.view.visibleWindows(), QList<int>{6});
    EXPECT_TRUE(shell.session->access.FindRecord(3, "CountyInfo"));
    EXPECT_TRUE(shell.session->access.FindRecord(3, "DistrictInfo"));
}

TEST_F(DeferredStartTest, ACountyNamesTheInstallationAndNumbersTheCounties) {
    setUpDone(1);
    shell.setParm("CountyInfo", "BIG");
    ASSERT_TRUE(shell.start());
    for (const QString& code : {QString("ALB"), QString("BIG"), QString("CAR")}) {
        shell.session->access.EnsureRecord(kCounties, code);
        shell.session->access.SetFieldText(kCounties, 2, code + " County");
    }
    run();
    EXPECT_FALSE(shell.session->firstTime);
    EXPECT_EQ(shell.session->identity.installationName, "BIG County");
    EXPECT_EQ(shell.session->identity.countyNumber, "2");
    EXPECT_EQ(shell.view.title, "Wyoming  BIG County  Varnedo  [06-248]    0");
}

TEST_F(DeferredStartTest, ADistrictAndTheStateLevelsNameTheInstallation) {
    setUpDone(2);
    shell.setParm("DistrictInfo", "D7");
    ASSERT_TRUE(shell.start());
    shell.session->access.EnsureRecord(kDistricts, "D7");
    shell.session->access.SetFieldText(kDistricts, 2, "Northern");
    run();
    EXPECT_EQ(shell.session->identity.installationName, "Northern");
    shell.crash();
    setUpDone(3);
    shell.setParm("OType", "2");
    ASSERT_TRUE(shell.start());
    run();
    EXPECT_EQ(shell.session->identity.installationName, "Federal");
    EXPECT_EQ(shell.session->identity.countyCode, "wy_");
}

TEST_F(DeferredStartTest, BackupAgeCountsRealCalendarDays) {
    struct Case {
        QString backup;
        QDate today;
        bool warns;
    };
    const Case cases[] = {
        {"12/31/2025 4:00:00 PM", QDate(2026, 1, 6), false},
        {"12/31/2025 4:00:00 PM", QDate(2026, 1, 8), true},
        {"12/3/2026 8:00:00 AM", QDate(2026, 12, 10), false},
        {"12/2/2026 8:00:00 AM", QDate(2026, 12, 10), true},
        {"12/8/2025 8:00:00 AM", QDate(2026, 12, 10), true},  // 367 days, not 2
        {"", QDate(2026, 12, 10), true},
        {"not a date", QDate(2026, 12, 10), true},
    };
    for (const Case& c : cases) EXPECT_EQ(backupTooOld(c.backup, c.today), c.warns) << c.backup.toStdString();
}

TEST_F(DeferredStartTest, EmptyBackupDateWarnsMissingRowNever) {
    setUpDone(1);
    ASSERT_TRUE(shell.start());
    shell.session->access.DeleteRecord(3, "BackUpDate");
    run();
    EXPECT_EQ(count(kAgeWarning), 0);
    shell.session->access.EnsureRecord(3, "BackUpDate");
    shell.session->access.SetFieldText(3, 2, "");
    run();
    EXPECT_EQ(count(kAgeWarning), 1);
}

TEST_F(DeferredStartTest, ANewInstallationIsOfThisVersionAndAnOlderOneIsRecordedAsThis) {
    setUpDone(1);
    ASSERT_TRUE(shell.start());
    RecordAccess& a = shell.session->access;
    ASSERT_TRUE(a.FindRecord(kSystem, "Version"));
    EXPECT_EQ(a.GetFieldText(kSystem, 1), "06-248");
    a.SetFieldText(kSystem, 1, "05-100");
    run();
    ASSERT_TRUE(a.FindRecord(kSystem, "Version"));
    EXPECT_EQ(a.GetFieldText(kSystem, 1), "06-248");
}

TEST_F(DeferredStartTest, AVersionChangeIsRecordedAndToldOnlyOnceItsBackupWasMade) {
    setUpDone(1);
    ASSERT_TRUE(shell.start());
    RecordAccess& a = shell.session->access;
    a.EnsureRecord(kSystem, "Version");
    a.SetFieldText(kSystem, 1, "05-100");
    DeferredHooks hooks;
    hooks.versionBackup = [] { return VersionBackup{}; };  // failed; the backup told why
    DeferredStart(*shell.session, shell.view, *shell.navigator, hooks);
    EXPECT_FALSE(shell.prompter.texts().join("").contains("has been made"));
    ASSERT_TRUE(a.FindRecord(kSystem, "Version"));
    EXPECT_EQ(a.GetFieldText(kSystem, 1), "05-100");  // tried again at the next start

    hooks.versionBackup = [] { return VersionBackup{true, "/home/u/vnBack.txt"}; };
    DeferredStart(*shell.session, shell.view, *shell.navigator, hooks);
    EXPECT_TRUE(shell.prompter.texts().join("").contains("A data backup file [/home/u/vnBack.txt] for this version has been made!"));
    ASSERT_TRUE(a.FindRecord(kSystem, "Version"));
    EXPECT_EQ(a.GetFieldText(kSystem, 1), "06-248");
}

TEST_F(DeferredStartTest, WhatsNewDismissedWithCancelStaysHiddenWithOkComesBack) {
    setUpDone(1);
    writeWhatsNew("00250", "Version 00250 notes");
    writeWhatsNew("00271", "Version 00271 notes");
    ASSERT_TRUE(shell.start());
    shell.prompter.answers = {Answer::Cancel, Answer::Ok};
    run();
    EXPECT_EQ(shell.view.whatsNew, (QStringList{"Version 00250 notes", "Version 00271 notes"}));
    EXPECT_TRUE(shell.view.panels[2]);
    EXPECT_TRUE(shell.prompter.texts().contains(
        "Version 00250 notes\r\rClick Cancel to hide this version's \"What's New\""));
    shell.view.whatsNew.clear();
    run();
    EXPECT_EQ(shell.view.whatsNew, QStringList{"Version 00271 notes"});
    shell.view.whatsNew.clear();
    showWhatsNew(*shell.session, shell.view, *shell.navigator, true);
    EXPECT_EQ(shell.view.whatsNew.size(), 2);
}

}  // namespace
