// Receiving exchange files: the whole file is checked before anything changes, the questions
// come next, then one transaction, then the file may go. And a county's lists and records
// reaching the state office through the exchange folder.
#include "transfer_fixture.h"

#include "exchange/transfer/transfer_discovery.h"
#include "exchange/transfer/transfer_password.h"
#include "store/text/day_code.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::test;

namespace {

const QByteArray kKey = "abcwyalb000100000";
const QByteArray kDataHeader = "06-248 - Data Send Transmission\r\nDestinations: ~WY_~\r\nData Lists: ~abc~\r\n";
const QByteArray kFormHeader = "06-248 - Form Send Transmission\r\nDestinations: ~WY_~\r\nData Forms: ~abc~\r\n";
const QString kComplete = "File(s) processing complete.";
const QString kOneFile =
    "ONE file processed.  If you selected multiple files for processing, you will have to re-select the files for "
    "processing one at a time due to data file and program information mismatch!";

// "slot~key~" and the values, each closed by "~".
QByteArray line(int slot, const QByteArray& key, const QList<QByteArray>& values = {}) {
    QByteArray out = QByteArray::number(slot) + "~" + key + "~";
    for (const QByteArray& v : values) out += v + "~";
    return out + "\r\n";
}

QByteArray header(TransferKind kind, const QByteArray& version, const QByteArray& lists = "abc") {
    return version + (kind == TransferKind::Forms ? " - Form Send Transmission\r\nDestinations: ~WY_~\r\nData Forms: ~"
                                                  : " - Data Send Transmission\r\nDestinations: ~WY_~\r\nData Lists: ~") +
           lists + "~\r\n";
}

// A data set that has the list abc and one record of it.
struct ReceiveFixture : TransferFixture {
    ReceiveFixture() {
        put(kListSlot, "abc", {{1, "Ours"}});
        put(kHeadSlot, kKey, {{1, "Mr"}, {2, "Anna"}});
    }
    QString file(const QString& name, const QByteArray& content) {
        const QString path = inExchange(name);
        writeFile(content, path);
        return path;
    }
    QString headField(const QString& key, int field) {
        access.FindRecord(kHeadSlot, key);
        return access.GetFieldText(kHeadSlot, field);
    }
};

TEST(TransferReceiveTest, ABadFileIsRefusedByFileAndLineAndChangesNothing) {
    struct Case {
        const char* what;
        TransferKind kind;
        QByteArray content;
        int line;
        QString says;
    };
    const QByteArray good = line(11, kKey, {"Mrs"});
    const Case cases[] = {
        {"a table data files do not carry", TransferKind::Data, kDataHeader + good + line(8, "abc", {"Title"}), 5,
         "Table Number Error! Obtain a new Received Data file."},
        {"a table form files do not carry", TransferKind::Forms, kFormHeader + line(9, "abc001") + good, 5,
         "Table Number Error! Obtain a new Received Form file."},
        {"no table number", TransferKind::Data, kDataHeader + good + "~" + kKey + "~\r\n", 5, "Table Number Error!"},
        {"one value more than the fields before Delta", TransferKind::Forms, kFormHeader + line(12, "abc001", {"help", "x", "y"}), 4,
         "Field Count Error!  Values:\r\rExpected Field Count: 2\r\rData File Number: 12\r\rString Contents: 12~abc001~help~x~y~"},
        {"a key longer than its field", TransferKind::Data, kDataHeader + good + line(11, kKey + "1234"), 5,
         "longer than the 20 characters a key of table 11 (Head) holds"},
        {"no key", TransferKind::Data, kDataHeader + good + line(11, "", {"Mr"}), 5, "has no key"},
        {"a list line 3 does not name", TransferKind::Data, kDataHeader + good + line(11, "xyzwyalb000100000"), 5,
         "belongs to the list \"xyz\", which line 3 does not name"},
        {"no header", TransferKind::Data, good + good + good + good, 1, "not a Varnedo exchange file"},
        {"an empty file", TransferKind::Data, "", 1, "the file is empty"},
        {"a file cut short", TransferKind::Data, kDataHeader + good + "11~" + kKey + "~Mr", 5, "cut short"},
        {"a line too long to be a record", TransferKind::Data, kDataHeader + "11~" + kKey + "~" + QByteArray(4 * 1024 * 1024, 'x') + "~\r\n", 4,
         "at most 4194304"},
        {"counted after a byte-order mark", TransferKind::Data, "\xEF\xBB\xBF" + kDataHeader + good + line(20, kKey), 5, "Table Number Error!"},
        {"counted with LF line ends", TransferKind::Data, QByteArray(kDataHeader + good + "\r\n" + line(20, kKey)).replace("\r\n", "\n"), 6,
         "Table Number Error!"},
        {"Windows-1252 text shown as it was meant", TransferKind::Data, kDataHeader + good + line(11, "abc\xE9wyalb000100000000"), 5,
         "the key \"abcéwyalb000100000000\" is longer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReceiveFixture fx;
        const QString path = fx.file("albdata.vnd", c.content);
        const QStringList before = fx.snapshot();
        const ReceiveRun run = fx.receive(c.kind, {path}, true);
        EXPECT_EQ(run.merged, 0);
        ASSERT_GE(fx.prompter.messages.size(), 1);
        const RecordingPrompter::Message& refusal = fx.prompter.messages[0];
        EXPECT_EQ(refusal.kind, "error");
        EXPECT_TRUE(refusal.text.contains(c.says)) << refusal.text.toStdString();
        EXPECT_TRUE(refusal.text.contains(QStringLiteral("%1, line %2").arg(path).arg(c.line))) << refusal.text.toStdString();
        EXPECT_TRUE(refusal.text.endsWith("Nothing of this file was merged; the file is kept."));
        EXPECT_EQ(fx.snapshot(), before);
        EXPECT_EQ(fx.bytes(path), c.content) << "the file stays";
    }
}

TEST(TransferReceiveTest, EveryEncodingAndLineEndReadsTheSame) {
    const QByteArray lines = kDataHeader + line(11, kKey, {"", "Zo\xC3\xAB"}) + "\r\n";
    const std::pair<const char*, QByteArray> cases[] = {
        {"UTF-8", lines},
        {"UTF-8 after a byte-order mark", "\xEF\xBB\xBF" + lines},
        {"LF line ends", QByteArray(lines).replace("\r\n", "\n")},
        {"Windows-1252", QByteArray(lines).replace("Zo\xC3\xAB", "Zo\xEB")},
    };
    for (const auto& [what, content] : cases) {
        SCOPED_TRACE(what);
        ReceiveFixture fx;
        EXPECT_EQ(fx.receive(TransferKind::Data, {fx.file("albdata.vnd", content)}).merged, 1) << fx.prompter.texts().join("\n").toStdString();
        EXPECT_EQ(fx.headField(kKey, 2), "Zoë");
        EXPECT_EQ(fx.headField(kKey, 1), "") << "an empty value empties its field";
    }
}

TEST(TransferReceiveTest, ValuesAreDecodedCutToTheirFieldsAndListsUnknownHereSkippedAllTold) {
    ReceiveFixture fx;
    fx.put(kHeadSlot, kKey, {{27, "web time"}});
    const QByteArray longName(45, 'n');
    const QString path = fx.file("albdata.vnd", header(TransferKind::Data, "06-248", "abc~xyz") + line(11, kKey, {"Dr", longName}) +
                                                    line(11, "xyzwyalb000100000", {"Mr"}) + line(11, "XYZwyalb000200000", {"Ms"}) +
                                                    line(14, kKey, {"line one^^line two"}));
    const ReceiveRun run = fx.receive(TransferKind::Data, {path}, true);
    EXPECT_EQ(run.merged, 1);
    EXPECT_EQ(run.touchedLists, QStringList{"abc"});
    EXPECT_EQ(fx.headField(kKey, 1), "Dr");
    EXPECT_EQ(fx.headField(kKey, 2), QString(40, 'n'));
    EXPECT_EQ(fx.headField(kKey, 27), "web time") << "fields after Delta keep their values";
    fx.access.FindRecord(kPag1Slot, kKey);
    EXPECT_EQ(fx.access.GetFieldText(kPag1Slot, 1), "line one\r\nline two");
    EXPECT_FALSE(fx.access.FindRecord(kHeadSlot, "xyzwyalb000100000"));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(fx.prompter.messages.size(), 3);
    EXPECT_EQ(fx.prompter.messages[0].text, kComplete);
    EXPECT_EQ(fx.prompter.messages[1].text, "2 record lines of lists this office does not have were skipped: xyz.");
    EXPECT_TRUE(fx.prompter.messages[2].text.startsWith("1 values were longer than their fields take and were cut to fit:\r\rHead \"" + kKey +
                                                        "\" field 2 (First)"))
        << fx.prompter.messages[2].text.toStdString();
}

TEST(TransferReceiveTest, AListAlreadyPresentIsMergedOnlyAfterOk) {
    for (const Answer answer : {Answer::No, Answer::Ok}) {
        SCOPED_TRACE(answer == Answer::Ok ? "Ok" : "No");
        ReceiveFixture fx;
        const QString present = fx.file("bigform.vnf", kFormHeader + line(8, "abc", {"Theirs"}) + line(9, "abc001", {"1"}));
        const QString fresh = fx.file("cedform.vnf", header(TransferKind::Forms, "06-248", "xyz") + line(8, "xyz", {"New"}));
        fx.prompter.answers = {answer};
        const ReceiveRun run = fx.receive(TransferKind::Forms, {present, fresh}, true);

        EXPECT_EQ(fx.prompter.messages[0].kind, "confirmation");
        EXPECT_EQ(fx.prompter.messages[0].text,
                  "This form (or one using the same three letter code) is already present!  Are you sure you want to load this form "
                  "data?  Contact your Varnedo state supporter if you have any questions.");
        fx.access.FindRecord(kListSlot, "abc");
        EXPECT_EQ(fx.access.GetFieldText(kListSlot, 1), answer == Answer::Ok ? "Theirs" : "Ours");
        EXPECT_EQ(fx.access.FindRecord(kFdisSlot, "abc001"), answer == Answer::Ok) << "all of the file or none of it";
        EXPECT_EQ(QFile::exists(present), answer != Answer::Ok) << "a file not merged stays";
        EXPECT_TRUE(fx.access.FindRecord(kListSlot, "xyz")) << "the next file follows";
        EXPECT_FALSE(QFile::exists(fresh));
        EXPECT_EQ(run.merged, answer == Answer::Ok ? 2 : 1);
        EXPECT_EQ(fx.prompter.texts().contains(kComplete), answer == Answer::Ok) << "no completion after a No";
    }
}

TEST(TransferReceiveTest, AFormFileOfAnotherVersionIsMergedAloneAfterOk) {
    for (const Answer answer : {Answer::No, Answer::Ok}) {
        SCOPED_TRACE(answer == Answer::Ok ? "Ok" : "No");
        ReceiveFixture fx;
        const QString older = fx.file("bigform.vnf", header(TransferKind::Forms, "05-100", "xyz") + line(8, "xyz", {"Older"}));
        const QString next = fx.file("cedform.vnf", header(TransferKind::Forms, "06-248", "uvw") + line(8, "uvw", {"Next"}));
        fx.prompter.answers = {answer};
        fx.receive(TransferKind::Forms, {older, next});

        EXPECT_EQ(fx.prompter.messages[0].kind, "warning");
        EXPECT_EQ(fx.prompter.messages[0].text,
                  "The received file data information does not match the current program settings. \r\rData File Information"
                  "                     Program Information \r\rVersion [05-100]                           Version [06-248]\r\r"
                  "Do you want to continue?\r\rIf you are not sure, select [No] and contact your Grovanta! user consultant.");
        EXPECT_EQ(fx.access.FindRecord(kListSlot, "xyz"), answer == Answer::Ok);
        EXPECT_FALSE(fx.access.FindRecord(kListSlot, "uvw")) << "no further file after another version";
        const QStringList expected = answer == Answer::Ok ? QStringList{fx.prompter.messages[0].text, kOneFile, kComplete}
                                                          : QStringList{fx.prompter.messages[0].text};
        EXPECT_EQ(fx.prompter.texts(), expected);
    }
}

// The password prompt typed into: each entry confirmed in turn, then the prompt closed.
std::function<bool(const QString&)> typing(const QStringList& entries, int* asked) {
    return [entries, asked](const QString&) {
        ++*asked;
        PasswordAttempts attempts;
        for (const QString& entry : entries) {
            const PasswordAttempts::Outcome outcome = attempts.confirm(entry);
            if (outcome != PasswordAttempts::Outcome::TryAgain) return outcome == PasswordAttempts::Outcome::Accepted;
        }
        return attempts.acceptedOnClose({});
    };
}

TEST(TransferReceiveTest, ADataFileOfAnotherVersionTakesThePassword) {
    struct Case {
        const char* what;
        Answer answer;
        QStringList typed;
        bool merged;
    };
    const Case cases[] = {
        {"the fixed word in capitals", Answer::Ok, {"TARNWISPLE"}, true},
        {"the day's code in lower case", Answer::Ok, {DayCode().toLower()}, true},
        {"three wrong entries", Answer::Ok, {"one", "two", "three", DayCode()}, false},
        {"No to the warning asks no password", Answer::No, {"tarnwisple"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReceiveFixture fx;
        const QString older = fx.file("bigdata.vnd", header(TransferKind::Data, "05-100") + line(11, kKey, {"Prof"}));
        const QString next = fx.file("ceddata.vnd", kDataHeader + line(11, "abcwyalb000200000", {"Next"}));
        fx.prompter.answers = {c.answer};
        int asked = 0;
        const ReceiveRun run = fx.receive(TransferKind::Data, {older, next}, true, typing(c.typed, &asked));

        EXPECT_TRUE(fx.prompter.messages[0].text.endsWith(
            "If you are not sure, select [No] and contact your Varnedo user consultant.  Selecting [Ok] will require password entry."));
        EXPECT_EQ(asked, c.answer == Answer::Ok ? 1 : 0);
        EXPECT_EQ(fx.headField(kKey, 1), c.merged ? "Prof" : "Mr");
        EXPECT_EQ(QFile::exists(older), !c.merged);
        EXPECT_EQ(run.merged, c.merged ? 1 : 0);
        EXPECT_FALSE(fx.access.FindRecord(kHeadSlot, "abcwyalb000200000")) << "no further file after another version";
        EXPECT_TRUE(QFile::exists(next));
        EXPECT_FALSE(fx.prompter.texts().contains(kComplete));
        EXPECT_EQ(fx.prompter.texts().contains(kOneFile), c.merged);
    }
}

TEST(TransferReceiveTest, ACancelledMergeLeavesTheTablesAndTheFile) {
    ReceiveFixture fx;
    QByteArray content = kDataHeader;
    for (int i = 0; i < 1500; ++i) content += line(11, QStringLiteral("abcwyalb%1000000").arg(i, 4, 10, QChar('0')).toUtf8(), {"Rev"});
    const QString path = fx.file("albdata.vnd", content);
    const QStringList before = fx.snapshot();
    int steps = 0;
    WorkProgress progress;
    progress.step = [&steps](qint64, qint64) { return ++steps < 2; };  // the check's step passes, the merge's stops

    const ReceiveRun run = ReceiveTransferFiles(fx.db(), fx.prompter, {TransferKind::Data, {path}, true, {}}, progress);
    EXPECT_EQ(run.end, WorkEnd::Cancelled);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(fx.snapshot(), before);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(fx.prompter.messages.isEmpty());
}

TEST(TransferRoundTripTest, ACountysListsAndRecordsReachTheStateOfficeEqual) {
    TransferFixture county;
    const QString description = QString("xxxxxxxxx\n").repeated(23) + "xx";  // full: CR LF would not fit
    county.put(kListSlot, "abc", {{1, "Volunteers"}, {15, description}});
    county.put(kFdisSlot, "abc001", {{1, "1"}, {4, "Hours"}});
    county.put(kSelcSlot, "abc001Weekly", {{1, "1"}});
    county.put(kHelpSlot, "abc001", {{1, "How many hours"}});
    county.put(kTdatSlot, "abc101", {{1, "Shifts"}, {11, "Mon"}});
    for (int i = 1; i <= 30; ++i) {
        const QString key = QStringLiteral("abcwyalb%1000000").arg(i, 4, 10, QChar('0'));
        county.put(kHeadSlot, key, {{2, QStringLiteral("First %1").arg(i)}, {4, "Müller"}, {15, "82070"}});
        county.put(kPag1Slot, key, {{1, "12"}, {21, "1"}, {121, i % 3 ? QString() : "first line\r\nsecond line"}});
        county.put(kPag2Slot, key, {{71, "cell"}});
        county.put(kPag3Slot, key, {{61, "2"}});
    }
    ASSERT_EQ(county.send(TransferKind::Forms, {"abc"}).end, WorkEnd::Done);
    ASSERT_EQ(county.send(TransferKind::Data, {"abc"}).end, WorkEnd::Done);

    // The state office reads the same folder.
    TransferFixture state;
    for (const TransferKind kind : {TransferKind::Forms, TransferKind::Data}) {
        const QList<OfferedFile> offered = findReceivedFiles(state.access, county.exchange(), kind, "wy_");
        ASSERT_EQ(offered.size(), 1);
        EXPECT_EQ(state.receive(kind, {offered[0].path}, true).merged, 1) << state.prompter.texts().join("\n").toStdString();
    }
    // System rows (layout markers stamped when each database was made) do not travel.
    const auto travelled = [](QStringList rows) {
        rows.removeIf([](const QString& row) { return row.startsWith("Syst|"); });
        return rows;
    };
    EXPECT_EQ(travelled(state.snapshot()), travelled(county.snapshot()));
    EXPECT_TRUE(QDir(county.exchange()).entryList(QDir::Files).isEmpty());
}

}  // namespace
