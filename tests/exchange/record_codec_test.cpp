// The backup file's bytes record by record, and each record read back as it was written.
#include "backup_fixture.h"
#include "exchange/backup/backup_tables.h"
#include "exchange/codec/file_encoding.h"
#include "store/catalogue/slots.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

const QByteArray kHeader = "Wyoming-06-248-alb-Albany Varnedo Data Backup as of 3/7/2024  2:05 PM\r\n";

QByteArray tableLine(int slot, const char* title) { return " " + n(slot) + title + "\r\n"; }

struct Case {
    const char* what;
    int slot;
    QString key;
    Fields fields;
    QByteArray record;  // the record's lines
    bool utf8 = false;
    Fields readBack = {};  // when it differs: line breaks come back as CR LF
};

const QByteArray k222(222, 'a');
const QByteArray k223(223, 'a');

std::vector<Case> cases() {
    return {
        {"a gap names the field", kDistrictSlot, "D1", {{3, "ab"}}, n(5) + n(2) + "D1" + kMark + n(3) + n(2) + "ab\r\n"},
        {"consecutive fields carry no number", kDistrictSlot, "D2", {{1, "7"}, {2, "North"}, {4, "ALB"}},
         n(5) + n(2) + "D2" + n(1) + "7" + n(5) + "North" + kMark + n(4) + n(3) + "ALB\r\n"},
        {"a page memo is a memo block", kPag1Slot, "abc000001", {{1, "x"}, {121, "one\r\ntwo\r\nthree"}},
         n(14) + n(9) + "abc000001" + n(1) + "x" + kMark + kMark + n(121) + n(3) + "\r\none\r\ntwo\r\nthree\r\n"},
        {"a one-line page memo is a memo block too", kPag2Slot, "abc000002", {{121, "short"}},
         n(15) + n(9) + "abc000002" + kMark + kMark + n(121) + n(1) + "\r\nshort\r\n"},
        {"a closing line break keeps an empty last line", kPag3Slot, "abc000003", {{121, "end\r\n"}},
         n(16) + n(9) + "abc000003" + kMark + kMark + n(121) + n(2) + "\r\nend\r\n\r\n"},
        {"222 bytes fit their length byte", kHelpSlot, "abc101", {{1, QString(k222)}}, n(12) + n(6) + "abc101" + n(222) + k222 + "\r\n"},
        {"223 bytes go into a one-line memo block", kHelpSlot, "abc102", {{1, QString(k223)}},
         n(12) + n(6) + "abc102" + kMark + kMark + n(1) + n(1) + "\r\n" + k223 + "\r\n"},
        {"a line break in a help text", kHelpSlot, "abc103", {{1, "one\rtwo"}},
         n(12) + n(6) + "abc103" + kMark + kMark + n(1) + n(2) + "\r\none\r\ntwo\r\n", false, {{1, "one\r\ntwo"}}},
        {"a line break in a page 4 memo", kPag4Slot, "abc000004", {{1, "t"}, {121, "a\nb"}},
         n(26) + n(9) + "abc000004" + n(1) + "t" + kMark + kMark + n(121) + n(2) + "\r\na\r\nb\r\n", false, {{1, "t"}, {121, "a\r\nb"}}},
        {"fields past 222 are reached through empty fields", kQueuSlot, "abc  q", {{6, "1"}, {230, "x"}},
         n(17) + n(6) + "abc  q" + kMark + n(6) + n(1) + "1" + QByteArray(223, ' ') + n(1) + "x\r\n"},
        {"the List description closes the line, fields 16 and 17 come before it", kListSlot, "abc",
         {{1, "Title"}, {15, "Described"}, {16, "Agency"}, {17, "01/01/26"}},
         n(8) + n(3) + "abc" + n(5) + "Title" + kMark + n(16) + n(6) + "Agency" + n(8) + "01/01/26" + kMark + kMark + n(15) +
             n(1) + "\r\nDescribed\r\n"},
        {"a full list description keeps LF between its lines: CR LF would not fit", kListSlot, "abd",
         {{15, QString("xxxxxxxxx\n").repeated(23) + "xx"}},
         n(8) + n(3) + "abd" + kMark + kMark + n(15) + n(24) + "\r\n" + QByteArray("xxxxxxxxx\r\n").repeated(23) + "xx\r\n"},
        {"Windows-1252 counts one byte a character", kCountySlot, "C1", {{2, "Café"}}, n(4) + n(2) + "C1" + kMark + n(2) + n(4) + "Caf\xE9\r\n"},
        {"a character without a Windows-1252 byte makes the file UTF-8", kCountySlot, "C2", {{2, "Ωmega"}},
         n(4) + n(2) + "C2" + kMark + n(2) + n(6) + "\xCE\xA9mega\r\n", true},
        {"Windows-1252 bytes that would read as UTF-8 make the file UTF-8", kCountySlot, "C3", {{2, "Ã©"}},
         n(4) + n(2) + "C3" + kMark + n(2) + n(4) + "\xC3\x83\xC2\xA9\r\n", true},
    };
}

