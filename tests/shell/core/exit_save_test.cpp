// The orderly exit never puts a bad copy over the good saved one, and says when it could not save.
#include "shell/core/shutdown_sequence.h"
#include "shell_fixture.h"
#include "support/database_damage.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vn;

namespace {

constexpr int kHead = 11;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ino_t inode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

struct ExitSaveTest : ::testing::Test {
    // A run that ended in order with k1, then a second run that is still going.
    void SetUp() override {
        ASSERT_TRUE(shell.start());
        test::putRecord(*shell.session, kHead, "k1", "saved");
        shell.exitInOrder();
        ASSERT_TRUE(shell.start());
        test::putRecord(*shell.session, kHead, "k2", "this run");
        savedBefore = contents(shell.savedCopy());
        shell.prompter.messages.clear();
    }

    QString live() const { return FolderTree(shell.base()).databasePath(); }
    QString saves() const { return FolderTree(shell.base()).savesFolder(); }
    QString lastMessage() const { return shell.prompter.messages.isEmpty() ? QString() : shell.prompter.messages.last().text; }

    test::ShellFixture shell;
    QByteArray savedBefore;
};

TEST_F(ExitSaveTest, LiveTablesDamagedDuringTheRunNeverReplaceTheSavedCopy) {
    test::zeroTablePage(live(), "Coun");  // a table this run never wrote
    shell.exitInOrder();
    EXPECT_TRUE(shell.session->saveFailed);
    EXPECT_EQ(shell.view.quits, 2);  // the first run's and this one's: the program still ends
    EXPECT_EQ(contents(shell.savedCopy()), savedBefore);
    EXPECT_TRUE(QFile::exists(runMarkerPath(*shell.session)));
    EXPECT_TRUE(lastMessage().contains(live())) << lastMessage().toStdString();
    EXPECT_TRUE(QDir(saves()).entryList({"*.part"}).isEmpty());

    // The next start sees the unfinished run, keeps the damaged file aside and restores.
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "saved");
    EXPECT_EQ(QDir(FolderTree(shell.base()).dataFolder()).entryList({"Damaged *"}, QDir::Dirs).size(), 1);
}

TEST_F(ExitSaveTest, SavesBeingAFileFailsTheExitAndTheNextStartRunsOnTheLiveTables) {
    ASSERT_TRUE(QDir(saves()).removeRecursively());
    {
        QFile blocker(saves());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    shell.exitInOrder();
    EXPECT_TRUE(shell.session->saveFailed);
    EXPECT_TRUE(lastMessage().contains(saves() + " is not a folder")) << lastMessage().toStdString();
    EXPECT_TRUE(QFile::exists(runMarkerPath(*shell.session)));

    shell.prompter.messages.clear();
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k2"), "this run");
    ASSERT_FALSE(shell.prompter.messages.isEmpty());
    EXPECT_TRUE(shell.prompter.messages.first().text.startsWith(saves() + " is not a folder"));
    EXPECT_FALSE(shell.prompter.texts().join('|').contains(".part"));
}

// Equal copies are known by their stamp, or by their bytes when the stamp is gone or no longer
// fits (a copy made by hand): either way nothing is copied or kept aside.
TEST_F(ExitSaveTest, AnOrderlyExitLeavesEqualCopiesAndTheNextStartCopiesNothing) {
    shell.exitInOrder();
    EXPECT_FALSE(shell.session->saveFailed);
    EXPECT_EQ(contents(shell.savedCopy()), contents(live()));
    const QString stamp = shell.savedCopy() + ".stamp";
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"stamped", [] {}},
        {"stamp gone", [&] { QFile::remove(stamp); }},
        {"copied by hand", [&] { QFile::remove(shell.savedCopy()); QFile::copy(live(), shell.savedCopy()); }},
    };
    for (const auto& [name, change] : cases) {
        change();
        const ino_t liveFile = inode(live());
        ASSERT_TRUE(shell.start()) << name;
        EXPECT_EQ(test::readRecord(*shell.session, kHead, "k2"), "this run") << name;
        EXPECT_EQ(inode(live()), liveFile) << name;  // a copy would have put a new file in its place
        EXPECT_TRUE(shell.prompter.messages.isEmpty()) << name << ": " << lastMessage().toStdString();
        shell.exitInOrder();
    }
    EXPECT_TRUE(QDir(FolderTree(shell.base()).dataFolder()).entryList({"Replaced *", "Damaged *"}, QDir::Dirs).isEmpty());
}

}  // namespace
