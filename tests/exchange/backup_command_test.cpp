// "varnedo --backup" and "varnedo --restore": the arguments, the exit statuses, the data set the
// program would use, and the refusal while the program runs.
#include "platform/family/family_lock.h"
#include "platform/family/family_paths.h"
#include "store/catalogue/slots.h"
#include "support/command_line_fixture.h"

#include <algorithm>

using namespace vn;

namespace {

struct BackupCommandTest : test::CommandLineFixture {
    BackupCommandTest() { setHead("abc000001", "Smith"); }

    // A Head row's last name in a copy of the tables.
    QString liveHead(const QString& key) { return value(liveDatabase(), kHeadSlot, key, 4); }
    QString savedHead(const QString& key) { return value(savedDatabase(), kHeadSlot, key, 4); }
    void setHead(const QString& key, const QString& last) { setField(kHeadSlot, key, 4, last); }

    QByteArray backupFile() const {
        QFile f(tmp.file("out/vnBack.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(BackupCommandTest, UsageErrors) {
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{"--backup"}, "--backup takes a FILE"},
        {{"--restore", "--clear"}, "--restore takes a FILE"},
        {{"--backup", "f", "--tables", "Head,Nope"}, "no table is named \"Nope\""},
        {{"--backup", "f", "--tables"}, "does not take \"--tables\""},
        {{"--backup", "f", "--clear"}, "--backup does not take \"--clear\""},
        {{"--restore", "f", "--tables", "Head"}, "--restore does not take \"--tables\""},
        {{"--restore", "f", "g"}, "--restore does not take \"g\""},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.err.contains(c.says) && r.err.contains("Usage:")) << r.err.toStdString();
    }
    EXPECT_TRUE(run({"--help"}).out.contains("--restore FILE [--clear] [--force]"));
}

TEST_F(BackupCommandTest, BackupIntoAFolderOrAFileWithTheTablesNamed) {
    setField(kParmSlot, "OpLevel", 2, "1");
    setField(kParmSlot, "CountyInfo", 2, "ALB");
    setField(kCountySlot, "ALB", 2, "Albany");
    QDir().mkpath(tmp.file("out"));
    const Outcome all = run({"--backup", tmp.file("out")});
    ASSERT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.contains("Backup written to " + tmp.file("out/vnBack.txt")));
    const QList<QByteArray> tables = backupFile().split('\n').mid(1, 28);
    EXPECT_EQ(std::count_if(tables.begin(), tables.end(), [](const QByteArray& l) { return l.startsWith(' '); }), 27);
    EXPECT_TRUE(backupFile().startsWith("Wyoming-06-248-ALB-Albany Varnedo Data Backup as of "));

    const Outcome two = run({"--backup", tmp.file("out/vnBack.txt"), "--tables", "pag1,HEAD"});
    ASSERT_EQ(two.status, 0) << two.err.toStdString();
    const QList<QByteArray> lines = backupFile().split('\n');
    EXPECT_EQ(lines[1], " +Header Records\r");
    EXPECT_EQ(lines[2], " .Page One\r");
    EXPECT_TRUE(lines[3].startsWith("+)abc000001"));
    EXPECT_EQ(savedHead("abc000001"), "Smith");  // the run ended as the program's exit does
}

TEST_F(BackupCommandTest, RestoreMergesOrClearsAndAsksNothingWithoutForce) {
    QDir().mkpath(tmp.file("out"));
    ASSERT_EQ(run({"--backup", tmp.file("out")}).status, 0);
    setHead("abc000001", "Changed");
    setHead("abc000002", "Added since");

    const Outcome merged = run({"--restore", tmp.file("out")});
    ASSERT_EQ(merged.status, 0) << merged.err.toStdString();
    EXPECT_EQ(liveHead("abc000001"), "Smith");
    EXPECT_EQ(liveHead("abc000002"), "Added since");
    EXPECT_EQ(savedHead("abc000001"), "Smith");

    ASSERT_EQ(run({"--restore", tmp.file("out/vnBack.txt"), "--clear"}).status, 0);
    EXPECT_EQ(savedHead("abc000002"), "(none)");

    // Another version and a bad line: refused without --force, naming the file and the line.
    QByteArray other = backupFile().replace("-06-248-", "-05-100-");
    other += "+#abc\xFFH!x\r\n";  // field 40 of a table that carries 26
    QFile f(tmp.file("out/vnBack.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(other);
    f.close();
    setHead("abc000001", "Changed");
    const Outcome refused = run({"--restore", tmp.file("out")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("program Version does not match")) << refused.err.toStdString();
    EXPECT_EQ(liveHead("abc000001"), "Changed");
    const Outcome forced = run({"--restore", tmp.file("out"), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.err.contains(tmp.file("out/vnBack.txt") + ", line " + QString::number(other.count('\n'))))
        << forced.err.toStdString();
    EXPECT_EQ(liveHead("abc000001"), "Smith");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(other.replace("-05-100-", "-06-248-"));
    f.close();
    const Outcome badLine = run({"--restore", tmp.file("out")});
    EXPECT_EQ(badLine.status, 1);
    EXPECT_TRUE(badLine.err.contains("Restore Data Integrity Error!") && !badLine.err.contains("Version does not match"));

    const Outcome missing = run({"--restore", tmp.file("nothing-here")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("VN Backup File Not Found on " + tmp.file("nothing-here")));
}

TEST_F(BackupCommandTest, RefusedWhileTheProgramRuns) {
    const QString dataLock = QDir(tree.dataFolder()).filePath("Varnedo.lock");
    for (const QString& lockFile : {familyLockPath(familyRuntimeFolder()), dataLock}) {
        FamilyLock held;
        ASSERT_EQ(held.tryAcquire(lockFile), FamilyLock::State::Held);
        const Outcome r = run({"--backup", tmp.file("out.txt")});
        EXPECT_EQ(r.status, 3) << lockFile.toStdString();
        EXPECT_TRUE(r.err.contains(" is running.") || r.err.contains("A Copy of Varnedo is currently running.")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(tmp.file("out.txt")));
    }
    // A shared base in use by another workstation.
    QFile(tree.flagFile("CSN.flg")).open(QIODevice::WriteOnly);
    QFile(tree.flagFile("Openuser.flg")).open(QIODevice::WriteOnly);
    const Outcome shared = run({"--restore", tmp.file("out.txt")});
    EXPECT_EQ(shared.status, 3);
    EXPECT_TRUE(QFile::exists(tree.flagFile("Openuser.flg")));
}

}  // namespace
