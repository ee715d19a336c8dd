#include "shell/core/deferred_start.h"
#include "shell/core/table_upgrades.h"
#include "shell_fixture.h"
#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/schema/schema.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vn;

namespace {

const QString kClosing = "The system will now close so the new table and/or record fix operations can be stored in the 'Saves' folder.";

struct FakeUpgradeWindow : UpgradeWindowView {
    void showUpgrade(const QString& marker, const QString& information) override {
        shown << marker;
        this->information = information;
        visible = true;
    }
    void setProgress(qint64 done, qint64 total) override { progress = {done, total}; }
    void showDone(const QString& text) override { information = text; }
    void hideUpgrade() override { visible = false; }
    QStringList shown;
    QString information;
    std::pair<qint64, qint64> progress;
    bool visible = false;
};

struct TableUpgradesTest : ::testing::Test {
    // Pending markers in the live and saved copies, and the new layouts' files in Changes.
    void pending(const QStringList& markers, const QStringList& tables) {
        auto db = Database::open(FolderTree(shell.base()).databasePath());
        for (const QString& m : markers) db->execute(QStringLiteral("DELETE FROM System WHERE Key='%1'").arg(m));
        db->copyTo(shell.savedCopy());
        for (const QString& t : tables) {
            auto file = Database::create(QDir(FolderTree(shell.base()).changesFolder()).filePath(t + ".db"));
            file->createTable(schema::table(t));
        }
    }
    void startAndSearch() {
        ASSERT_TRUE(shell.start());
        upgrades = std::make_unique<TableUpgrades>(*shell.session, shell.view, window);
        DeferredHooks hooks;
        hooks.findUpgrades = [this] { upgrades->FindNextUpgrade(); };
        DeferredStart(*shell.session, shell.view, *shell.navigator, hooks);
    }
    test::ShellFixture shell;
    FakeUpgradeWindow window;
    std::unique_ptr<TableUpgrades> upgrades;
};

TEST_F(TableUpgradesTest, TwoGroupsInTurnThenTheProgramClosesToSave) {
    for (const char* key : {"OType", "OpLevel", "DataFlow"}) shell.setParm(key, "1");
    pending({"TList112202", "TList081204", "THead120302"}, {"List", "Head"});
    startAndSearch();
    ASSERT_EQ(window.shown, QStringList({"TList081204"}));
    EXPECT_TRUE(window.information.startsWith("Varnedo has detected a table update file! One new field will be added to the [List]"));
    test::putRecord(*shell.session, 8, "ABC", "kept");

    upgrades->perform();
    EXPECT_TRUE(window.information.contains("Before upgrade ")) << shell.prompter.texts().join("|").toStdString();
    EXPECT_FALSE(shell.prompter.texts().contains(kClosing));
    EXPECT_TRUE(shell.session->access.FindRecord(2, "TList112202"));
    EXPECT_EQ(shell.session->access.GetFieldText(2, 1), "Add one new field");
    EXPECT_TRUE(shell.session->access.FindRecord(2, "TList081204"));
    EXPECT_EQ(shell.session->access.GetFieldText(2, 1), "");
    EXPECT_EQ(test::readRecord(*shell.session, 8, "ABC"), "kept");  // the slot reads the new table

    upgrades->continueAfter();
    ASSERT_EQ(window.shown, QStringList({"TList081204", "THead120302"}));
    EXPECT_FALSE(shell.session->shutdownDone);
    upgrades->perform();
    upgrades->continueAfter();
    EXPECT_FALSE(window.visible);
    EXPECT_TRUE(shell.prompter.texts().contains(kClosing));
    EXPECT_TRUE(shell.session->shutdownDone);
    EXPECT_TRUE(shell.logLines().contains("Process any Record fixes..."));
}

TEST_F(TableUpgradesTest, AFirstTimeStartLooksForNothing) {
    pending({"THead120302"}, {"Head"});
    startAndSearch();
    EXPECT_TRUE(shell.session->firstTime);
    EXPECT_TRUE(window.shown.isEmpty());
}

}  // namespace
