// "varnedo --import" and "varnedo --export" on a temporary installation: the arguments, the exit
// statuses, refusals naming the file and line with nothing changed, the saved copy, a round trip.
#include "interchange/tables/child/table_child.h"
#include "interchange/tables/dbase_table.h"
#include "interchange/tables/dbase_writer.h"
#include "lists/definitions/column_map.h"
#include "lists/records/record_tables.h"
#include "platform/family/family_lock.h"
#include "platform/family/family_paths.h"
#include "small_list.h"
#include "support/command_line_fixture.h"

#include <cstring>

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

    // Each record of the list in key order: Last | First | the page 1 text field Name, and with
    // memos its page 1 memo after another "|".
    QStringList records(const QString& database, const QString& code, bool memos = false) {
        QStringList rows;
        readTables(database, [&](RecordAccess& access) {
            for (const QString& key : access.KeysWithPrefix(kHeadSlot, code)) {
                access.FindRecord(kHeadSlot, key);
                QString row = access.GetFieldText(kHeadSlot, 4) + "|" + access.GetFieldText(kHeadSlot, 2) + "|";
                const bool page = access.FindRecord(kPag1Slot, key);
                if (page) row += access.GetFieldText(kPag1Slot, 1);
                if (memos) row += "|" + (page ? access.GetFieldText(kPag1Slot, ColumnMap::kMemoColumn) : QString());
                rows << row;
            }
        });
        return rows;
    }

    // people.dbf: LAST, FIRST and NOTE, two rows.
    QString peopleTable() {
        DbaseWriteCounts counts;
        QString failure;
        const QString path = tmp.file("people.dbf");
        EXPECT_TRUE(writeDbaseTable(path, {{"LAST", 20}, {"FIRST", 20}, {"NOTE", 60}},
                                    {{"Smith", "Ann", "a note"}, {"Jones", "Bob", "another"}}, counts, failure))
            << failure.toStdString();
        return path;
    }
    // Every row of a dBase table we wrote, the column names first.
    QList<QStringList> dbaseRows(const QString& path) {
        ForeignProblem problem;
        const auto table = openDbaseTable(path, problem);
        if (!table) return {{problem.message}};
        QStringList names;
        for (const ForeignColumn& column : table->columns()) names << column.name;
        QList<QStringList> rows{names};
        QStringList values;
        while (table->nextRow(values, problem)) rows << values;
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
        {{"--import"}, "--import takes LIST FILE --map MAPFILE, and --table NAME"},
        {{"--import", "abc", "f"}, "--import takes LIST FILE --map MAPFILE, and --table NAME"},
        {{"--import", "abc", "f", "--map"}, "--import does not take \"--map\" there."},
        {{"--import", "abc", "f", "--map", "m", "--layout", "l"}, "does not take \"--layout\""},
        {{"--import", "abc", "f", "g", "--map", "m"}, "--import takes LIST FILE"},
        {{"--export", "abc"}, "--export takes LIST FILE [--layout LAYOUTFILE] [--no-bom], or"},
        {{"--export", "abc", "f", "--map", "m"}, "--export does not take \"--map\""},
        {{"--export", "abc", "f", "--layout", "a", "--layout", "b"}, "does not take \"--layout\""},
        {{"--export", "abc", "f", "--no-bom", "g"}, "--export takes LIST FILE"},
        {{"--import", "abc", "f.MDB", "--map", "m"}, "An Access data base needs --table NAME."},
        {{"--import", "abc", "f.accdb", "--map", "m", "--table"}, "does not take \"--table\""},
        {{"--import", "abc", "f.dbf", "--map", "m", "--table", "T"}, "--table names a table of an Access data base"},
        {{"--export", "abc", "f.dbf"}, "A new table takes --layout LAYOUTFILE"},
        {{"--export", "abc", "f.db", "--layout", "l", "--no-bom"}, "A new table takes --layout LAYOUTFILE"},
        {{"--export", "abc", "f.csv", "--replace"}, "--replace is for a new table"},
        {{"--export", "abc", "f.accdb", "--layout", "l"}, "Access data bases are read, not written"},
        {{"--import", "abc", "f.dbf", "--map", "m", "--replace"}, "--import does not take \"--replace\""},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.err.contains(c.says) && r.err.contains("Usage:")) << r.err.toStdString();
    }
    const QString help = run({"--help"}).out;
    EXPECT_TRUE(help.contains("--import LIST FILE --map MAPFILE") && help.contains("--export LIST FILE [--layout LAYOUTFILE] [--no-bom]"));
    EXPECT_TRUE(help.contains("[--table NAME]") && help.contains("--layout LAYOUTFILE [--replace]"));
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
    const QString table = peopleTable();
    const QString nwind = QStringLiteral(VARNEDO_TABLE_FIXTURES "/nwind.mdb");
    const QString farColumn = write("far.map", "1 = Last\n4 = First\n");
    const QString checkBox = write("check.map", "1 = page 1 check 1\n");
    const QString checkLayout = write("check.layout", "field = Last\nfield = page 1 check 1\n");
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
        {{"--import", "abc", table, "--map", farColumn}, farColumn + ":2: \"4\" is neither a setting"},
        {{"--import", "abc", table, "--map", checkBox}, checkBox + ":1: \"page 1 check 1\" cannot be filled"},
        {{"--import", "abc", tmp.file("none.dbf"), "--map", goodMap}, tmp.file("none.dbf") + ": "},
        {{"--import", "abc", nwind, "--map", goodMap, "--table", "Nothing"}, "Nothing"},
        {{"--import", "abc", nwind, "--map", write("photo.map", "15 = Last\n"), "--table", "Employees"}, "binary data"},
        {{"--export", "abc", tmp.file("out.dbf"), "--layout", checkLayout}, checkLayout + ":2: \"page 1 check 1\" cannot go into a table"},
        {{"--export", "abc", tmp.file("a.b.dbf"), "--layout", write("name.layout", "field = Last\n")}, tmp.file("a.b.dbf") + ": A table's name"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.says.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_TRUE(records(liveDatabase(), "abc").isEmpty());
    EXPECT_TRUE(records(savedDatabase(), "abc").isEmpty());
    EXPECT_FALSE(QFile::exists(tmp.file("out.dbf")) || QFile::exists(tmp.file("a.b.dbf")));
}

