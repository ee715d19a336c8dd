#include "interchange/files/map_file.h"

#include "interchange/files/settings_lines.h"
#include "interchange/files/text_file_settings.h"
#include "small_list.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vn;

namespace {

struct MapFileTest : ::testing::Test {
    MapFileTest() {
        test::addSmallList(store.access);
        definitions = LoadDefinitions(store.access, "abc");
    }
    test::StoreFixture store;
    DefinitionCache definitions;
};

struct Case {
    const char* text;
    int refusedLine;  // 0: accepted
    const char* message;
};

void expectCases(const QList<Case>& cases, const std::function<bool(const QString&, MapFileProblem&)>& parse) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MapFileProblem problem;
        const bool accepted = parse(QString::fromUtf8(c.text), problem);
        EXPECT_EQ(accepted, c.refusedLine == 0) << problem.message.toStdString();
        if (accepted) continue;
        EXPECT_EQ(problem.line, c.refusedLine);
        EXPECT_TRUE(problem.message.contains(QString::fromUtf8(c.message))) << problem.message.toStdString();
    }
}

TEST_F(MapFileTest, MapLinesAreAcceptedOrRefusedNamingTheirLine) {
    const QList<Case> cases = {
        {"# heading\r\n\r\n  method = DELIMITED \r\ndelimiter = \"\nseparator = ,\nskip = 1\ncharset = utf-8\n"
         "1 = Last\n2 = page 1: name\n2 = page 1 text 2\n120 = page 1 TEXT 4", 0, ""},
        {"method = fixed\rsize = 32767\r3 = zip", 0, ""},
        {"delimiter = none\nseparator = tab\nselection = index", 0, ""},
        {"delimiter = #\nseparator = space", 0, ""},
        {"bogus = 1", 1, "\"bogus\" is neither a setting"},
        {"field = Last", 1, "is neither a setting"},
        {"just words", 1, "Expected \"name = value\""},
        {"= Last", 1, "no name"},
        {"method = fixed\nmethod = tab", 2, "\"method\" is given twice"},
        {"method = csv", 1, "\"method\" must be one of: fixed, delimited, tab"},
        {"size = 0", 1, "from 1 to 32767"},
        {"size = 32768", 1, "from 1 to 32767"},
        {"size = 1x", 1, "whole number"},
        {"size = -1", 1, "whole number"},
        {"skip = -1", 1, "from 0"},
        {"delimiter = ab", 1, "one character, tab, space or none"},
        {"separator = none", 1, "one character, tab, space."},
        {"separator =", 1, "one character"},
        {"delimiter = ,\nseparator = ,", 2, "must differ"},
        {"separator = tab\ndelimiter = TAB", 2, "must differ"},
        {"charset = latin1", 1, "windows-1252, utf-8"},
        {"selection = value", 1, "text, index"},
        {"0 = Last", 1, "import field number from 1 to 120"},
        {"121 = Last", 1, "import field number from 1 to 120"},
        {"1 = Nobody", 1, "\"Nobody\" names no field"},
        {"1 = Last\n\n2 =   LAST ", 3, "\"LAST\" is already filled by import field 1"},
        {"1 = page 1 check 1", 1, "header fields and page text fields only"},
        {"1 = page 1 memo", 1, "header fields and page text fields only"},
        {"1 = page 2 cell 1,1", 1, "header fields and page text fields only"},
        {"1 = page 7 text 1", 1, "Pages are numbered 1 to 6"},
        {"1 = page 1: City", 1, "Page 1 has 2 fields captioned \"City\""},
        {"1 = page 1: Old", 1, "Page 1 has no field captioned \"Old\""},
        {"1 = page 1 text 5", 1, "Page 1 has no text field 5"},
        {"1 = page 1: Heading", 1, "no field captioned"},
        {"1 = page 2 text 1", 1, "Page 2 has no text field 1"},
    };
    expectCases(cases, [&](const QString& text, MapFileProblem& problem) { return parseMapFile(text, definitions, problem).has_value(); });
}

