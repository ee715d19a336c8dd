// Building the exchange files: which records go in, in which order, what a value with "~" does,
// and what is left behind when a build does not finish; the destinations and the files offered.
#include "transfer_fixture.h"

#include "exchange/transfer/transfer_discovery.h"
#include "exchange/transfer/transfer_offices.h"
#include "store/settings/table_date_time.h"
#include "support/file_size_limit.h"
#include "store/engine/database.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

QByteArray prefix(const QByteArray& line, int fields) {
    // The table number and the first fields of a record line.
    return line.split('~').mid(0, fields + 1).join('~');
}

TEST(TransferSendTest, AFormFileHoldsTheChosenListsTableByTableInKeyOrder) {
    TransferFixture fx;
    fx.put(kListSlot, "abc", {{1, "Alpha"}, {15, "two\r\nlines"}});
    fx.put(kListSlot, "xyz", {{1, "Other"}});
    fx.put(kFdisSlot, "abc002", {{4, "Second"}});
    fx.put(kFdisSlot, "abc001", {{4, "First"}});
    fx.put(kFdisSlot, "xyz001", {{4, "Not sent"}});
    fx.put(kSelcSlot, "ABCcolour red", {{1, "3"}});
    fx.put(kHelpSlot, "abc001", {{1, "Some help"}});
    fx.put(kTdatSlot, "abc101", {{1, "Grid"}});
    fx.put(kHeadSlot, "abcwyalb000100000", {{2, "No records in a form file"}});

    const TransferBuild build = fx.send(TransferKind::Forms, {"abc"});
    ASSERT_EQ(build.end, WorkEnd::Done) << fx.prompter.texts().join("\n").toStdString();
    EXPECT_EQ(build.path, fx.inExchange("albform.vnf"));
    EXPECT_TRUE(fx.bytes(build.path).startsWith("06-248 - Form Send Transmission\r\nDestinations: ~WY_~\r\nData Forms: ~abc~\r\n"));
    EXPECT_EQ(build.header, "06-248 - Form Send Transmission\r\nDestinations: ~WY_~\r\nData Forms: ~abc~\r\n");

    const QList<QByteArray> lines = fx.recordLines(build.path);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(prefix(lines[0], 2), "8~abc~Alpha");
    EXPECT_EQ(lines[0].count('~'), 1 + 18) << "fields 0 to 17, each closed by ~";
    EXPECT_EQ(lines[0].split('~')[16], "two^^lines");
    EXPECT_EQ(prefix(lines[1], 1), "9~abc001");
    EXPECT_EQ(prefix(lines[2], 1), "9~abc002");
    EXPECT_EQ(lines[3], "10~ABCcolour red~3~") << "a key's list code compares without regard to case";
    EXPECT_EQ(lines[4], "12~abc001~Some help~");
    EXPECT_EQ(prefix(lines[5], 2), "25~abc101~Grid");
    EXPECT_EQ(fx.prompter.texts(), QStringList{"The Form exchange file(s) were successfully created."});
}

