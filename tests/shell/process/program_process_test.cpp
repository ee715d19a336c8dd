// The real program as a user starts it: offscreen, ended by SIGTERM, with a second copy refused.
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/files/folder_tree.h"
#include "store/files/installation.h"
#include "store/files/text_file.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

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
