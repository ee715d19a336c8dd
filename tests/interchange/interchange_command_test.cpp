// "varnedo --import" and "varnedo --export" on a temporary installation: the arguments, the exit
// statuses, refusals naming the file and line with nothing changed, the saved copy, a round trip.
#include "lists/records/record_tables.h"
#include "platform/family/family_lock.h"
#include "platform/family/family_paths.h"
#include "small_list.h"
#include "support/command_line_fixture.h"

using namespace vn;

namespace {

struct InterchangeCommandTest : test::CommandLineFixture {
    InterchangeCommandTest() {
        changeTables([](RecordAccess& access) {
            test::addSmallList(access, "abc");
            test::addSmallList(access, "xyz");
        });
    }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = tmp.file(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // Each record of the list in key order: Last | First | the page 1 text field Name.
    QStringList records(const QString& database, const QString& code) {
        QStringList rows;
        readTables(database, [&](RecordAccess& access) {
            for (const QString& key : access.KeysWithPrefix(kHeadSlot, code)) {
                access.FindRecord(kHeadSlot, key);
                QString row = access.GetFieldText(kHeadSlot, 4) + "|" + access.GetFieldText(kHeadSlot, 2) + "|";
                if (access.FindRecord(kPag1Slot, key)) row += access.GetFieldText(kPag1Slot, 1);
                rows << row;
            }
        });
        return rows;
    }

    const QByteArray kMap = "# people\nmethod = delimited\ndelimiter = \"\nseparator = ,\nskip = 1\ncharset = utf-8\n"
                            "1 = Last\n2 = First\n3 = page 1: Name\n";
    const QByteArray kPeople = "Last,First,Name\r\nSmith,Ann,x\r\n\"Jones, Jr\",Bob,\"says \"\"hi\"\"\r\nthere\"\r\n";
};

TEST_F(InterchangeCommandTest, UsageErrors) {
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{"--import"}, "--import takes LIST FILE --map MAPFILE."},
        {{"--import", "abc", "f"}, "--import takes LIST FILE --map MAPFILE."},
        {{"--import", "abc", "f", "--map"}, "--import does not take \"--map\" there."},
        {{"--import", "abc", "f", "--map", "m", "--layout", "l"}, "does not take \"--layout\""},
        {{"--import", "abc", "f", "g", "--map", "m"}, "--import takes LIST FILE"},
        {{"--export", "abc"}, "--export takes LIST FILE [--layout LAYOUTFILE] [--no-bom]."},
        {{"--export", "abc", "f", "--map", "m"}, "--export does not take \"--map\""},
        {{"--export", "abc", "f", "--layout", "a", "--layout", "b"}, "does not take \"--layout\""},
        {{"--export", "abc", "f", "--no-bom", "g"}, "--export takes LIST FILE"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.err.contains(c.says) && r.err.contains("Usage:")) << r.err.toStdString();
    }
    const QString help = run({"--help"}).out;
    EXPECT_TRUE(help.contains("--import LIST FILE --map MAPFILE") && help.contains("--export LIST FILE [--layout LAYOUTFILE] [--no-bom]"));
}

TEST_F(InterchangeCommandTest, ImportKeepsTheRecordsInTheSavedCopy) {
    const QString map = write("people.map", kMap);
    const Outcome r = run({"--import", "ABC", write("people.csv", kPeople), "--map", map});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("2 records imported.")) << r.out.toStdString();
    const QStringList expected{"Smith|Ann|x", "Jones, Jr|Bob|says \"hi\"\nthere"};
    EXPECT_EQ(records(liveDatabase(), "abc"), expected);
    EXPECT_EQ(records(savedDatabase(), "abc"), expected);  // ended as the program's exit does

    ASSERT_EQ(run({"--import", "abc", tmp.file("people.csv"), "--map", map}).status, 0);
    EXPECT_EQ(records(savedDatabase(), "abc").size(), 4);  // a second run goes on with new keys
}

