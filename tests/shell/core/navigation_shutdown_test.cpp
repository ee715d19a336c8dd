#include "shell/core/shutdown_sequence.h"
#include "shell_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kHead = 11;

struct NavigationTest : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(shell.start()); }
    test::ShellFixture shell;
    QStringList savedKeys(int slot) {
        TableCatalogue saved;
        saved.open(slot, {shell.savedCopy(), TableCatalogue::tableName(slot)});
        QStringList keys;
        for (bool more = saved.table(slot).first(); more; more = saved.table(slot).next())
            keys << saved.table(slot).text(0) + "=" + saved.table(slot).text(1);
        return keys;
    }
};

TEST_F(NavigationTest, ShowWindowShowsTheSetAndHidesTheRestInWindowOrder) {
    shell.navigator->ShowWindow({7, 3});
    EXPECT_EQ(shell.view.visibleWindows(), (QList<int>{3, 7}));
    QList<int> order;
    for (const auto& call : shell.view.windowCalls) order << call.first;
    EXPECT_EQ(order, (QList<int>{1, 3, 4, 6, 7, 8, 9, 10, 11, 12}));
    shell.navigator->gotoWindow(7, 9);
    EXPECT_EQ(shell.view.visibleWindows(), QList<int>{9});
    EXPECT_EQ(shell.session->cameFrom, 7);
    shell.navigator->returnToCaller();
    EXPECT_EQ(shell.view.visibleWindows(), QList<int>{7});
}

TEST_F(NavigationTest, MainShowsThePlainBackground) {
    shell.navigator->ShowPanel({2});
    EXPECT_TRUE(shell.view.panels[2]);
    shell.navigator->gotoMain(4);
    EXPECT_EQ(shell.view.visibleWindows(), QList<int>{1});
    for (int bit = 1; bit <= 4; ++bit) EXPECT_FALSE(shell.view.panels[bit]) << bit;
    EXPECT_EQ(shell.session->cameFrom, 4);
}

TEST_F(NavigationTest, ExitSavesACopyEqualToTheLiveTablesLogsAndQuitsOnce) {
    test::putRecord(*shell.session, kHead, "k1", "one");
    test::putRecord(*shell.session, 3, "Extra", "two");
    shell.exitInOrder();
    EXPECT_EQ(shell.view.quits, 1);
    EXPECT_FALSE(QFile::exists(runMarkerPath(*shell.session)));
    EXPECT_TRUE(shell.logLines().last().startsWith("Varnedo closed at "));
    EXPECT_EQ(savedKeys(kHead), QStringList{"k1=one"});
    EXPECT_TRUE(savedKeys(3).contains("Extra=two"));
    shell.navigator->ShowWindow({7});  // the exit flag stays set: nothing else runs
    ShutdownSequence(*shell.session, shell.view);
    EXPECT_EQ(shell.view.quits, 1);
    EXPECT_FALSE(shell.session->catalogue.isOpen(kHead));
    EXPECT_TRUE(QDir(FolderTree(shell.base()).savesFolder()).entryList({"*.part"}).isEmpty());
}

TEST_F(NavigationTest, AFirstTimeRunEmptiesTheSavesFolderAndTheNextStartKeepsItsTables) {
    shell.session->firstTime = true;
    test::putRecord(*shell.session, 3, "OType", "set up");
    shell.exitInOrder();
    EXPECT_TRUE(QDir(FolderTree(shell.base()).savesFolder()).entryList(QDir::Files).isEmpty());
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, 3, "OType"), "set up");
}

TEST_F(NavigationTest, UpdateDiskSavesAndGoesOn) {
    test::putRecord(*shell.session, kHead, "k1", "one");
    UpdateDisk(*shell.session, shell.view);
    EXPECT_EQ(savedKeys(kHead), QStringList{"k1=one"});
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "one");
    EXPECT_EQ(shell.view.quits, 0);
    EXPECT_EQ(shell.view.busyChanges, (QList<bool>{true, false}));
    EXPECT_EQ(shell.session->settings.accessCount, 2);
}

}  // namespace
