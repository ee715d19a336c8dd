// Restoring hand-written backup files: what is restored, what is asked, and files refused
// without a row changed.
#include "backup_fixture.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

const QByteArray kHeader = "Wyoming-06-248-alb-Albany Varnedo Data Backup as of 3/7/2024  2:05 PM\r\n";
const QByteArray kTables = " " + n(kCountySlot) + "Counties\r\n " + n(kPag1Slot) + "Page One\r\n";

QByteArray county(const QByteArray& key, const QByteArray& name) {
    return n(kCountySlot) + n(int(key.size())) + key + kMark + n(2) + n(int(name.size())) + name + "\r\n";
}

struct ReaderTest : ::testing::Test {
    ReaderTest() {
        fx.put(kCountySlot, "ALB", {{1, "1"}, {2, "Albany"}});
        fx.put(kCountySlot, "BIG", {{1, "2"}, {2, "Big Horn"}});
        fx.put(kPag1Slot, "abc000001", {{1, "kept"}});
        fx.put(kParmSlot, "BackUpDate", {{2, "3/1/2024 9:00:00 AM"}});
    }

    QString said() const { return fx.prompter.texts().join("\n"); }

    BackupFixture fx;
};

TEST_F(ReaderTest, AValidFileMergesAndKeepsTheFieldsItDoesNotCarry) {
    fx.writeFile(kHeader + kTables + county("ALB", "Albany County") + county("CAR", "Carbon") + n(kPag1Slot) + n(9) +
                 "abc000001" + kMark + kMark + n(121) + n(2) + "\r\n 3 apples\r\n\r\n");
    ASSERT_EQ(fx.restore(RestoreMode::Merge), WorkEnd::Done) << said().toStdString();
    EXPECT_EQ(fx.row(kCountySlot, "ALB"), (Fields{{1, "1"}, {2, "Albany County"}}));
    EXPECT_EQ(fx.row(kCountySlot, "CAR"), (Fields{{2, "Carbon"}}));
    EXPECT_EQ(fx.row(kCountySlot, "BIG"), (Fields{{1, "2"}, {2, "Big Horn"}}));
    EXPECT_EQ(fx.row(kPag1Slot, "abc000001"), (Fields{{1, "kept"}, {121, " 3 apples\r\n"}}));
    EXPECT_TRUE(fx.prompter.messages.isEmpty()) << said().toStdString();
}

TEST_F(ReaderTest, TheFirstLinesShowTheTablesAndAnOlderFileIsAskedAbout) {
    struct Case {
        const char* what;
        QByteArray header;
        Answer answer;
        bool asked;
        bool opened;
    };
    const Case cases[] = {
        {"newer", kHeader, Answer::Ok, false, true},
        {"older, No", "Wyoming-06-248-alb-Albany Varnedo Data Backup as of 2/29/2024  11:59 PM\r\n", Answer::No, true, false},
        {"older, OK", "Wyoming-06-248-alb-Albany Varnedo Data Backup as of 2/29/2024  11:59 PM\r\n", Answer::Ok, true, true},
        {"a date that cannot be read", "Wyoming-06-248-alb-Albany Varnedo Data Backup as of soon\r\n", Answer::No, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fx.prompter.messages.clear();
        fx.prompter.answers = {c.answer};
        // A memo line that begins with a space is no table line.
        fx.writeFile(c.header + kTables + n(kPag1Slot) + n(9) + "abc000001" + kMark + kMark + n(121) + n(1) + "\r\n 3 apples\r\n");
        const auto summary = ReadBackupHeader(fx.file(), "3/1/2024 9:00:00 AM", fx.prompter);
        EXPECT_EQ(fx.prompter.texts().join("").contains("OLDER than the date of the last data backup"), c.asked);
        ASSERT_EQ(summary.has_value(), c.opened);
        if (!summary) continue;
        EXPECT_EQ(summary->header.line + "\r\n", QString(c.header));
        EXPECT_EQ(summary->tableSlots, (QList<int>{kCountySlot, kPag1Slot}));
        EXPECT_EQ(summary->titles, (QStringList{"Counties", "Page One"}));
    }
}

TEST_F(ReaderTest, AnotherVersionIsRestoredOnlyWhenTheUserGoesOn) {
    fx.writeFile("Wyoming-05-100-alb-Albany Varnedo Data Backup as of 3/7/2024  2:05 PM\r\n" + kTables + county("ALB", "Other"));
    const QStringList before = fx.snapshot();
    fx.prompter.answers = {Answer::No};
    EXPECT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Declined);
    EXPECT_TRUE(said().contains("program Version does not match"));
    EXPECT_EQ(fx.snapshot(), before);  // nothing was cleared before the question
    fx.prompter.answers = {Answer::Ok};
    EXPECT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Done);
    EXPECT_EQ(fx.row(kCountySlot, "ALB"), (Fields{{2, "Other"}}));
    EXPECT_TRUE(fx.row(kCountySlot, "BIG").empty());
}

