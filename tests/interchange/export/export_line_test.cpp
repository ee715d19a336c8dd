#include "interchange/export/csv_export_file.h"
#include "interchange/export/export_charset.h"
#include "interchange/export/export_line.h"
#include "interchange/export/export_run.h"
#include "interchange/export/text_export_file.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const CutSettings kFixed5{FieldMethod::FixedLength, 5, QChar(), QChar()};
const CutSettings kTilde{FieldMethod::Delimited, 0, QChar('~'), QChar(',')};
const CutSettings kBare{FieldMethod::Delimited, 0, QChar(), QChar(',')};
const CutSettings kTab{FieldMethod::Tab, 0, QChar(), QChar()};
const CutSettings kNone{};

TEST(ExportLine, EachMethodPutsTheValuesTogether) {
    struct Case {
        const char* name;
        CutSettings format;
        QStringList values;
        QString line;
    };
    const Case cases[] = {
        {"fixed cuts and fills", kFixed5, {"Smith", "Jo", "Johnson"}, "SmithJo   Johns"},
        {"fixed fills past 135", {FieldMethod::FixedLength, 200, QChar(), QChar()}, {"a"}, "a" + QString(199, ' ')},
        {"delimited", kTilde, {"a", "b", "c"}, "~a~,~b~,~c~"},
        {"delimited, empty value", kTilde, {"a", ""}, "~a~,~~"},
        {"no delimiter", kBare, {"a", "b", "c"}, "a,b,c"},
        {"tab after every value", kTab, {"a", "b", "c"}, "a\tb\tc\t"},
        {"no method", kNone, {"a", "b"}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(buildExportLine(c.values, c.format), c.line) << c.name;
}

TEST(ExportLine, PreviewPutsTabsOnlyBetweenCaptions) {
    EXPECT_EQ(previewExportLine({"Last", "First"}, kTab), "Last\tFirst");
    EXPECT_EQ(previewExportLine({"Last", "T:1C:2R:3"}, kTilde), "~Last~,~T:1C:2R:3~");
    EXPECT_EQ(previewExportLine({"Last", "First"}, kNone), "");
}

TEST(ExportLine, TextLineJoinsLineBreaksAndCountsSeparatorsByMethod) {
    const TextExportLine joined = textExportLine({"a\r\nb", "c\rd", "e\nf", "g"}, kTab);
    EXPECT_EQ(joined.text, "a b\tc d\te f\tg\t");
    EXPECT_EQ(joined.joinedLineBreaks, 3);
    struct Case {
        CutSettings format;
        int counted;
    };
    const QStringList values{"x,y", "~z", "t\tu", "plain"};
    for (const Case& c : {Case{kTilde, 2}, Case{kBare, 1}, Case{kTab, 1}, Case{kFixed5, 0}})
        EXPECT_EQ(textExportLine(values, c.format).valuesWithSeparators, c.counted) << int(c.format.method);
}

TEST(ExportLine, CsvCellsQuoteWhereNeededAndGuardFormulas) {
    struct Case {
        QString value;
        bool guard;
        QString cell;
        int guarded;
    };
    const Case cases[] = {
        {"plain", true, "plain", 0},
        {"Smith, Jr", true, "\"Smith, Jr\"", 0},
        {"say \"hi\"", true, "\"say \"\"hi\"\"\"", 0},
        {"two\r\nlines", true, "\"two\r\nlines\"", 0},
        {"=SUM(A1:A2)", true, "'=SUM(A1:A2)", 1},
        {"@cmd", true, "'@cmd", 1},
        {"+1 555", true, "'+1 555", 1},
        {"-5", true, "-5", 0},
        {"+1.5e3", true, "+1.5e3", 0},
        {"=1,2", true, "\"'=1,2\"", 1},
        {"=SUM(A1:A2)", false, "=SUM(A1:A2)", 0},
    };
    for (const Case& c : cases) {
        int guarded = 0;
        EXPECT_EQ(csvCell(c.value, c.guard, guarded), c.cell) << c.value.toStdString();
        EXPECT_EQ(guarded, c.guarded) << c.value.toStdString();
    }
}

TEST(ExportLine, Windows1252WritesWhatItLacksAsQuestionMarks) {
    int replaced = 0;
    EXPECT_EQ(encodeExportText(QStringLiteral("Zoë €5 „x“"), TextCharset::Windows1252, replaced),
              QByteArray("Zo\xEB \x80" "5 \x84x\x93"));
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(encodeExportText(QStringLiteral("日本 😀!"), TextCharset::Windows1252, replaced), QByteArray("?? ?!"));
    EXPECT_EQ(replaced, 3);
    EXPECT_EQ(encodeExportText(QStringLiteral("日本 😀"), TextCharset::Utf8, replaced), QStringLiteral("日本 😀").toUtf8());
    EXPECT_EQ(replaced, 3);
}

TEST(ExportSummary, MessageNamesTheFileAndEveryCount) {
    ExportSummary summary;
    EXPECT_EQ(summary.message("/home/u/export.vnd"),
              "The export text file [/home/u/export.vnd] has  been successfully built.");
    summary.replacedCharacters = 2;
    summary.guardedFormulas = 1;
    const QString text = summary.message("/x");
    EXPECT_TRUE(text.startsWith("The export text file [/x] has  been successfully built.  2 characters"));
    EXPECT_TRUE(text.contains("1 value that would run as a formula"));
    EXPECT_FALSE(text.contains("line break"));
}

}  // namespace