TEST(TransferSendTest, ATransmissionSendsTheMatchedRecordsGroupedByTableWithoutLimit) {
    TransferFixture fx;
    QStringList keys;
    for (int i = 0; i < 1500; ++i) keys << QStringLiteral("abcwyalb%1000000").arg(i, 4, 10, QChar('0'));
    fx.addRecords(kHeadSlot, keys);
    fx.put(kPag1Slot, keys[7], {{1, "page one"}});
    fx.put(kPag4Slot, keys[7], {{1, "page four"}});
    fx.put(kPag2Slot, keys[8], {{1, "not matched"}});

    TransferRequest one = TransferFixture::request(TransferKind::Data, {"abc"}, {"ALB", "BIG"});
    one.keys = QStringList{keys[7]};
    TransferBuild build = fx.send(one);
    ASSERT_EQ(build.end, WorkEnd::Done);
    EXPECT_TRUE(fx.bytes(build.path).startsWith("06-248 - Data Send Transmission\r\nDestinations: ~ALB~BIG~\r\nData Lists: ~abc~\r\n"));
    const QList<QByteArray> lines = fx.recordLines(build.path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(prefix(lines[0], 1), "11~" + keys[7].toUtf8());
    EXPECT_EQ(prefix(lines[1], 2), "14~" + keys[7].toUtf8() + "~page one");
    EXPECT_EQ(prefix(lines[2], 2), "26~" + keys[7].toUtf8() + "~page four");

    TransferRequest all = one;
    all.keys = keys;
    fx.prompter.answers = {Answer::Ok};  // replace the file
    build = fx.send(all);
    ASSERT_EQ(build.end, WorkEnd::Done);
    EXPECT_EQ(fx.recordLines(build.path).size(), 1500 + 3) << "every match is sent, not the first 1000";

    TransferRequest none = one;
    none.keys = QStringList{};
    fx.prompter.messages.clear();
    EXPECT_EQ(fx.send(none).end, WorkEnd::Declined);
    EXPECT_TRUE(fx.prompter.messages.isEmpty()) << "nothing happens without a match";
}

TEST(TransferSendTest, ADataRecordHoldingTheSeparatorIsLeftOutWholeAndNamedAfterTheSuccess) {
    TransferFixture fx;
    fx.put(kHeadSlot, "abcwyalb000100000", {{2, "Anna"}});
    fx.put(kHeadSlot, "abcwyalb000200000", {{2, "Bert"}});
    fx.put(kPag1Slot, "abcwyalb000100000", {{3, "50~60"}});  // found after its Head line was written
    fx.put(kPag2Slot, "abcwyalb000200000", {{1, "kept"}});

    const TransferBuild build = fx.send(TransferKind::Data, {"abc"});
    ASSERT_EQ(build.end, WorkEnd::Done);
    EXPECT_EQ(build.leftOut, QStringList{"abcwyalb000100000"});
    const QList<QByteArray> lines = fx.recordLines(build.path);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(prefix(lines[0], 3), "11~abcwyalb000200000~~Bert");
    EXPECT_EQ(prefix(lines[1], 2), "15~abcwyalb000200000~kept");
    ASSERT_EQ(fx.prompter.messages.size(), 2);
    EXPECT_EQ(fx.prompter.messages[0].text, "The Data Send file was successfully created.");
    EXPECT_EQ(fx.prompter.messages[1].kind, "warning");
    EXPECT_TRUE(fx.prompter.messages[1].text.contains("abcwyalb000100000"));
}

TEST(TransferSendTest, AFormBuildWithTheSeparatorInAValueWritesNothingAndNamesTableKeyAndField) {
    TransferFixture fx;
    fx.put(kParmSlot, "TransferDate", {{2, "1/1/2020 1:00:00 AM"}});
    fx.put(kListSlot, "abc", {{1, "Alpha"}});
    fx.put(kFdisSlot, "abc001", {{4, "Either~or"}});
    fx.writeFile("the file of an earlier build", fx.inExchange("albform.vnf"));

    const TransferBuild build = fx.send(TransferKind::Forms, {"abc"});
    EXPECT_EQ(build.end, WorkEnd::Failed);
    const QString error = fx.prompter.messages.last().text;
    EXPECT_EQ(fx.prompter.messages.last().kind, "error");
    for (const char* part : {"Fdis", "abc001", "field 4 (Caption)"}) EXPECT_TRUE(error.contains(part)) << part;
    EXPECT_EQ(fx.bytes(fx.inExchange("albform.vnf")), "the file of an earlier build");
    EXPECT_EQ(QDir(fx.exchange()).entryList(QDir::Files), QStringList{"albform.vnf"}) << "no temporary file stays";
    fx.access.FindRecord(kParmSlot, "TransferDate");
    EXPECT_EQ(fx.access.GetFieldText(kParmSlot, 2), "1/1/2020 1:00:00 AM");
}

TEST(TransferSendTest, AnExistingFileIsReplacedOnlyOnOkAndTheDateIsSetAfterTheRename) {
    TransferFixture fx;
    fx.put(kParmSlot, "TransferDate", {{2, "1/1/2020 1:00:00 AM"}});
    fx.put(kHeadSlot, "abcwyalb000100000", {{2, "Anna"}});
    const QString path = fx.inExchange("albdata.vnd");
    fx.writeFile("older", path);

    fx.prompter.answers = {Answer::No};
    EXPECT_EQ(fx.send(TransferKind::Data, {"abc"}).end, WorkEnd::Declined);
    EXPECT_EQ(fx.prompter.texts(), QStringList{"The data transfer file [" + path + "] already exists! Do you want to delete the file(s) and continue?"});
    EXPECT_EQ(fx.bytes(path), "older");
    fx.access.FindRecord(kParmSlot, "TransferDate");
    EXPECT_EQ(fx.access.GetFieldText(kParmSlot, 2), "1/1/2020 1:00:00 AM");

    fx.prompter.answers = {Answer::Ok};
    const TransferBuild build = fx.send(TransferKind::Data, {"abc"});
    ASSERT_EQ(build.end, WorkEnd::Done);
    EXPECT_EQ(fx.recordLines(path).size(), 1);
    EXPECT_EQ(build.transferDate, "3/7/2024 2:05:00 PM");
    fx.access.FindRecord(kParmSlot, "TransferDate");
    EXPECT_EQ(fx.access.GetFieldText(kParmSlot, 2), build.transferDate);
}

TEST(TransferSendTest, AFolderThatCannotTakeTheFileIsNamedInTheError) {
    TransferFixture fx;
    const QString missing = fx.folder.file("no such folder");
    const TransferBuild build = SendTransferFile(fx.access, fx.prompter, missing, TransferFixture::request(TransferKind::Data, {"abc"}));
    EXPECT_EQ(build.end, WorkEnd::Failed);
    ASSERT_EQ(fx.prompter.messages.size(), 1);
    EXPECT_TRUE(fx.prompter.messages[0].text.startsWith("The data send file could not be created.  Verify the existence of the " + missing +
                                                        " folder!"));
}

// A disk that fills up half way: the old file stays whole and the date is not moved on.
TEST(TransferSendTest, AFullDiskKeepsTheOldFileAndTheDate) {
    TransferFixture fx;
    fx.put(kParmSlot, "TransferDate", {{2, "1/1/2020 1:00:00 AM"}});
    for (int n = 1; n <= 300; ++n) {
        const QString key = QStringLiteral("abcwyalb%1").arg(n, 4, 10, QChar(u'0')) + "00000";
        fx.put(kHeadSlot, key, {{2, "Anna"}});
        fx.put(kPag1Slot, key, {{121, QString(5000, u'm')}});  // memos: 1.5 MB in all
    }
    const QString path = fx.inExchange("albdata.vnd");
    fx.writeFile("older", path);
    fx.prompter.answers = {Answer::Ok};
    Transaction(fx.access.database(kHeadSlot)).commit();  // the rows reach the tables before the limit
    TransferBuild build;
    {
        test::FileSizeLimit limit(1024 * 1024);  // above the tables' own files, below the exchange file
        build = fx.send(TransferKind::Data, {"abc"});
    }
    EXPECT_EQ(build.end, WorkEnd::Failed);
    EXPECT_EQ(fx.bytes(path), "older");
    fx.access.FindRecord(kParmSlot, "TransferDate");
    EXPECT_EQ(fx.access.GetFieldText(kParmSlot, 2), "1/1/2020 1:00:00 AM");
}

TEST(TransferOfficesTest, DestinationsAreTheCountiesTheDistrictsOnTheirWayAndTheState) {
    TransferFixture fx;
    fx.put(kCountySlot, "BIG", {{2, "Big Horn"}});
    fx.put(kCountySlot, "ALB", {{2, "Albany"}});
    fx.put(kDistrictSlot, "CED", {{2, "Central"}});
    EXPECT_EQ(transferDestinations(fx.access, 1, "wy", "Wyoming"), QStringList({"ALB  Albany", "BIG  Big Horn", "WY_  Wyoming"}));
    EXPECT_EQ(transferDestinations(fx.access, 2, "wy", "Wyoming"),
              QStringList({"ALB  Albany", "BIG  Big Horn", "CED  Central", "WY_  Wyoming"}));
    EXPECT_EQ(destinationCode("WY_  Wyoming"), "WY_");
}

TEST(TransferOfficesTest, TheListDescriptionIsItsDescriptionNotTheAgencyAddress) {
    TransferFixture fx;
    fx.put(kListSlot, "abc", {{12, "agency@example.org"}, {15, "Volunteers of the county"}});
    EXPECT_EQ(listDescription(fx.access, "ABC"), "Volunteers of the county");
}

TEST(TransferDiscoveryTest, EveryFileAddressedToTheOfficeIsOfferedWithItsSender) {
    TransferFixture fx;
    fx.put(kCountySlot, "ALB", {{2, "Albany"}});
    fx.put(kDistrictSlot, "CED", {{2, "Central"}});
    const auto file = [&](const QString& name, const QByteArray& destinations) {
        fx.writeFile("06-248 - Form Send Transmission\r\nDestinations: ~" + destinations + "~\r\nData Forms: ~abc~\r\n", fx.inExchange(name));
    };
    file("ALBform.vnf", "WY_");
    file("cedFORM.vnf", "alb~wy_");
    file("zzzform.vnf", "Wy_");
    file("BIGform.vnf", "ALB");          // for another office
    file("ALBforms.vnf", "WY_");         // twelve characters
    file("ALBdata.vnd", "WY_");          // another kind
    for (int i = 0; i < 120; ++i) file(QStringLiteral("%1form.vnf").arg(i, 3, 10, QChar('0')), "WY_");

    const QList<OfferedFile> offered = findReceivedFiles(fx.access, fx.exchange(), TransferKind::Forms, "wy_");
    ASSERT_EQ(offered.size(), 123) << "no limit of 100";
    QStringList named;
    for (const OfferedFile& f : offered.mid(120)) named << f.entry;
    EXPECT_EQ(named, QStringList({"ALBform.vnf   (from Albany)", "cedFORM.vnf   (from Central)", "zzzform.vnf   (from State)"}));
    EXPECT_EQ(offered[120].path, fx.inExchange("ALBform.vnf"));

    const QList<OfferedFile> forAlbany = findReceivedFiles(fx.access, fx.exchange(), TransferKind::Forms, "ALB");
    ASSERT_EQ(forAlbany.size(), 2);
    EXPECT_EQ(forAlbany[0].fileName, "BIGform.vnf");
    EXPECT_EQ(forAlbany[1].fileName, "cedFORM.vnf");
}

}  // namespace
