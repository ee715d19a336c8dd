#include "export_fixture.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace vn;
using namespace vn::test;

namespace {

const QList<OrderEntry> kOrder = {{"Last", header(kLast)}, {"First", header(kFirst)}, {"T:1C:2R:3", page(1, 82)},
                                  {"Memo", page(1, kMemoColumn)}};

// Two records of the list (one under its code in capitals), one of another list.
struct ListFixture : ExportFixture {
    ListFixture() {
        addRecord("abcwyalb000200000", {{header(kLast), "Zoë"}, {header(kFirst), "€5 日本"}, {page(1, kMemoColumn), "one\r\ntwo\nthree"}});
        addRecord("ABCwyalb000100000", {{header(kLast), "Smith, Jr"}, {header(kFirst), "Jo"}, {page(1, 82), "x~y"}});
        addRecord("abdwyalb000100000", {{header(kLast), "Other list"}});
    }
};

TEST(ExportFiles, TextFileInEitherCharsetOneLineARecordInKeyOrder) {
    ListFixture f;
    ExportPlan plan = f.plan(ExportFormat::Text, "export.vnd", kOrder);
    plan.line = {FieldMethod::Delimited, 0, QChar('~'), QChar(',')};
    ASSERT_EQ(f.run(plan), WorkEnd::Done) << f.failure.toStdString();
    EXPECT_EQ(fileBytes(plan.path), QByteArray("~Smith, Jr~,~Jo~,~x~y~,~~\r\n"
                                               "~Zo\xEB~,~\x80" "5 ??~,~~,~one two three~\r\n"));
    EXPECT_EQ(f.summary.records, 2);
    EXPECT_EQ(f.summary.replacedCharacters, 2);
    EXPECT_EQ(f.summary.joinedLineBreaks, 1);
    EXPECT_EQ(f.summary.valuesWithSeparators, 2);

    plan.charset = TextCharset::Utf8;
    ASSERT_EQ(f.run(plan), WorkEnd::Done);
    EXPECT_EQ(QString::fromUtf8(fileBytes(plan.path)),
              "~Smith, Jr~,~Jo~,~x~y~,~~\r\n~Zoë~,~€5 日本~,~~,~one two three~\r\n");
    EXPECT_EQ(f.summary.replacedCharacters, 0);
}

TEST(ExportFiles, CsvReadsBackEqualByPythonsCsvModule) {
    ListFixture f;
    f.addRecord("abcwyalb000300000", {{header(kLast), "say \"hi\""}, {header(kFirst), "01234"},
                                      {page(1, 82), "=SUM(A1:A9)"}, {page(1, kMemoColumn), "-12.5"}});
    const ExportPlan plan = f.plan(ExportFormat::Csv, "export.csv", kOrder);
    ASSERT_EQ(f.run(plan), WorkEnd::Done) << f.failure.toStdString();
    EXPECT_TRUE(fileBytes(plan.path).startsWith("\xEF\xBB\xBFLast,First,T:1C:2R:3,Memo\r\n"));
    EXPECT_EQ(f.summary.guardedFormulas, 1);
    const QJsonDocument rows = pythonJson(
        "import csv, json, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f: print(json.dumps(list(csv.reader(f))))",
        {plan.path});
    const QJsonArray expected = {
        QJsonArray{"Last", "First", "T:1C:2R:3", "Memo"},
        QJsonArray{"Smith, Jr", "Jo", "x~y", ""},
        QJsonArray{"Zoë", "€5 日本", "", "one\r\ntwo\nthree"},
        QJsonArray{"say \"hi\"", "01234", "'=SUM(A1:A9)", "-12.5"},
    };
    EXPECT_EQ(rows.array(), expected);
}

TEST(ExportFiles, WorkbookReadsBackWithStringCellsUnderABoldFrozenCaptionRow) {
    ListFixture f;
    const QString longValue(40000, QChar('w'));
    f.addRecord("abcwyalb000300000", {{header(kFirst), "01234"}, {page(1, kMemoColumn), longValue}});
    const ExportPlan plan = f.plan(ExportFormat::Xlsx, "export.xlsx", kOrder);
    ASSERT_EQ(f.run(plan), WorkEnd::Done) << f.failure.toStdString();
    EXPECT_EQ(f.summary.cutCells, 1);
    EXPECT_EQ(f.leftFiles(), QStringList{"export.xlsx"});
    const QJsonObject book = pythonJson(
        "import json, sys, openpyxl\n"
        "wb = openpyxl.load_workbook(sys.argv[1])\n"
        "ws = wb.active\n"
        "rows = [[c.value for c in r] for r in ws.iter_rows()]\n"
        "print(json.dumps({'sheets': wb.sheetnames, 'frozen': ws.freeze_panes,\n"
        "  'bold': [c.font.b for c in ws[1]], 'plain': [c.font.b for c in ws[2]],\n"
        "  'zero': ws['B4'].data_type, 'rows': [[v if v is None or len(v) < 100 else len(v) for v in r] for r in rows]}))",
        {plan.path}).object();
    EXPECT_EQ(book["sheets"].toArray(), QJsonArray{"abc"});
    EXPECT_EQ(book["frozen"].toString(), "A2");
    EXPECT_EQ(book["bold"].toArray(), (QJsonArray{true, true, true, true}));
    EXPECT_EQ(book["plain"].toArray(), (QJsonArray{false, false, false, false}));
    EXPECT_EQ(book["zero"].toString(), "s");
    const QJsonArray rows = book["rows"].toArray();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1].toArray(), (QJsonArray{"Smith, Jr", "Jo", "x~y", QJsonValue()}));
    EXPECT_EQ(rows[2].toArray(), (QJsonArray{"Zoë", "€5 日本", QJsonValue(), "one\ntwo\nthree"}));  // a cell's LF
    EXPECT_EQ(rows[3].toArray()[1], "01234");
    EXPECT_EQ(rows[3].toArray()[3], 32767);
}

TEST(ExportFiles, EmptyListGivesAnEmptyFileOrTheCaptionRow) {
    ExportFixture f;
    f.addRecord("abdwyalb000100000", {{header(kLast), "Other list"}});
    const ExportPlan text = f.plan(ExportFormat::Text, "export.vnd", kOrder);
    ASSERT_EQ(f.run(text), WorkEnd::Done);
    EXPECT_TRUE(QFile::exists(text.path));
    EXPECT_EQ(fileBytes(text.path), QByteArray());
    ExportPlan csv = f.plan(ExportFormat::Csv, "export.csv", kOrder);
    csv.byteOrderMark = false;
    ASSERT_EQ(f.run(csv), WorkEnd::Done);
    EXPECT_EQ(fileBytes(csv.path), QByteArray("Last,First,T:1C:2R:3,Memo\r\n"));
    EXPECT_EQ(f.summary.records, 0);
}

}  // namespace