TEST_F(MapFileTest, LayoutLinesAreAcceptedOrRefusedNamingTheirLine) {
    const QList<Case> cases = {
        {"method = tab\nselection = text\nfield = Last\nfield = page 2 cell 3,2\nfield = page 1 memo\nfield = page 1 radio 1", 0, ""},
        {"FIELD = page 1: member\nfield = page 1 check 2", 0, ""},
        {"field = Last\nfield = LAST", 2, "\"LAST\" is in the layout twice"},
        {"field = page 1 check 1\nfield = page 1: Member", 2, "in the layout twice"},
        {"field = page 2 cell 4,1", 1, "The table of page 2 has no cell 4,1: it has 3 rows and 2 columns"},
        {"field = page 2 cell 1,3", 1, "no cell 1,3"},
        {"field = page 2 cell 0,1", 1, "no cell 0,1"},
        {"field = page 1 cell 1,1", 1, "Page 1 has no table"},
        {"field = page 2 memo", 1, "Page 2 has no memo field"},
        {"1 = Last", 1, "\"1\" is neither a setting"},
        {"field = page 1 radio 2", 1, "Page 1 has no radio field 2"},
    };
    expectCases(cases, [&](const QString& text, MapFileProblem& problem) { return parseLayoutFile(text, definitions, problem).has_value(); });
}

TEST_F(MapFileTest, FieldsResolveToTheirColumnsWithTheCaptionsTheExportViewShows) {
    MapFileProblem problem;
    const auto layout = parseLayoutFile(
        "field = m.i.\nfield = page 1: phone\nfield =   PAGE 1   CHECK 1\nfield = page 1 radio 1\n"
        "field = page 2 cell 3, 2\nfield = page 1 memo\nfield = page 1 text 4",
        definitions, problem);
    ASSERT_TRUE(layout) << problem.message.toStdString();
    struct Expected { FieldRef field; const char* caption; bool hasList; };
    const QList<Expected> expected = {{{0, 3}, "M.I.", false},   {{1, 2}, "Phone", true},       {{1, 21}, "Member", false},
                                      {{1, 61}, "Size", false},  {{2, 82}, "T:2C:2R:3", false}, {{1, 121}, "Notes", false},
                                      {{1, 4}, "City", false}};
    ASSERT_EQ(layout->order.size(), expected.size());
    for (int i = 0; i < layout->order.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout->order[i].field, expected[i].field);
        EXPECT_EQ(layout->order[i].caption, expected[i].caption);
        EXPECT_EQ(layout->order[i].hasList, expected[i].hasList);
    }

    const auto map = parseMapFile("5 = page 1: phone\n5 = Zip\n7 = page 1 text 4", definitions, problem);
    ASSERT_TRUE(map) << problem.message.toStdString();
    EXPECT_EQ(map->mapping.targetsOf(5), (QList<FieldRef>{{0, 15}, {1, 2}}));
    EXPECT_EQ(map->mapping.targetsOf(7), (QList<FieldRef>{{1, 4}}));
}

void expectSameSettings(const TextFileSettings& a, const TextFileSettings& b) {
    EXPECT_EQ(a.method, b.method);
    EXPECT_EQ(a.size, b.size);
    EXPECT_EQ(a.delimiter, b.delimiter);
    EXPECT_EQ(a.separator, b.separator);
    EXPECT_EQ(a.skip, b.skip);
    EXPECT_EQ(a.charset, b.charset);
    EXPECT_EQ(a.selection, b.selection);
}

