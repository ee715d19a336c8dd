// The real program as a user starts it: offscreen, ended by SIGTERM, with a second copy refused.
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"
#include "store/files/saved_copy.h"
#include "store/files/text_file.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace vn;

namespace {

constexpr int kHead = 11, kParm = 3;

struct ProgramProcessTest : ::testing::Test {
    ProgramProcessTest() : tree(tmp.file("HLV")) {
        createInstallation(tree.base());
        QDir().mkpath(tmp.file("run"));
        QFile::setPermissions(tmp.file("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", tmp.path());
        env.insert("VARNEDO_DRIVES", "C=" + tmp.path());
        env.insert("XDG_RUNTIME_DIR", tmp.file("run"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VARNEDO_NONINTERACTIVE", "1");
    }

    // An installation whose setup is done, with one record, as an orderly exit leaves it.
    void prepareTables() {
        test::RecordingPrompter quiet;
        TableCatalogue catalogue;
        RecordAccess access(catalogue, quiet);
        catalogue.ReopenDataTables(tree.dataFolder(), {});
        for (const auto& [key, value] : {std::pair{"OType", "1"}, {"OpLevel", "1"}, {"DataFlow", "1"}}) {
            access.EnsureRecord(kParm, key);
            access.SetFieldText(kParm, 2, value);
        }
        access.EnsureRecord(kHead, "abcwyalb000000000");
        access.SetFieldText(kHead, 4, "Smith");
        catalogue.closeAll();
        Database::open(tree.databasePath())->copyTo(QDir(tree.savesFolder()).filePath("Varnedo1.db"));
    }

    void startProgram(QProcess& process) {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(VARNEDO_EXECUTABLE, {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    QString log() const {
        const QString path = QDir(tree.dataFolder()).filePath("ProgressLog.Txt");
        return QFile::exists(path) ? readTextFile(path) : QString();
    }

    bool waitForLog(const QString& text) const {
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            if (log().contains(text)) return true;
            QThread::msleep(50);
        }
        return false;
    }

    test::TempFolder tmp;
    FolderTree tree;
    QProcessEnvironment env;
};

TEST_F(ProgramProcessTest, SigtermEndsTheRunInOrderAndSecondCopyIsRefused) {
    prepareTables();
    QFile::remove(QDir(tree.savesFolder()).filePath("Varnedo1.db"));
    Database::open(tree.databasePath())->copyTo(QDir(tree.savesFolder()).filePath("Varnedo1.db"));
    QProcess first;
    startProgram(first);
    ASSERT_TRUE(waitForLog("All files and arrays open - Varnedo is running...")) << log().toStdString();
    EXPECT_TRUE(QFile::exists(tree.flagFile("ProgVN.flg")));

    QProcess second;
    startProgram(second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_TRUE(second.readAll().contains("A Copy of Varnedo is currently running."));

    first.terminate();  // SIGTERM
    ASSERT_TRUE(first.waitForFinished(30000)) << first.readAll().toStdString();
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0) << first.readAll().toStdString();
    EXPECT_TRUE(log().trimmed().split("\r\n").last().startsWith("Varnedo closed at ")) << log().toStdString();
    EXPECT_FALSE(QFile::exists(tree.flagFile("ProgVN.flg")));

    test::RecordingPrompter quiet;
    TableCatalogue saved;
    saved.open(kHead, {QDir(tree.savesFolder()).filePath("Varnedo1.db"), "Head"});
    ASSERT_TRUE(saved.table(kHead).findKey("abcwyalb000000000"));
    EXPECT_EQ(saved.table(kHead).text(4), "Smith");
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(ProgramProcessTest, ASecondCopyFromAnotherSessionOnTheSameDataIsRefused) {
    prepareTables();
    QProcess first;
    startProgram(first);
    ASSERT_TRUE(waitForLog("All files and arrays open - Varnedo is running...")) << log().toStdString();

    QDir().mkpath(tmp.file("run2"));
    env.insert("XDG_RUNTIME_DIR", tmp.file("run2"));  // another desktop session: its own family lock
    QProcess second;
    startProgram(second);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_TRUE(second.readAll().contains("A Copy of Varnedo is currently running."));
    EXPECT_TRUE(QFile::exists(tree.flagFile("ProgVN.flg")));  // the first run's marks are left alone
    EXPECT_TRUE(QFile::exists(QDir(tree.dataFolder()).filePath("Varnedo.run")));
    EXPECT_TRUE(log().contains("All files and arrays open - Varnedo is running..."));  // and so is its log

    first.terminate();
    ASSERT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAll().toStdString();
}

TEST_F(ProgramProcessTest, SigtermAtOnceAfterLaunchEndsTheRunAndLeavesNoMarks) {
    prepareTables();
    QProcess process;
    startProgram(process);
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_FALSE(QFile::exists(tree.flagFile("ProgVN.flg")));
    EXPECT_FALSE(QFile::exists(QDir(tree.dataFolder()).filePath("Varnedo.run")));
}

// Both copies of the tables are larger than the limit: writing either fails with EFBIG.
TEST_F(ProgramProcessTest, AFileSizeLimitFailsTheCopiesWithoutKillingTheProgram) {
    prepareTables();
    const QString live = tree.databasePath(), saved = QDir(tree.savesFolder()).filePath("Varnedo1.db");
    const rlim_t limit = rlim_t(contents(saved).size() / 2);
    const auto limited = [&](QProcess& process) {
        process.setChildProcessModifier([limit] {
            const rlimit small{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &small);
        });
        startProgram(process);
    };
    {  // the live tables changed after the last exit: the start must copy the saved ones back
        Database::open(live)->execute("INSERT INTO Head (Key) VALUES ('stray')");
        const QByteArray liveBefore = contents(live);
        QProcess process;
        limited(process);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString output = QString::fromLocal8Bit(process.readAll());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << output.toStdString();
        EXPECT_EQ(process.exitCode(), 1) << output.toStdString();
        EXPECT_TRUE(output.contains(live)) << output.toStdString();
        EXPECT_EQ(contents(live), liveBefore);
        EXPECT_TRUE(QDir(tree.dataFolder()).entryList({"*.part", "*.restored"}).isEmpty());
    }
    writeSavedCopy(live, saved);  // as an orderly exit leaves them: the start copies nothing
    const QByteArray savedBefore = contents(saved);
    QProcess process;
    limited(process);
    ASSERT_TRUE(waitForLog("All files and arrays open - Varnedo is running...")) << log().toStdString();
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(process.readAll());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(process.exitCode(), 1) << output.toStdString();
    EXPECT_TRUE(output.contains("could not be saved")) << output.toStdString();
    EXPECT_EQ(contents(saved), savedBefore);
    EXPECT_TRUE(QDir(tree.savesFolder()).entryList({"*.part"}).isEmpty());
}

TEST_F(ProgramProcessTest, WithoutAnInstallationTheProgramEndsWithAnError) {
    env.insert("VARNEDO_DRIVES", "C=" + tmp.file("nothing"));
    env.insert("HOME", tmp.file("nothing"));
    QProcess process;
    startProgram(process);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAll().contains("Application Base (or networked mapped) Drive Can Not Be Found!"));
    EXPECT_FALSE(QFile::exists(tmp.file("nothing")));
}

}  // namespace
