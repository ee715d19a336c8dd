#include "lists/definitions/definition_tables.h"
#include "requests/evaluation/request_store.h"
#include "requests/report/formatted_value.h"
#include "requests/report/report_file.h"
#include "requests/report/report_records.h"

#include "support/file_size_limit.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;
using test::RequestStore;
namespace fdis = definition_tables::fdis;

namespace {

constexpr int kTitle = 2, kFirst = 3, kLast = 5, kHomePhone = 7, kZip = 16;  // header field numbers
constexpr int kText1 = 2, kCheck1 = 22, kRadio1 = 62, kMemo = 122;
constexpr int kTitleColumn = 1, kFirstColumn = 2, kLastColumn = 4, kZipColumn = 15;

TEST(FormattedValueTest, EachKindOfFieldPrintsAsTheOutputsShowIt) {
    FieldDefinition radio;
    radio.setButton(3, "Blue");
    const QString sixtyOne(61, u'x');
    struct Case {
        FieldRef field;
        QString stored;
        QString shown;
    } cases[] = {
        {{1, kCheck1}, "", "UnChecked"},  // never stored
        {{1, kCheck1}, "0", "UnChecked"},
        {{1, kCheck1}, "1", "Checked"},
        {{1, kCheck1}, "7", "7"},
        {{1, kRadio1}, "", ""},
        {{1, kRadio1}, "0", ""},
        {{1, kRadio1}, "3", "Blue"},
        {{1, kRadio1}, "2", ""},  // a button without caption
        {{0, kZip}, "123456789", "12345-6789"},
        {{0, kZip}, "82070-0000", "82070"},
        {{0, kHomePhone}, "307.555.0199", "(307)555-0199"},
        {{0, 8}, "5550199", "(   )555-0199"},
        {{0, kLast}, sixtyOne, sixtyOne.left(60)},
        {{1, kText1}, "12345", "12345"},  // a page text field is never formatted as a zip
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatValue(c.field, c.stored, &radio), c.shown)
            << c.field.page << "/" << c.field.fieldNumber << " " << c.stored.toStdString();
}

TEST(RecordOrderTest, SortTextsArePaddedToTheirWidthsCutAndLowered) {
    EXPECT_EQ(reportSortText({"Smith", "Ann"}, {8, 3}), ("smith   ann" + QString(92, u' ')));
    EXPECT_EQ(reportSortText({QString(70, u'A')}, {80}).size(), 103);
    EXPECT_EQ(reportSortText({QString(70, u'A')}, {80}).left(61), QString(60, u'a') + u' ');
    EXPECT_EQ(labelSortText(LabelSort::ByZip, "Dr", "Ann", "Smith", "82070").left(12), "82070     Dr");
    EXPECT_EQ(labelSortText(LabelSort::ByName, "Dr", "Ann", "Smith", "82070").left(35),
              "SmithAnn" + QString(22, u' ') + "82070");
}

struct ReportRecordsTest : ::testing::Test, RequestStore {
    ReportRecordsTest() {
        define(1, 1, FieldKind::Text, 1);
        define(1, 2, FieldKind::CheckBox, 1);
        define(1, 3, FieldKind::RadioGroup, 1, {{fdis::kFirstButton, "Red"}, {fdis::kFirstButton + 1, "Green"}});
        define(1, 4, FieldKind::Memo, 0);
    }
    void person(int n, const QString& last, const QString& first, const QString& zip = {}, const QString& title = {}) {
        put(kHeadSlot, key(n), {{kLastColumn, last}, {kFirstColumn, first}, {kZipColumn, zip}, {kTitleColumn, title}});
    }
    static PrintField printField(int page, int number, int width = 10) {
        PrintField p;
        p.field = {page, number};
        p.width = width;
        return p;
    }
    static SortField sortField(int page, int number, int width) {
        SortField s;
        s.field = {page, number};
        s.width = width;
        return s;
    }
    SqlRequest report(MatchList matches, QList<SortField> sorts, QList<PrintField> prints = {printField(0, kLast)}) {
        SqlRequest r;
        r.kind = RequestKind::Report;
        r.listCode = "abc";
        r.printFields = std::move(prints);
        r.sortFields = std::move(sorts);
        r.matches = std::move(matches);
        return r;
    }
    QStringList keysInOrder(const SqlRequest& r, LabelSort labelSort = LabelSort::ByZip) {
        QStringList keys;
        for (const ReportRecord& rec : readReportRecords(access, LoadDefinitions(access, "abc"), r, labelSort))
            keys << rec.key;
        return keys;
    }
    QList<ReportRecord> records(const SqlRequest& r) {
        return readReportRecords(access, LoadDefinitions(access, "abc"), r, LabelSort::ByZip);
    }
};

TEST_F(ReportRecordsTest, RecordsFollowTheSortFieldsWithoutCaseEqualOnesReversed) {
    person(1, "smith", "Ann");
    person(2, "Jones", "Bob");
    person(3, "Smith", "Ann");
    person(4, "Adams", "Cy");
    // Sorted by Last (width 10) then First, record 9 gone from Head. The two Smiths are equal:
    // the label pre-order (all zips empty) reversed them, the sort reverses them back.
    EXPECT_EQ(keysInOrder(report({key(1), key(2), key(3), key(4), key(9)},
                                 {sortField(0, kLast, 10), sortField(0, kFirst, 10)})),
              QStringList({key(4), key(2), key(1), key(3)}));
}

TEST_F(ReportRecordsTest, TheLabelSortDecidesBetweenEqualSortTexts) {
    person(1, "Smith", "Ann", "82070", "Mr");
    person(2, "Smith", "Bob", "82001", "Dr");
    person(3, "Brown", "Cy", "82070", "Dr");
    const SqlRequest r = report({key(1), key(2), key(3)}, {sortField(0, kLast, 10)});
    // By zip: 2 (82001), 3 (82070 Dr), 1 (82070 Mr); the sort on Last keeps 2 before 1 reversed.
    EXPECT_EQ(keysInOrder(r, LabelSort::ByZip), QStringList({key(3), key(1), key(2)}));
    // By name: Brown, SmithAnn, SmithBob; equal Smiths reversed again by the sort on Last.
    EXPECT_EQ(keysInOrder(r, LabelSort::ByName), QStringList({key(3), key(2), key(1)}));
}

TEST_F(ReportRecordsTest, KeysStayWholeAndMissingPageRowsReadEmpty) {
    person(10000, "Long", "Key");
    person(2, "Short", "Key");
    put(kPag1Slot, key(2), {{kText1 - 1, "two"}, {kCheck1 - 1, "1"}, {kRadio1 - 1, "2"}});
    // The record with the 18-character key has no page 1 row: it must not read record 2's.
    const QList<ReportRecord> read = records(report(
        {key(2), key(10000)}, {sortField(0, kLast, 10)},
        {printField(0, kLast), printField(1, kText1), printField(1, kCheck1), printField(1, kRadio1)}));
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].key, "abcwyalb1000000000");
    EXPECT_EQ(read[0].values, QStringList({"Long", "", "UnChecked", ""}));
    EXPECT_EQ(read[1].values, QStringList({"Short", "two", "Checked", "Green"}));
}

