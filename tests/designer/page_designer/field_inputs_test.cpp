#include "designer/page_designer/field_inputs.h"

#include "designer/page_designer/field_sizes.h"
#include "fixed_measure.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

const test::FixedMeasure measure;

FieldInputs named(const QString& name) {
    FieldInputs in;
    in.name = name;
    return in;
}

FieldInputs textField(const QString& name, int size, CharacterType type) {
    FieldInputs in = named(name);
    in.size = size;
    in.characterType = type;
    return in;
}

FieldInputs radioGroup(const QString& title, std::initializer_list<std::pair<int, QString>> buttons) {
    FieldInputs in = named(title);
    for (const auto& [number, caption] : buttons) in.buttons[number - 1] = caption;
    return in;
}

FieldInputs label(const QString& text, int width) {
    FieldInputs in = named(text);
    in.labelWidth = width;
    return in;
}

FieldInputs table(int columns, int rows, int size, const QString& title, const QString& rowName) {
    FieldInputs in = named("Scores");
    in.table.columnCount = columns;
    in.table.rowCount = rows;
    in.table.columns[1] = {size, title};
    in.table.rowNames[0] = rowName;
    return in;
}

}  // namespace

TEST(FieldInputsTest, PlaceButtonNeedsWhatEachKindRequires) {
    struct Case {
        const char* what;
        FieldKind kind;
        FieldInputs inputs;
        bool enabled;
    };
    const Case cases[] = {
        {"text field complete", FieldKind::Text, textField("Name", 10, CharacterType::Both), true},
        {"text field without size", FieldKind::Text, textField("Name", 0, CharacterType::Both), false},
        {"text field without character type", FieldKind::Text, textField("Name", 10, CharacterType::None), false},
        {"text field without name", FieldKind::Text, textField("", 10, CharacterType::Both), false},
        {"memo with name", FieldKind::Memo, named("Notes"), true},
        {"check box without name", FieldKind::CheckBox, named(""), false},
        {"link with address", FieldKind::Link, named("a@b.org"), true},
        {"radio group with button 2", FieldKind::RadioGroup, radioGroup("", {{2, "Two"}}), true},
        {"radio group with button 1 only", FieldKind::RadioGroup, radioGroup("Size", {{1, "One"}}), false},
        {"label with text and width", FieldKind::Label, label("Hello", 10), true},
        {"label without width", FieldKind::Label, label("Hello", 0), false},
        {"table complete", FieldKind::Table, table(1, 1, 5, "Col", "Row"), true},
        {"table without column title", FieldKind::Table, table(1, 1, 5, "", "Row"), false},
        {"table without column size", FieldKind::Table, table(1, 1, 0, "Col", "Row"), false},
        {"table without row name", FieldKind::Table, table(1, 1, 5, "Col", ""), false},
        {"table without counts", FieldKind::Table, table(0, 0, 5, "Col", "Row"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(canPlace(c.kind, c.inputs), c.enabled) << c.what;
}

TEST(FieldInputsTest, SizesFollowTheKind) {
    struct Case {
        const char* what;
        FieldKind kind;
        FieldInputs inputs;
        QSize expected;
    };
    const Case cases[] = {
        {"text field of 10 characters", FieldKind::Text, textField("Name", 10, CharacterType::Both), {110, 21}},
        {"check box: caption + 18", FieldKind::CheckBox, named("Agree"), {5 * 6 + 18, 21}},
        {"radio group: widest button + 36", FieldKind::RadioGroup, radioGroup("Ab", {{1, "Red"}, {2, "Green"}}),
         {5 * 6 + 36, 17 * 2 + 17}},
        {"radio group: title - 8 when wider", FieldKind::RadioGroup, radioGroup("Favourite colour", {{2, "Red"}}),
         {16 * 6 - 8 + 36, 17 * 1 + 17}},
        {"radio group: empty captions are skipped", FieldKind::RadioGroup,
         radioGroup("", {{1, "A"}, {2, "B"}, {4, "D"}}), {6 + 36, 17 * 3 + 17}},
        {"label of 20 characters a line", FieldKind::Label, label("Hello", 20), {210, 21}},
        {"link: address length + 1", FieldKind::Link, named("a@b.org"), {80, 21}},
        {"table", FieldKind::Table, table(1, 1, 5, "Col", "Row"), {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(fieldSize(c.kind, c.inputs, measure), c.expected) << c.what;
}

TEST(FieldInputsTest, TableColumnZeroIsItsWidestTextPlusFive) {
    FieldInputs in = table(1, 2, 5, "Col", "Row one");
    in.table.rowNames[1] = "Second row";
    in.table.rowNames[2] = "Row beyond the count";
    EXPECT_EQ(tableFromInputs(in, measure).columns[0].size, 10 * 6 + 5);
    EXPECT_EQ(tableFromInputs(in, measure).name, "Scores");
}

TEST(FieldInputsTest, CheckingKeepsInputsWithinWhatFitsThePage) {
    const FieldInputs tooLong = textField("Name", 82, CharacterType::Both);
    const CheckedInputs text = checkInputs(FieldKind::Text, {}, tooLong, measure);
    EXPECT_EQ(text.inputs.size, 81);
    EXPECT_EQ(text.notice, InputNotice::TooWide);
    EXPECT_EQ(checkInputs(FieldKind::Text, {}, textField("Name", 81, CharacterType::Both), measure).notice,
              InputNotice::None);

    const CheckedInputs longLabel = checkInputs(FieldKind::Label, {}, label(QString(70, 'x'), 90), measure);
    EXPECT_EQ(longLabel.inputs.name.size(), 60);
    EXPECT_EQ(longLabel.inputs.labelWidth, 81);
}

TEST(FieldInputsTest, TableCountsOutsideTheirRangesStayWithoutEffect) {
    const FieldInputs before = table(3, 4, 5, "Col", "Row");
    const CheckedInputs checked = checkInputs(FieldKind::Table, before, table(6, 11, 5, "Col", "Row"), measure);
    EXPECT_EQ(checked.inputs.table.columnCount, 3);
    EXPECT_EQ(checked.inputs.table.rowCount, 4);
}

TEST(FieldInputsTest, AColumnSizeThatMakesTheTableTooWideIsKeptAndReported) {
    FieldInputs before = table(5, 1, 10, "Col", "Row");
    FieldInputs after = before;
    for (int c = 1; c <= 5; ++c) after.table.columns[c].size = 16;  // 5 x 163 + "Scores"/"Row" column > 824
    const CheckedInputs checked = checkInputs(FieldKind::Table, before, after, measure);
    EXPECT_EQ(checked.notice, InputNotice::TableTooWide);
    EXPECT_EQ(checked.inputs.table.columns[5].size, 16);
    EXPECT_EQ(checkInputs(FieldKind::Table, before, before, measure).notice, InputNotice::None);
}

TEST(FieldInputsTest, ModifyViewReadsTheStoredDefinition) {
    FieldDefinition text;
    text.kind = FieldKind::Text;
    text.width = 110;
    text.hasList = text.exclusive = true;
    const FieldInputs textInputs = inputsFromDefinition(text, {});
    EXPECT_EQ(textInputs.size, 10);
    EXPECT_TRUE(textInputs.exclusiveList);
    EXPECT_FALSE(textInputs.standardList);

    FieldDefinition stored;
    stored.kind = FieldKind::Label;
    stored.width = 210;
    stored.size = 1;
    const FieldInputs labelInputs = inputsFromDefinition(stored, {});
    EXPECT_EQ(labelInputs.labelWidth, 20);
    EXPECT_EQ(labelInputs.fontSize, 8);
    EXPECT_TRUE(labelInputs.bold);
}
