#include "shell/core/shutdown_sequence.h"
#include "shell_fixture.h"
#include "store/engine/database.h"
#include "store/engine/table.h"
#include "store/files/installation.h"
#include "store/schema/schema.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kHead = 11;

struct StartupTest : ::testing::Test {
    test::ShellFixture shell;
    QString dataFolder() const { return FolderTree(shell.base()).dataFolder(); }
    QString live() const { return FolderTree(shell.base()).databasePath(); }
    bool warned(const QString& text) const { return shell.prompter.texts().contains(text); }
};

TEST_F(StartupTest, LogsEveryStepInOrder) {
    ASSERT_TRUE(shell.start());
    QStringList expected{"Starting Varnedo at 12/10/2026 9:05:07 AM",
                         "Copy system file from saves folder...",
                         "Open system file...",
                         "Processing New Table Additions...",
                         "Check for all data files...",
                         "Remove all file hidden and readonly flags...",
                         "Copy all files from saves folder...",
                         "Open parameter file...",
                         "Close parameter file..."};
    for (int slot = 3; slot <= 28; ++slot)
        expected << QStringLiteral("Open data table %1 [%2]").arg(slot).arg(TableCatalogue::shortName(slot));
    expected << "Get system parameters..."
             << "Opening dynamic memory arrays..."
             << "Setting up bar code data arrays..."
             << "All files and arrays open - Varnedo is running...";
    EXPECT_EQ(shell.logLines(), expected);
    EXPECT_TRUE(shell.prompter.messages.isEmpty()) << shell.prompter.texts().join("|").toStdString();
}

TEST_F(StartupTest, TheNextStartKeepsThePreviousRunsLog) {
    ASSERT_TRUE(shell.start());
    shell.exitInOrder();
    const QStringList first = shell.logLines();
    ASSERT_TRUE(shell.start());
    const QString previous = QDir(dataFolder()).filePath("ProgressLog.1.Txt");
    ASSERT_TRUE(QFile::exists(previous));
    QFile file(previous);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts), first);
}

TEST_F(StartupTest, AMissingTableIsCreatedWithAWarning) {
    {
        auto db = Database::open(live());
        db->execute("DROP TABLE Pag3");
    }
    QFile::remove(shell.savedCopy());
    ASSERT_TRUE(shell.start());
    EXPECT_TRUE(warned("Missing Data File [Pag3]!  A new shell will be loaded."));
    EXPECT_EQ(shell.session->access.RecordCount(16), 0);
}

TEST_F(StartupTest, AMissingDatabaseGetsTheShell) {
    QFile::remove(live());
    QFile::remove(shell.savedCopy());
    ASSERT_TRUE(shell.start());
    EXPECT_TRUE(warned("Missing Data File [Varnedo1.db]!  A new shell will be loaded."));
    EXPECT_TRUE(shell.session->catalogue.isOpen(28));
}

TEST_F(StartupTest, AfterAnOrderlyExitTheSavedCopyReplacesTheLiveTables) {
    ASSERT_TRUE(shell.start());
    test::putRecord(*shell.session, kHead, "k1", "saved");
    shell.exitInOrder();
    {  // a change made to the live file after the exit
        TableCatalogue catalogue;
        catalogue.open(kHead, TableLocation::dataTable(dataFolder(), kHead));
        catalogue.table(kHead).insert("stray");
    }
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "saved");
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "stray"), "<none>");
}

TEST_F(StartupTest, AfterACrashAnIntactLiveDatabaseIsKeptAndSaved) {
    ASSERT_TRUE(shell.start());
    test::putRecord(*shell.session, kHead, "k1", "typed, crashed");
    shell.crash();
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "typed, crashed");
    EXPECT_TRUE(shell.logLines().contains("The last run did not end through Goto, Exit; its work was kept."));
    TableCatalogue saved;
    saved.open(kHead, {shell.savedCopy(), "Head"});
    EXPECT_TRUE(saved.table(kHead).findKey("k1"));
}

TEST_F(StartupTest, AfterACrashADamagedLiveDatabaseIsMovedAsideAndTheSavedCopyRestored) {
    ASSERT_TRUE(shell.start());
    test::putRecord(*shell.session, kHead, "k1", "saved");
    shell.exitInOrder();
    ASSERT_TRUE(shell.start());
    shell.crash();
    {
        QFile f(live());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(100);
        f.write(QByteArray(8192, '\x5A'));
    }
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(test::readRecord(*shell.session, kHead, "k1"), "saved");
    const QStringList aside = QDir(dataFolder()).entryList({"Damaged *"}, QDir::Dirs);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QFile::exists(QDir(dataFolder()).filePath(aside.first() + "/Varnedo1.db")));
    ASSERT_FALSE(shell.prompter.messages.isEmpty());
    EXPECT_TRUE(shell.prompter.messages.last().text.startsWith("The tables in " + live() + " are damaged"));
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedStopsTheStartAndSavesNothing) {
    QFile::remove(shell.savedCopy());
    {
        QFile f(live());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }
    EXPECT_FALSE(shell.start());
    EXPECT_TRUE(shell.prompter.messages.last().text.endsWith("Varnedo cannot start."));
    ShutdownSequence(*shell.session, shell.view);
    EXPECT_FALSE(QFile::exists(shell.savedCopy()));
    EXPECT_EQ(shell.view.quits, 1);
}

