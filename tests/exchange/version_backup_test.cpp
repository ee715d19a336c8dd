// The backup a version change makes at the start, and when the new version is recorded.
#include "../shell/core/shell_fixture.h"
#include "exchange/session/version_backup.h"
#include "store/catalogue/slots.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

const QDateTime kNow(QDate(2024, 3, 7), QTime(14, 5, 9));

struct VersionBackupTest : ::testing::Test {
    VersionBackupTest() {
        shell.setParm("OType", "1");
        shell.setParm("OpLevel", "1");
        shell.setParm("DataFlow", "1");
        EXPECT_TRUE(shell.start());
        RecordAccess& a = shell.session->access;
        a.EnsureRecord(kSystemTableSlot, "Version");
        a.SetFieldText(kSystemTableSlot, 1, "05-100");
    }

    QString recordedVersion() {
        shell.session->access.FindRecord(kSystemTableSlot, "Version");
        return shell.session->access.GetFieldText(kSystemTableSlot, 1);
    }

    void startWithDriveC(const QString& folder) {
        DeferredHooks hooks;
        hooks.versionBackup = [this, folder] { return writeVersionBackup(*shell.session, DriveMap(folder, "C=" + folder), kNow); };
        DeferredStart(*shell.session, shell.view, *shell.navigator, hooks);
    }

    // drive C: with a backup left there earlier
    QString driveCHolding(const QByteArray& earlier) {
        const QString c = shell.tmp.file("c");
        QDir().mkpath(c);
        QFile file(QDir(c).filePath("vnBack.txt"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
        return c;
    }

    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    test::ShellFixture shell;
};

TEST_F(VersionBackupTest, TheElevenFirstTablesGoToDriveCAndAnEarlierBackupThereIsKept) {
    const QString c = driveCHolding("the user's full backup\r\n");

    startWithDriveC(c);
    EXPECT_EQ(contents(QDir(c).filePath("vnBack-20240307-140509.txt")), "the user's full backup\r\n");
    const QList<QByteArray> lines = contents(QDir(c).filePath("vnBack.txt")).split('\n');
    ASSERT_GT(lines.size(), 12);
    EXPECT_TRUE(lines[11].startsWith(" ,List Help"));  // the 11th table line: slot 12
    EXPECT_FALSE(lines[12].startsWith(' '));
    EXPECT_TRUE(shell.prompter.texts().join("").contains("A data backup file [" + QDir(c).filePath("vnBack.txt") + "] for this version"));
    EXPECT_EQ(recordedVersion(), "06-248");
}

TEST_F(VersionBackupTest, AnUnwritableTargetIsToldAndTheVersionWaitsForTheNextStart) {
    const QString notAFolder = shell.tmp.file("plain");
    QFile(notAFolder).open(QIODevice::WriteOnly);
    startWithDriveC(notAFolder + "/sub");
    const QString said = shell.prompter.texts().join("\n");
    EXPECT_TRUE(said.contains("Backup/Share Drive/Folder not found!\r\r" + notAFolder + "/sub/vnBack.txt: ")) << said.toStdString();
    EXPECT_FALSE(said.contains("has been made"));
    EXPECT_EQ(recordedVersion(), "05-100");
}

TEST_F(VersionBackupTest, AnEarlierBackupIsPutBackWhenTheNewOneFails) {
    const QString c = driveCHolding("full\r\n");
    // A key the file cannot carry fails the backup after the earlier file was set aside.
    shell.session->access.EnsureRecord(kSelcSlot, QString(75, QChar(0x4E2D)));
    startWithDriveC(c);
    EXPECT_EQ(contents(QDir(c).filePath("vnBack.txt")), "full\r\n");
    EXPECT_EQ(QDir(c).entryList(QDir::Files), QStringList{"vnBack.txt"});
    EXPECT_EQ(recordedVersion(), "05-100");
}

}  // namespace