// Each outside table into a list of its own: columns by number into header fields (short names
// too), page text fields and the page memo.
TEST_F(InterchangeCommandTest, ImportsOutsideTables) {
    const QString fixtures = QStringLiteral(VARNEDO_TABLE_FIXTURES);
    struct Case {
        QString list;
        QStringList arguments;
        QByteArray map;
        qsizetype count;
        QString first;  // Last|First|Name|memo of the first record
    };
    const QList<Case> cases = {
        {"dbf", {peopleTable()}, "1 = Last\n2 = first\n3 = page 1: Name\n3 = page 1 memo\n", 2, "Smith|Ann|a note|a note"},
        {"pdx", {fixtures + "/TypSammlung.DB"}, "1 = Last\n7 = page 1 text 1\n10 = page 1 memo\n", 5, "AAA Irgendein Text||1/1/1970|"},
        {"acc", {fixtures + "/nwind.mdb", "--table", "Employees"}, "2 = Last\n3 = First\n2 = H. Phone\n", 9, "Davolio|Nancy||"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.toStdString());
        changeTables([&](RecordAccess& access) { test::addSmallList(access, c.list); });
        const Outcome r = run(QStringList{"--import", c.list} + c.arguments + QStringList{"--map", write(c.list + ".map", c.map)});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("%1 records imported.").arg(c.count))) << r.out.toStdString();
        const QStringList saved = records(savedDatabase(), c.list, true);
        ASSERT_EQ(saved.size(), c.count);
        EXPECT_EQ(saved.first(), c.first);
    }
    const QStringList paradox = records(savedDatabase(), "pdx", true);
    EXPECT_TRUE(paradox.contains("Fünfter Datensatz||12/31/-0002|Dies ist eine Memo im 'Fünften Datensat'"))  // from the .MB
        << paradox.join('\n').toStdString();
    readTables(savedDatabase(), [](RecordAccess& access) {
        const QStringList keys = access.KeysWithPrefix(kHeadSlot, "acc");
        ASSERT_FALSE(keys.isEmpty());
        access.FindRecord(kHeadSlot, keys.first());
        EXPECT_EQ(access.GetFieldText(kHeadSlot, 6), "Davolio");  // "H. Phone": Home Phone
    });
}

// A new dBase table where FILE says: "Key" and the layout's fields; one of its name (any case)
// is kept unless --replace.
TEST_F(InterchangeCommandTest, ExportsIntoANewTableAndReplacesOnlyWhenTold) {
    ASSERT_EQ(run({"--import", "abc", write("people.csv", kPeople), "--map", write("people.map", kMap)}).status, 0);
    const QString layout = write("table.layout", "field = Last\nfield = page 1: Name\nfield = page 1 memo\nfield = Email Add\n");
    const QString path = tmp.file("people.dbf");
    const Outcome r = run({"--export", "abc", path, "--layout", layout});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(path)) << r.out.toStdString();
    const QList<QStringList> rows = dbaseRows(path);
    ASSERT_EQ(rows.size(), 3) << rows.value(0).join(',').toStdString();
    EXPECT_EQ(rows[0].size(), 5);
    EXPECT_EQ(rows[0].first().toUpper(), "KEY");
    EXPECT_EQ(rows[1].mid(1), (QStringList{"Smith", "x", "", ""}));
    EXPECT_EQ(rows[2].mid(1, 2), (QStringList{"Jones, Jr", "says \"hi\"\nthere"}));

    const QByteArray before = read(path);
    const QString shorter = write("short.layout", "field = First\n");
    const Outcome kept = run({"--export", "abc", tmp.file("PEOPLE.DBF"), "--layout", shorter});
    EXPECT_EQ(kept.status, 1);
    EXPECT_TRUE(kept.err.contains(tmp.file("PEOPLE.DBF") + ": The table exists already")) << kept.err.toStdString();
    EXPECT_EQ(read(path), before);

    const Outcome replaced = run({"--export", "abc", tmp.file("PEOPLE.DBF"), "--layout", shorter, "--replace"});
    ASSERT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_FALSE(QFile::exists(path));  // the old member in the other case is gone
    EXPECT_EQ(dbaseRows(tmp.file("PEOPLE.DBF")), (QList<QStringList>{{"KEY", "FIRST"}, {rows[1][0], "Ann"}, {rows[2][0], "Bob"}}));

    // A Paradox table keeps its index beside it when replaced.
    ASSERT_EQ(run({"--export", "abc", tmp.file("people.db"), "--layout", layout}).status, 0);
    const Outcome paradox = run({"--export", "abc", tmp.file("people.db"), "--layout", shorter, "--replace"});
    ASSERT_EQ(paradox.status, 0) << paradox.err.toStdString();
    EXPECT_TRUE(paradox.out.contains("Paradox")) << paradox.out.toStdString();
    EXPECT_TRUE(QFile::exists(tmp.file("people.db")) && QFile::exists(tmp.file("people.px")));
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

// The program reads Paradox and Access tables in a child: itself, started with the child's option.
int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], vn::kReadTableOption) == 0) return vn::runTableChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