TEST(RecordCodecTest, EachRecordHasItsBytesAndReadsBackEqual) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        BackupFixture fx;
        fx.put(c.slot, c.key, c.fields);
        ASSERT_EQ(fx.backup({c.slot}), WorkEnd::Done) << fx.prompter.texts().join("\n").toStdString();
        const QByteArray title = backupTableOfSlot(c.slot)->title;
        const QByteArray expected = (c.utf8 ? QByteArray(kUtf8Bom) : QByteArray()) + kHeader + tableLine(c.slot, title) + c.record;
        EXPECT_EQ(fx.bytes().toHex(' ').toStdString(), expected.toHex(' ').toStdString());
        fx.access.DeleteAllRecords(c.slot, false);
        ASSERT_EQ(fx.restore(RestoreMode::ClearFirst), WorkEnd::Done) << fx.prompter.texts().join("\n").toStdString();
        EXPECT_EQ(fx.row(c.slot, c.key), c.readBack.empty() ? c.fields : c.readBack);
    }
}

TEST(RecordCodecTest, TheSystemTableCarriesItsFiveFields) {
    BackupFixture fx;
    fx.put(kSystemTableSlot, "Version", {{1, "06-248"}, {2, "1/2/2024 3:04:05 PM"}, {4, "T"}});
    ASSERT_EQ(fx.backup({kSystemTableSlot}), WorkEnd::Done);
    EXPECT_TRUE(fx.bytes().endsWith(n(2) + n(7) + "Version" + n(6) + "06-248" + n(19) + "1/2/2024 3:04:05 PM" + kMark + n(4) + n(1) + "T\r\n"));
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
}

TEST(RecordCodecTest, ValuesTheFileCannotCarryRefuseTheBackup) {
    struct Refusal {
        const char* what;
        int slot;
        QString key;
        Fields fields;
        const char* says;
    };
    const Refusal refusals[] = {
        {"a memo of 224 lines", kPag1Slot, "abc000009", {{121, QString("x\n").repeated(223)}}, "the text has 224 lines"},
        {"a key of 223 bytes", kSelcSlot, QString(74, QChar(0x4E2D)) + "a", {}, "the key is 223 bytes long"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.what);
        BackupFixture fx;
        fx.writeFile("previous backup\r\n");
        fx.put(r.slot, r.key, r.fields);
        EXPECT_EQ(fx.backup({r.slot}), WorkEnd::Failed);
        ASSERT_EQ(fx.prompter.messages.size(), 1);
        const QString message = fx.prompter.messages[0].text;
        EXPECT_TRUE(message.contains(r.says) && message.contains(TableCatalogue::description(r.slot)) && message.contains(r.key))
            << message.toStdString();
        EXPECT_EQ(fx.bytes(), "previous backup\r\n");
        EXPECT_EQ(QDir(fx.dataFolder()).entryList({"vnBack.txt*"}, QDir::Files), QStringList{"vnBack.txt"});
    }
}

}  // namespace

namespace {

const QString kBackupTime = "3/7/2024 2:05:00 PM";

QString storedBackupDate(BackupFixture& fx) {
    fx.access.FindRecord(kParmSlot, "BackUpDate");
    return fx.access.GetFieldText(kParmSlot, 2);
}

TEST(BackupWriterTest, TheBackupDateIsSetOnceTheFileIsCompleteAndTheFileCarriesIt) {
    BackupFixture fx;
    fx.put(kParmSlot, "BackUpDate", {{1, "Date Of Last Backup"}, {2, "1/1/2024 8:00:00 AM"}});
    EXPECT_EQ(fx.backup({kParmSlot}, fx.folder.file("missing/vnBack.txt")), WorkEnd::Failed);
    EXPECT_TRUE(fx.prompter.texts().value(0).startsWith("Backup/Share Drive/Folder not found!\r\r" + fx.folder.file("missing/vnBack.txt") + ": "))
        << fx.prompter.texts().join("\n").toStdString();
    EXPECT_EQ(storedBackupDate(fx), "1/1/2024 8:00:00 AM");

    ASSERT_EQ(fx.backup({kParmSlot}), WorkEnd::Done);
    EXPECT_EQ(storedBackupDate(fx), kBackupTime);
    EXPECT_TRUE(fx.bytes().contains(n(int(kBackupTime.size())) + kBackupTime.toLatin1() + "\r\n"));
}

TEST(BackupWriterTest, ACancelledBackupLeavesThePreviousFileAndNothingElse) {
    BackupFixture fx;
    for (int i = 0; i < 50; ++i) fx.put(kCountySlot, QString("C%1").arg(i), {{2, "County"}});
    fx.writeFile("previous backup\r\n");
    WorkProgress progress;
    progress.step = [](qint64 done, qint64 total) { return done < total / 2; };
    EXPECT_EQ(WriteBackup(fx.access, fx.prompter, fx.file(), BackupFixture::request({kCountySlot}), progress), WorkEnd::Cancelled);
    EXPECT_EQ(fx.bytes(), "previous backup\r\n");
    EXPECT_EQ(QDir(fx.dataFolder()).entryList({"vnBack.txt*"}, QDir::Files), QStringList{"vnBack.txt"});
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
}

}  // namespace