TEST_F(ReportRecordsTest, TheReportFileKeepsOneLinePerRecord) {
    person(10000, "Long", "Key");
    person(2, "", "\u00c9mile");
    put(kPag1Slot, key(2), {{kMemo - 1, "line one\r\nline~two"}});
    const QByteArray bytes = reportFileBytes(records(report(
        {key(10000), key(2)}, {sortField(0, kLast, 10)}, {printField(0, kLast), printField(0, kFirst), printField(1, kMemo)})));
    EXPECT_EQ(bytes, "~\xc3\x89mile~line one  line two~\r\n"
                     "Long~Key~~\r\n"
                     "Records Listed:  2~\r\n");
}

// Every page text field that takes digits only gets a sum column, however many there are.
TEST_F(ReportRecordsTest, EveryNumericPrintFieldGetsASumColumn) {
    QList<PrintField> prints;
    for (int slot = 1; slot <= 20; ++slot) {
        define(2, slot, FieldKind::Text, slot, {{fdis::kCharacterType, "3"}});
        prints << printField(2, slot + 1);
    }
    define(3, 1, FieldKind::Text, 1, {{fdis::kCharacterType, "3"}});
    define(3, 2, FieldKind::Text, 2, {{fdis::kCharacterType, "4"}});
    prints << printField(0, kLast) << printField(1, kText1) << printField(3, 3) << printField(3, 2);
    const QList<SumColumn> columns = sumColumnsFor(prints, LoadDefinitions(access, "abc"));
    ASSERT_EQ(columns.size(), 21);
    EXPECT_EQ(columns[19].field, (FieldRef{2, 21}));
    EXPECT_EQ(columns[20].field, (FieldRef{3, 2}));
}

struct ReportFileTest : ::testing::Test {
    test::TempFolder temp;
    test::RecordingPrompter prompter;
    const QList<ReportRecord> records{{"k1", {"Smith", "Ann"}}};
};

TEST_F(ReportFileTest, AWrittenFileIsNamedOnlyAfterItIsWhole) {
    const QString files = temp.file("Files");
    ASSERT_TRUE(writeReportFile(files, records, prompter));
    const QString path = files + "/VNRpt.Txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Smith~Ann~\r\nRecords Listed:  1~\r\n");
    EXPECT_EQ(prompter.texts(), QStringList{"Task Completed! Report is in File\r\r" + path + "."});
}

TEST_F(ReportFileTest, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const QString files = temp.path();
    QFile old(files + "/VNRpt.Txt");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    bool written = true;
    {
        const test::FileSizeLimit limit(16);
        written = writeReportFile(files, records, prompter);
    }

    EXPECT_FALSE(written);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith("Report File Can Not Be Opened!\r\r"));
    EXPECT_GT(prompter.messages[0].text.size(), QString("Report File Can Not Be Opened!\r\r").size());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

}  // namespace