TEST_F(InterchangeCommandTest, RefusalsNameTheFileAndLineAndChangeNothing) {
    const QString people = write("people.csv", kPeople);
    const QString goodMap = write("good.map", kMap);
    const QString badMap = write("bad.map", "method = tab\n\n1 = page 1 check 1\n");
    const QString noMethod = write("none.map", "1 = Last\n");
    const QString nul = write("nul.csv", QByteArray("Smith,Ann\r\nJo\0nes,Bob\r\n", 23));
    const QString open = write("open.csv", "a,b\r\n\"never closed,c\r\n");
    struct Case {
        QStringList arguments;
        QString says;
    };
    const QList<Case> cases = {
        {{"--import", "abc", people, "--map", badMap}, badMap + ":3: \"page 1 check 1\" cannot be filled"},
        {{"--import", "abc", people, "--map", noMethod}, noMethod + ": No \"method\""},
        {{"--import", "abc", people, "--map", tmp.file("missing.map")}, tmp.file("missing.map") + ": The file cannot be read"},
        {{"--import", "abc", nul, "--map", goodMap}, nul + ":2: "},
        {{"--import", "abc", open, "--map", goodMap}, open + ":2: "},
        {{"--import", "qqq", people, "--map", goodMap}, "There is no data list \"qqq\"."},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.says.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_TRUE(records(liveDatabase(), "abc").isEmpty());
    EXPECT_TRUE(records(savedDatabase(), "abc").isEmpty());
}

TEST_F(InterchangeCommandTest, RefusedWhileTheProgramRuns) {
    const QString map = write("people.map", kMap), people = write("people.csv", kPeople);
    for (const QString& lockFile : {familyLockPath(familyRuntimeFolder()), QDir(tree.dataFolder()).filePath("Varnedo.lock")}) {
        FamilyLock held;
        ASSERT_EQ(held.tryAcquire(lockFile), FamilyLock::State::Held);
        EXPECT_EQ(run({"--import", "abc", people, "--map", map}).status, 3) << lockFile.toStdString();
        EXPECT_EQ(run({"--export", "abc", tmp.file("out.csv")}).status, 3) << lockFile.toStdString();
        EXPECT_FALSE(QFile::exists(tmp.file("out.csv")));
    }
    EXPECT_TRUE(records(liveDatabase(), "abc").isEmpty());
}

TEST_F(InterchangeCommandTest, ExportWithoutALayoutWritesEveryFieldOfTheList) {
    ASSERT_EQ(run({"--import", "abc", write("people.csv", kPeople), "--map", write("people.map", kMap)}).status, 0);
    const Outcome r = run({"--export", "abc", tmp.file("all.csv")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(tmp.file("all.csv"))) << r.out.toStdString();
    const QByteArray csv = read(tmp.file("all.csv"));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFTitle,First,M.I.,Last,Suffix,Home Phone,Work Phone,Email,Position/Title,Company,"
                               "Address 1,Address 2,City,State,Zip,Name,Phone,City,Member,city,Size,Notes,"
                               "T:2C:1R:1,T:2C:1R:2,T:2C:1R:3,T:2C:2R:1,T:2C:2R:2,T:2C:2R:3\r\n"))
        << csv.left(400).toStdString();
    EXPECT_EQ(csv.count("\r\n"), 3);  // captions and two records
    EXPECT_TRUE(csv.contains(",\"says \"\"hi\"\"\nthere\",")) << csv.toStdString();  // the value's own line break, quoted

    ASSERT_EQ(run({"--export", "abc", tmp.file("all.csv"), "--no-bom"}).status, 0);
    EXPECT_TRUE(read(tmp.file("all.csv")).startsWith("Title,"));
}

TEST_F(InterchangeCommandTest, ExportByALayoutAndBackIntoAnEmptyListEqual) {
    ASSERT_EQ(run({"--import", "abc", write("people.csv", kPeople), "--map", write("people.map", kMap)}).status, 0);
    const QString layout = write("people.layout", "field = last\nfield = FIRST\nfield = page 1 text 1\n");
    const Outcome exported = run({"--export", "abc", tmp.file("people-out.csv"), "--layout", layout});
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();

    const Outcome imported = run({"--import", "xyz", tmp.file("people-out.csv"), "--map", tmp.file("people.map")});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(records(savedDatabase(), "xyz"), records(savedDatabase(), "abc"));
    EXPECT_EQ(records(savedDatabase(), "xyz").size(), 2);

    // A text file takes the layout's method; without one, or without a layout, it is refused.
    const QString tabs = write("tabs.layout", "method = tab\nfield = Last\nfield = First\n");
    ASSERT_EQ(run({"--export", "abc", tmp.file("people.txt"), "--layout", tabs}).status, 0);
    EXPECT_EQ(read(tmp.file("people.txt")), "Smith\tAnn\t\r\nJones, Jr\tBob\t\r\n");
    const Outcome noMethod = run({"--export", "abc", tmp.file("people.txt"), "--layout", layout});
    EXPECT_EQ(noMethod.status, 1);
    EXPECT_TRUE(noMethod.err.contains(layout + ": No \"method\"")) << noMethod.err.toStdString();
    const Outcome noLayout = run({"--export", "abc", tmp.file("people.txt")});
    EXPECT_EQ(noLayout.status, 1);
    EXPECT_TRUE(noLayout.err.contains(tmp.file("people.txt") + ": Without a layout")) << noLayout.err.toStdString();
    const Outcome badLayout = run({"--export", "abc", tmp.file("x.csv"), "--layout", write("bad.layout", "field = Last\nfield = page 2 cell 9,9\n")});
    EXPECT_EQ(badLayout.status, 1);
    EXPECT_TRUE(badLayout.err.contains(tmp.file("bad.layout") + ":2: The table of page 2 has no cell 9,9")) << badLayout.err.toStdString();
    EXPECT_FALSE(QFile::exists(tmp.file("x.csv")));
}

}  // namespace
