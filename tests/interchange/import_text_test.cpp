#include "interchange/text/import_text.h"

#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

TextFileLines linesOf(const QStringList& lines) { return TextFileLines{lines, TextCharset::Utf8}; }

CutSettings fixed(int size) { return {FieldMethod::FixedLength, size, QChar(), QChar()}; }
CutSettings delimited(QChar separator, QChar delimiter = QChar()) {
    return {FieldMethod::Delimited, 0, delimiter, separator};
}
CutSettings tabs() { return {FieldMethod::Tab, 0, QChar(), QChar()}; }

QList<ImportRecord> cut(const QStringList& lines, const CutSettings& settings) {
    TextProblem problem;
    const auto records = cutImportRecords(linesOf(lines), settings, problem);
    EXPECT_TRUE(records.has_value()) << problem.line << " " << problem.message.toStdString();
    return records.value_or(QList<ImportRecord>());
}

TEST(CutSettingsTest, ReadyOnlyWhenTheMethodIsComplete) {
    struct Case {
        CutSettings settings;
        bool ready;
    };
    const Case cases[] = {
        {CutSettings{}, false},           {fixed(0), false},          {fixed(1), true},
        {delimited(QChar()), false},      {delimited(','), true},     {delimited(',', '"'), true},
        {delimited(',', ','), false},     {tabs(), true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.settings.isReady(), c.ready) << int(c.settings.method);
}

TEST(RecordCuttingTest, OneLineRecords) {
    struct Case {
        const char* name;
        QString line;
        CutSettings settings;
        QStringList fields;
        bool droppedTail;
    };
    const Case cases[] = {
        {"fixed 5 on 12 characters", "abcdefghijkl", fixed(5), {"abcde", "fghij"}, true},
        {"fixed, whole pieces", "ab cd ", fixed(3), {"ab ", "cd "}, false},
        {"fixed, shorter than one piece", "ab", fixed(3), {}, true},
        {"tab, empty middle", "a\t\tc", tabs(), {"a", "", "c"}, false},
        {"tab, trailing", "a\tb\t", tabs(), {"a", "b", ""}, false},
        {"separator only", "Smith, Jr,Cody", delimited(','), {"Smith", " Jr", "Cody"}, false},
        {"delimiter keeps the separator", "\"Smith, Jr\",Cody", delimited(',', '"'), {"Smith, Jr", "Cody"}, false},
        {"doubled delimiter", "\"say \"\"hi\"\"\",x", delimited(',', '"'), {"say \"hi\"", "x"}, false},
        {"not opened by the delimiter", "ab\"c,\"d\"", delimited(',', '"'), {"ab\"c", "d"}, false},
        {"text after closing", "\"ab\"c,d", delimited(',', '"'), {"abc", "d"}, false},
        {"empty values", ",\"\",", delimited(',', '"'), {"", "", ""}, false},
        {"tilde delimiter, hyphen separator", "~a-b~-c", delimited('-', '~'), {"a-b", "c"}, false},
    };
    for (const Case& c : cases) {
        const QList<ImportRecord> records = cut({c.line}, c.settings);
        ASSERT_EQ(records.size(), 1) << c.name;
        EXPECT_EQ(records[0].fields, c.fields) << c.name;
        EXPECT_EQ(records[0].droppedTail, c.droppedTail) << c.name;
        EXPECT_EQ(records[0].text, c.line) << c.name;
        EXPECT_EQ(splitPreview(c.line, c.settings), c.fields) << c.name;
    }
}

TEST(RecordCuttingTest, EmptyLinesAreSkippedAndLinesStayTrue) {
    for (const CutSettings& settings : {fixed(1), delimited(','), delimited(',', '"'), tabs()}) {
        const QList<ImportRecord> records = cut({"", "a", "", "", "b", ""}, settings);
        ASSERT_EQ(records.size(), 2) << int(settings.method);
        EXPECT_EQ(records[0].firstLine, 2);
        EXPECT_EQ(records[1].firstLine, 5);
    }
}

TEST(RecordCuttingTest, DelimitedValuesSpanLines) {
    const QList<ImportRecord> records =
        cut({"\"Smith\",\"12 Elm St", "", "Apt 3\",x", "next,\"one\""}, delimited(',', '"'));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].fields, QStringList({"Smith", "12 Elm St\n\nApt 3", "x"}));
    EXPECT_EQ(records[0].firstLine, 1);
    EXPECT_EQ(records[0].text, "\"Smith\",\"12 Elm St\n\nApt 3\",x");
    EXPECT_EQ(records[1].fields, QStringList({"next", "one"}));
    EXPECT_EQ(records[1].firstLine, 4);
}

