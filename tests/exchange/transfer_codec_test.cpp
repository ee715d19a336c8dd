// The pieces of the exchange files between offices that need no tables: record lines, line
// breaks, header lines, file names and the password.
#include "exchange/transfer/transfer_discovery.h"
#include "exchange/transfer/transfer_header.h"
#include "exchange/transfer/transfer_line.h"
#include "exchange/transfer/transfer_password.h"
#include "store/text/day_code.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

QByteArray joined(int slot, const std::vector<QByteArrayView>& fields, int* refused = nullptr) {
    QByteArray out = "before|";
    const int at = appendRecordLine(slot, fields, out);
    if (refused) *refused = at;
    return out;
}

std::vector<QByteArray> split(QByteArrayView line, QByteArray* table = nullptr) {
    SplitLine parts;
    splitRecordLine(line, parts);
    if (table) *table = parts.table.toByteArray();
    std::vector<QByteArray> fields;
    for (QByteArrayView f : parts.fields) fields.push_back(f.toByteArray());
    return fields;
}

QByteArray decoded(QByteArrayView value) {
    QByteArray out;
    appendDecodedValue(value, "\r\n", out);
    return out;
}

TEST(TransferCodecTest, ValuesTravelWithLineBreaksAsMarks) {
    struct Case {
        const char* what;
        QByteArray value;
        QByteArray written;
        QByteArray readBack;
    };
    const Case cases[] = {
        {"plain text", "Albany", "Albany", "Albany"},
        {"CR LF", "one\r\ntwo", "one^^two", "one\r\ntwo"},
        {"a lone CR keeps the character after it", "one\rtwo", "one^^two", "one\r\ntwo"},
        {"a lone LF", "one\ntwo", "one^^two", "one\r\ntwo"},
        {"LF CR is two breaks", "a\n\rb", "a^^^^b", "a\r\n\r\nb"},
        {"a closing break", "end\r\n", "end^^", "end\r\n"},
        {"a literal mark reads as a break, as other offices write them", "x^^y", "x^^y", "x\r\ny"},
        {"a lone caret stays", "x^y", "x^y", "x^y"},
        {"empty", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray written;
        appendLineValue(c.value, written);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(decoded(written), c.readBack);
    }
}

TEST(TransferCodecTest, RecordLinesJoinAndSplit) {
    EXPECT_EQ(joined(11, {"abc1", "Mr", "", "Line\r\nTwo"}), "before|11~abc1~Mr~~Line^^Two~\r\n");
    EXPECT_EQ(joined(8, {}), "before|8~\r\n");

    QByteArray table;
    EXPECT_EQ(split("11~abc1~Mr~~Line^^Two~", &table), (std::vector<QByteArray>{"abc1", "Mr", "", "Line^^Two"}));
    EXPECT_EQ(table, "11");
    EXPECT_EQ(split("11~abc1~Mr"), (std::vector<QByteArray>{"abc1", "Mr"})) << "the last closing ~ may be missing";
    EXPECT_EQ(split("11~abc1~~"), (std::vector<QByteArray>{"abc1", ""}));
    EXPECT_EQ(split("11"), (std::vector<QByteArray>{}));
    EXPECT_TRUE(split("").empty());
}

TEST(TransferCodecTest, AValueHoldingTheSeparatorIsNamedAndNothingIsWritten) {
    int refused = -2;
    EXPECT_EQ(joined(9, {"abc001", "ok", "a~b", "c~"}, &refused), "before|");
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(joined(9, {"abc001", "ok"}, &refused), "before|9~abc001~ok~\r\n");
    EXPECT_EQ(refused, -1);
}

TEST(TransferCodecTest, TableNumbersAreDecimalDigitsOnly) {
    const std::pair<const char*, int> cases[] = {{"11", 11}, {"8", 8}, {"011", 11}, {"", -1}, {" 8", -1},
                                                 {"-8", -1}, {"8a", -1}, {"1000", -1}, {"٣", -1}};
    for (const auto& [text, number] : cases) EXPECT_EQ(tableNumber(text), number) << text;
}

TEST(TransferCodecTest, HeaderLinesReadBackAndNameTheirDestinations) {
    const QByteArray lines = transferHeaderLines(TransferKind::Data, "06-248", {"ALB", "WY_"}, {"abc", "xyz"});
    EXPECT_EQ(lines, "06-248 - Data Send Transmission\r\nDestinations: ~ALB~WY_~\r\nData Lists: ~abc~xyz~\r\n");
    const QStringList parts = QString::fromUtf8(lines).split("\r\n");
    const TransferHeader header = parseTransferHeader(TransferKind::Data, parts[0], parts[1], parts[2]);
    EXPECT_EQ(header.badLine, 0) << header.problem.toStdString();
    EXPECT_EQ(header.version, "06-248");
    EXPECT_EQ(header.destinations, QStringList({"ALB", "WY_"}));
    EXPECT_EQ(header.listCodes, QStringList({"abc", "xyz"}));
    EXPECT_TRUE(isAddressedTo(header, "alb"));
    EXPECT_TRUE(isAddressedTo(header, "wy_"));
    EXPECT_FALSE(isAddressedTo(header, "big"));

    EXPECT_EQ(transferHeaderLines(TransferKind::Forms, "06-248", {"BIG"}, {"abc"}),
              "06-248 - Form Send Transmission\r\nDestinations: ~BIG~\r\nData Forms: ~abc~\r\n");
}

TEST(TransferCodecTest, HeaderLinesOfTheOtherKindOrNoneAreRefusedByLine) {
    struct Case {
        const char* what;
        QString line1, line2, line3;
        int badLine;
    };
    const Case cases[] = {
        {"a data file read as forms", "06-248 - Data Send Transmission", "Destinations: ~ALB~", "Data Lists: ~abc~", 1},
        {"no destinations line", "06-248 - Form Send Transmission", "ALB~", "Data Forms: ~abc~", 2},
        {"no lists line", "06-248 - Form Send Transmission", "Destinations: ~ALB~", "", 3},
        {"another version is no refusal", "05-100 - Form Send Transmission", "Destinations: ~ALB", "Data Forms: ~abc", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TransferHeader header = parseTransferHeader(TransferKind::Forms, c.line1, c.line2, c.line3);
        EXPECT_EQ(header.badLine, c.badLine) << header.problem.toStdString();
        if (c.badLine != 2) {
            EXPECT_EQ(header.destinations, QStringList({"ALB"})) << "line 2 is read whatever line 1 says";
        }
    }
}

TEST(TransferCodecTest, ExchangeFileNamesHaveElevenCharactersAndTheirKindsWord) {
    const std::tuple<const char*, TransferKind, bool> cases[] = {
        {"ALBform.vnf", TransferKind::Forms, true},  {"albFORM.VNF", TransferKind::Forms, true},
        {"wy_form.vnf", TransferKind::Forms, true},  {"ALBforms.vnf", TransferKind::Forms, false},
        {"ALform.vnf", TransferKind::Forms, false},  {"ALBdata.vnd", TransferKind::Forms, false},
        {"ALBdata.vnd", TransferKind::Data, true},   {"ALBdata.vnf", TransferKind::Data, false},
        {"ALBform.vnf", TransferKind::Data, false},
    };
    for (const auto& [name, kind, offered] : cases) EXPECT_EQ(isTransferFileName(name, kind), offered) << name;
    EXPECT_EQ(transferFileName(TransferKind::Forms, "ALB"), "albform.vnf");
    EXPECT_EQ(transferFileName(TransferKind::Data, "wy_"), "wy_data.vnd");
}

TEST(TransferCodecTest, ListCodesCompareWithoutRegardToCase) {
    EXPECT_EQ(foldedListCode("ABCwyalb0001"), "abc");
    EXPECT_EQ(foldedListCode("ab"), "ab");
    EXPECT_EQ(foldedListCode("\xC3\x89tu12"), "\xC3\x89tu") << "three characters, not three bytes";
    const std::tuple<const char*, const char*, bool> keys[] = {
        {"ABCwyalb0001", "abc", true}, {"abc", "abc", true},   {"abd0001", "abc", false},
        {"ab", "abc", false},          {"abcd", "ab", false},  {"\xC3\x89tu12", "\xC3\xA9tu", false},
        {"\xC3\x89tu12", "\xC3\x89tu", true}};
    for (const auto& [key, code, starts] : keys) EXPECT_EQ(startsWithListCode(key, code), starts) << key << " " << code;
}

TEST(TransferPasswordTest, TheFixedWordOrTheDaysCodeInAnyCase) {
    const QDate day(2024, 3, 7);
    const QString code = DayCode(day);
    const std::pair<QString, bool> cases[] = {{"tarnwisple", true}, {"TarnWisple", true}, {code, true},
                                              {code.toLower(), true}, {"tarnwispl", false}, {"", false},
                                              {DayCode(day.addDays(1)), false}};
    for (const auto& [typed, accepted] : cases) EXPECT_EQ(acceptsTransferPassword(typed, day), accepted) << typed.toStdString();
}

TEST(TransferPasswordTest, TwoWrongEntriesMayBeFollowedByARightOneTheThirdWrongCloses) {
    const QDate day(2024, 3, 7);
    using Outcome = PasswordAttempts::Outcome;
    PasswordAttempts late(day);
    EXPECT_EQ(late.confirm("one"), Outcome::TryAgain);
    EXPECT_EQ(late.confirm("two"), Outcome::TryAgain);
    EXPECT_EQ(late.confirm(DayCode(day).toLower()), Outcome::Accepted);
    EXPECT_TRUE(late.accepted());

    PasswordAttempts wrong(day);
    EXPECT_EQ(wrong.confirm("one"), Outcome::TryAgain);
    EXPECT_EQ(wrong.confirm("two"), Outcome::TryAgain);
    EXPECT_EQ(wrong.confirm("three"), Outcome::Refused);
    EXPECT_FALSE(wrong.accepted());
    EXPECT_FALSE(wrong.acceptedOnClose(""));

    EXPECT_TRUE(PasswordAttempts(day).acceptedOnClose(DayCode(day))) << "the day's code left in the field when the window closes";
    EXPECT_FALSE(PasswordAttempts(day).acceptedOnClose("tarnwisple")) << "closing compares with the day's code only";
}

}  // namespace