TEST_F(StartupTest, ReadsTheOrganisationAndCountsTheStart) {
    shell.setParm("OType", "1");
    shell.setParm("OpLevel", "1");
    shell.setParm("CountyInfo", "ALB");
    shell.setParm("AccessCount", "41");
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(shell.session->identity.organisationType, 1);
    EXPECT_EQ(shell.session->identity.operationalLevel, 1);
    EXPECT_EQ(shell.session->identity.countyCode, "ALB");
    EXPECT_EQ(shell.session->settings.accessCount, 42);
    EXPECT_EQ(shell.session->identity.installationName, "?????");
}

TEST_F(StartupTest, NotesThePrinter) {
    shell.facts.currentPrinter = {"HP LaserJet 4", 2};
    ASSERT_TRUE(shell.start());
    EXPECT_EQ(shell.session->printer.name, "HP LASERJET 4");
    EXPECT_TRUE(shell.session->printer.laser);
    EXPECT_TRUE(shell.session->printer.pdfAvailable);
    EXPECT_EQ(shell.session->settings.defaultPrinter, "HP LaserJet 4");
}

}  // namespace

namespace {

TEST_F(StartupTest, FindsSiblingInstallationsReadingOnly) {
    const QString drive = shell.tmp.file("d");
    QDir().mkpath(drive + "/HLV/Grovanta/wy");
    QFile(drive + "/HLV/Grovanta/Grovanta!.loc").open(QIODevice::WriteOnly);
    const QString system = drive + "/HLV/Grovanta/wy/System.db";
    {
        auto db = Database::create(system);
        db->createTable({"System", {textField("Key", 20), textField("Value", 20)}, {}});
        Table t(db, "System");
        t.insert("CurDataSet");
        t.setText(1, "3");
    }
    QFile::setPermissions(system, QFileDevice::ReadOwner);
    const QByteArray before = [&] { QFile f(system); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    shell.facts.drives = DriveMap(shell.tmp.file("home"), "C=" + shell.tmp.file("none") + ";D=" + drive);
    ASSERT_TRUE(shell.start());
    const SiblingInstallation& grovanta = shell.session->siblings[0];
    EXPECT_TRUE(grovanta.found);
    EXPECT_EQ(grovanta.base, drive + "/HLV");
    EXPECT_EQ(grovanta.currentDataSet, 3);
    EXPECT_FALSE(shell.session->siblings[1].found);
    EXPECT_FALSE(shell.session->catalogue.isOpen(1));
    QFile after(system);
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), before);
    EXPECT_FALSE(QFile::permissions(system) & QFileDevice::WriteOwner);
    EXPECT_FALSE(QFile::exists(system + "-wal"));
    EXPECT_FALSE(QFile::exists(system + "-shm"));
}

// A factory table whose marker is missing is added at step 8; one whose file is missing stays
// pending and the start goes on.
TEST_F(StartupTest, AddsTheFactoryTablesWhoseMarkersAreMissing) {
    const FolderTree tree(shell.base());
    {
        auto db = Database::open(live());
        db->execute("DELETE FROM System WHERE Key IN ('NTDsli051603', 'NTTdat081604')");
        db->copyTo(shell.savedCopy());
        auto factory = Database::create(QDir(tree.newTablesFolder()).filePath("Dsli1.db"));
        factory->createTable(schema::table("Dsli"));
        Table dsli(factory, "Dsli");
        dsli.insert("NEW");
        dsli.post();
    }
    ASSERT_TRUE(shell.start());
    EXPECT_TRUE(shell.prompter.texts().contains("Varnedo has loaded a new Factory Table [Dsli]"));
    EXPECT_FALSE(shell.prompter.texts().join('|').contains("[Tdat]"));
    EXPECT_TRUE(shell.logLines().join('|').contains("Tdat1.db is missing"));
    EXPECT_TRUE(shell.session->access.FindRecord(2, "NTDsli051603"));
    EXPECT_FALSE(shell.session->access.FindRecord(2, "NTTdat081604"));
    EXPECT_TRUE(shell.session->access.FindRecord(TableCatalogue::slotOfFileName("Dsli1.db"), "NEW"));
}

}  // namespace