TEST(RecordCuttingTest, AnUnclosedValueNamesTheLineItOpened) {
    TextProblem problem;
    const auto records = cutImportRecords(linesOf({"a,b", "c,\"open", "more", "end"}), delimited(',', '"'), problem);
    EXPECT_FALSE(records.has_value());
    EXPECT_EQ(problem.line, 2);
    EXPECT_TRUE(problem.message.contains("never closed")) << problem.message.toStdString();
    EXPECT_TRUE(splitPreview("\"open", delimited(',', '"')).isEmpty());
}

TEST(RecordCuttingTest, SettingsNotReadyAreRefused) {
    TextProblem problem;
    EXPECT_FALSE(cutImportRecords(linesOf({"a"}), delimited(QChar()), problem).has_value());
    EXPECT_FALSE(problem.message.isEmpty());
    EXPECT_TRUE(splitPreview("a,b", delimited(QChar())).isEmpty());
}

TEST(ImportTextDecodeTest, LinesAndCharsets) {
    struct Case {
        const char* name;
        QByteArray bytes;
        std::optional<TextCharset> told;
        QStringList lines;
        TextCharset charset;
    };
    const Case cases[] = {
        {"CR LF, CR, LF, last without end", "a\r\nb\rc\nd", std::nullopt, {"a", "b", "c", "d"}, TextCharset::Windows1252},
        {"empty lines kept", "a\n\n\nb\n", std::nullopt, {"a", "", "", "b"}, TextCharset::Windows1252},
        {"empty file", "", std::nullopt, {}, TextCharset::Windows1252},
        {"valid UTF-8", "Mu\xC3\xB1oz\n", std::nullopt, {QString::fromUtf8("Mu\xC3\xB1oz")}, TextCharset::Utf8},
        {"BOM dropped", "\xEF\xBB\xBFx,y\r\n", std::nullopt, {"x,y"}, TextCharset::Utf8},
        {"Windows-1252", "Mu\xF1oz \x80", std::nullopt, {QString::fromUtf8("Mu\xC3\xB1oz \xE2\x82\xAC")}, TextCharset::Windows1252},
        {"told Windows-1252", "Mu\xC3\xB1oz", TextCharset::Windows1252, {QString::fromUtf8("Mu\xC3\x83\xC2\xB1oz")}, TextCharset::Windows1252},
        {"told UTF-8", "\xEF\xBB\xBFMu\xC3\xB1oz", TextCharset::Utf8, {QString::fromUtf8("Mu\xC3\xB1oz")}, TextCharset::Utf8},
    };
    for (const Case& c : cases) {
        TextProblem problem;
        const auto file = decodeImportText(c.bytes, c.told, problem);
        ASSERT_TRUE(file.has_value()) << c.name;
        EXPECT_EQ(file->lines, c.lines) << c.name;
        EXPECT_EQ(file->charset, c.charset) << c.name;
    }
}

TEST(ImportTextDecodeTest, RefusalsNameTheLine) {
    struct Case {
        const char* name;
        QByteArray bytes;
        std::optional<TextCharset> told;
        int line;
    };
    const Case cases[] = {
        {"NUL byte", QByteArray("a\r\nb\r\nc\0d\n", 10), std::nullopt, 3},
        {"NUL byte in UTF-8", QByteArray("\xEF\xBB\xBF\n\0", 5), TextCharset::Utf8, 2},
        {"told UTF-8, invalid", "ok\nMu\xF1oz\n", TextCharset::Utf8, 2},
    };
    for (const Case& c : cases) {
        TextProblem problem;
        EXPECT_FALSE(decodeImportText(c.bytes, c.told, problem).has_value()) << c.name;
        EXPECT_EQ(problem.line, c.line) << c.name;
        EXPECT_EQ(textProblemMessage("in.txt", problem),
                  QStringLiteral("in.txt, line %1: %2").arg(c.line).arg(problem.message)) << c.name;
    }
}

TEST(ImportTextDecodeTest, ReadsAFileAndNamesOneItCannotRead) {
    test::TempFolder folder;
    const QString path = folder.path() + "/in.txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Smith,Ann\r\nJones,Bo\r\n");
    file.close();
    TextProblem problem;
    const auto read = readImportText(path, std::nullopt, problem);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->lines, QStringList({"Smith,Ann", "Jones,Bo"}));

    for (const QString& bad : {folder.path() + "/missing.txt", folder.path()}) {
        EXPECT_FALSE(readImportText(bad, std::nullopt, problem).has_value());
        EXPECT_EQ(problem.line, 0);
        EXPECT_TRUE(problem.message.contains(bad)) << problem.message.toStdString();
    }
}

}  // namespace