TEST_F(MapFileTest, WrittenFilesReadBackAsTheSameSettingsAndFields) {
    const QList<TextFileSettings> settings = {
        {FieldMethod::Delimited, std::nullopt, QChar(), QChar(u'\t'), 2, TextCharset::Utf8, std::nullopt},
        {FieldMethod::Delimited, 3, QChar(u'#'), QChar(u' '), 0, TextCharset::Windows1252, SelectionOutput::Index},
        {FieldMethod::FixedLength, 12, std::nullopt, std::nullopt, std::nullopt, std::nullopt, SelectionOutput::Text},
        {},
    };
    ImportMapping mapping;
    mapping.map(3, {0, 4});
    mapping.map(3, {1, 1});
    mapping.map(1, {1, 4});
    mapping.map(120, {0, 1});
    QList<OrderEntry> order;
    for (FieldRef field : {FieldRef{2, 82}, FieldRef{0, 15}, FieldRef{1, 121}, FieldRef{1, 22}, FieldRef{1, 61}, FieldRef{1, 2}})
        order << OrderEntry{fieldCaption(definitions, field), field, field == FieldRef{1, 2}};

    for (const TextFileSettings& s : settings) {
        MapFileProblem problem;
        const QString mapText = mapFileText(s, mapping);
        EXPECT_TRUE(mapText.startsWith("# ")) << mapText.toStdString();
        const auto map = parseMapFile(mapText, definitions, problem);
        ASSERT_TRUE(map) << mapText.toStdString() << problem.message.toStdString();
        expectSameSettings(map->settings, s);
        EXPECT_EQ(map->mapping.mappedFields(), mapping.mappedFields());
        for (int field : mapping.mappedFields()) EXPECT_EQ(map->mapping.targetsOf(field), mapping.targetsOf(field));

        const QString layoutText = layoutFileText(s, order);
        const auto layout = parseLayoutFile(layoutText, definitions, problem);
        ASSERT_TRUE(layout) << layoutText.toStdString() << problem.message.toStdString();
        expectSameSettings(layout->settings, s);
        ASSERT_EQ(layout->order.size(), order.size());
        for (int i = 0; i < order.size(); ++i) {
            EXPECT_EQ(layout->order[i].field, order[i].field);
            EXPECT_EQ(layout->order[i].caption, order[i].caption);
            EXPECT_EQ(layout->order[i].hasList, order[i].hasList);
        }
    }
}

TEST_F(MapFileTest, FileBytesMustBeUtf8WithoutNulBytes) {
    const QList<std::pair<QByteArray, int>> cases = {
        {"\xEF\xBB\xBFmethod = tab\r\n1 = Last\r\n", 0},
        {"1 = Last\n2 = page 1: Caf\xC3\xA9\n", 0},  // well-formed; the caption is simply unknown later
        {"method = tab\r\n1 = Last\r\n2 = Caf\xE9\r\n", 3},
        {QByteArray("method = tab\r1 = La\0st", 22), 2},
        {"\n\n\n\xFF", 4},
    };
    for (const auto& [bytes, line] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        MapFileProblem problem;
        const auto text = decodeSettingsFile(bytes, problem);
        EXPECT_EQ(text.has_value(), line == 0);
        if (!text) {
            EXPECT_EQ(problem.line, line) << problem.message.toStdString();
        }
    }

    MapFileProblem problem;
    EXPECT_FALSE(parseMapFile(QStringLiteral("method = tab\n1 = Last") + QChar(0), definitions, problem));
    EXPECT_EQ(problem.line, 2);
    EXPECT_TRUE(problem.message.contains("NUL")) << problem.message.toStdString();

    const QString path = QDir(store.dataFolder()).filePath("import.map");
    EXPECT_FALSE(readMapFile(path, definitions, problem));
    EXPECT_EQ(problem.line, 0);
    EXPECT_TRUE(problem.message.startsWith("The file cannot be read")) << problem.message.toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF# saved\r\nmethod = tab\r\n4 = page 1: Name\r\n5 = Caf\xE9\r\n");
    file.close();
    EXPECT_FALSE(readMapFile(path, definitions, problem));
    EXPECT_EQ(problem.line, 4);
    EXPECT_FALSE(readLayoutFile(path, definitions, problem));
    EXPECT_EQ(problem.line, 4);  // the bytes are judged before any line is read
}

TEST(TextFileSettingsTest, AMethodNeedsItsSizeOrSeparator) {
    struct Row { TextFileSettings settings; const char* missing; };
    const QList<Row> rows = {
        {{}, "No \"method\""},
        {{FieldMethod::FixedLength, std::nullopt, {}, {}, {}, {}, {}}, "needs a \"size\""},
        {{FieldMethod::Delimited, std::nullopt, QChar(u'"'), std::nullopt, {}, {}, {}}, "needs a \"separator\""},
        {{FieldMethod::Tab, std::nullopt, {}, {}, {}, {}, {}}, ""},
        {{FieldMethod::Delimited, std::nullopt, std::nullopt, QChar(u';'), {}, {}, {}}, ""},
    };
    for (const Row& row : rows) {
        QString message;
        const auto cut = cutSettingsOf(row.settings, message);
        EXPECT_EQ(cut.has_value(), QString(row.missing).isEmpty()) << row.missing;
        if (cut) {
            EXPECT_TRUE(cut->isReady());
        } else {
            EXPECT_TRUE(message.contains(row.missing)) << message.toStdString();
        }
    }
}

}  // namespace