TEST_F(ReaderTest, BadLinesAreListedOnceOkRestoresTheRestCancelNothing) {
    struct Bad {
        const char* what;
        QByteArray line;
        const char* reason;
    };
    const Bad bad[] = {
        {"slot 1", n(1) + n(3) + "XYZ\r\n", "the table number 1 is not one of 2 to 28"},
        {"a length past the line end", n(kCountySlot) + n(3) + "ALB" + kMark + n(2) + n(9) + "Short\r\n", "a length runs past the end of the line"},
        {"field D", n(kCountySlot) + n(3) + "BIG" + kMark + n(3) + n(1) + "x\r\n", "field 3 is not one of the fields 1 to 2"},
        {"a value over the declared size", county("BIG", QByteArray(41, 'n')), "holds 41 characters; it takes at most 40"},
        {"an empty key", n(kCountySlot) + n(0) + kMark + n(2) + n(1) + "x\r\n", "the key is empty"},
        {"a table the file does not list", n(kHeadSlot) + n(3) + "abc\r\n", "not among the tables the file lists"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.what);
        BackupFixture one;
        one.put(kCountySlot, "ALB", {{2, "Albany"}});
        one.put(kCountySlot, "BIG", {{2, "Big Horn"}});
        one.writeFile(kHeader + kTables + b.line + county("CAR", "Carbon"));
        const QStringList before = one.snapshot();
        one.prompter.answers = {Answer::Cancel};
        EXPECT_EQ(one.restore(RestoreMode::ClearFirst), WorkEnd::Declined);
        EXPECT_EQ(one.snapshot(), before);
        const QString warning = one.prompter.messages.value(0).text;
        EXPECT_TRUE(warning.startsWith("Restore Data Integrity Error!  [") && warning.contains(one.file() + ", line 4: ") && warning.contains(b.reason) &&
                    warning.contains("This record will not be processed!"))
            << warning.toStdString();
        one.prompter.answers = {Answer::Ok};
        EXPECT_EQ(one.restore(RestoreMode::Merge), WorkEnd::Done);
        EXPECT_EQ(one.row(kCountySlot, "CAR"), (Fields{{2, "Carbon"}}));
        EXPECT_EQ(one.row(kCountySlot, "ALB"), (Fields{{2, "Albany"}}));  // the bad line's row is left alone
        EXPECT_EQ(one.row(kCountySlot, "BIG"), (Fields{{2, "Big Horn"}}));
    }
}

TEST_F(ReaderTest, AFileCutShortIsRefusedWithoutARowChanged) {
    struct Cut {
        const char* what;
        QByteArray content;
        const char* says;
    };
    const QByteArray memoRecord = n(kPag1Slot) + n(9) + "abc000001" + kMark + kMark + n(121) + n(3) + "\r\none\r\n";
    const Cut cuts[] = {
        {"a memo block past the end", kHeader + kTables + county("CAR", "Carbon") + memoRecord, "line 5: its memo blocks need 3 lines"},
        {"a last line without its line end", kHeader + kTables + county("CAR", "Carbon").chopped(2), "line 4 has no line end"},
        {"an empty file", QByteArray(), "the file is empty"},
        {"no backup at all", "Dear diary\r\n", "names no program version"},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(c.what);
        fx.prompter.messages.clear();
        fx.writeFile(c.content);
        const QStringList before = fx.snapshot();
        EXPECT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Failed);
        EXPECT_EQ(fx.snapshot(), before);
        EXPECT_TRUE(said().startsWith(fx.file() + ": ") && said().contains(c.says) && said().contains("Nothing was restored"))
            << said().toStdString();
    }
}

TEST_F(ReaderTest, ClearAndRestoreIsOneTransactionAndNeverClearsParameters) {
    fx.put(kParmSlot, "Other", {{2, "stays"}});
    const QByteArray parm = " " + n(kParmSlot) + "Parameters\r\n";
    const QByteArray parmRow = n(kParmSlot) + n(10) + "BackUpDate" + kMark + n(2) + n(8) + "3/7/2024\r\n";
    fx.writeFile(kHeader + parm + kTables + parmRow + county("CAR", "Carbon") + county("boom", "Fails"));
    fx.access.database(kCountySlot).execute(
        "CREATE TRIGGER fail BEFORE INSERT ON Coun WHEN NEW.Code = 'boom' BEGIN SELECT RAISE(ABORT, 'no boom'); END");
    const QStringList before = fx.snapshot();
    EXPECT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Failed);
    EXPECT_EQ(fx.snapshot(), before);
    EXPECT_TRUE(said().contains("no boom") && said().contains("the tables are as they were")) << said().toStdString();

    fx.access.database(kCountySlot).execute("DROP TRIGGER fail");
    fx.prompter.messages.clear();
    EXPECT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Done) << said().toStdString();
    EXPECT_EQ(fx.row(kParmSlot, "Other"), (Fields{{2, "stays"}}));
    EXPECT_EQ(fx.row(kParmSlot, "BackUpDate").at(2), "3/7/2024");
    EXPECT_TRUE(fx.row(kCountySlot, "ALB").empty());
    EXPECT_EQ(fx.row(kCountySlot, "boom"), (Fields{{2, "Fails"}}));
    EXPECT_EQ(fx.row(kPag1Slot, "abc000001"), Fields{});  // listed, so cleared, though no record came
}

TEST_F(ReaderTest, ACancelledRestoreLeavesEveryTableAsItWas) {
    QByteArray records;
    for (int i = 0; i < 3000; ++i) records += county("K" + QByteArray::number(i), "County");
    fx.writeFile(kHeader + kTables + records);
    const QStringList before = fx.snapshot();
    WorkProgress progress;
    bool applying = false;
    progress.caption = [&](const QString& caption) { applying = applying || caption == "Restore progress..."; };
    progress.step = [&](qint64, qint64) { return !applying; };
    EXPECT_EQ(RestoreBackup(fx.access.database(3), fx.prompter, fx.file(), RestoreMode::ClearFirst, progress), WorkEnd::Cancelled);
    EXPECT_EQ(fx.snapshot(), before);
}

}  // namespace
