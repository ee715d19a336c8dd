#include "lists/definitions/definition_writer.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_reader.h"
#include "definition_rows.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace vn;
using namespace vn::definition_tables;

namespace {

constexpr int kLastFdisField = fdis::kColour;
const QString kUntouched = "9";

// A definition with every field set, whatever its kind uses.
FieldDefinition everyField(FieldKind kind, const QString& key = "abc101") {
    FieldDefinition d;
    d.key = key;
    d.active = true;
    d.kind = kind;
    d.slot = 1;
    d.caption = "Caption";
    d.top = 100;
    d.left = 200;
    d.width = 130;
    d.height = 21;
    d.tabOrder = 4;
    d.required = d.readOnly = d.exclusive = d.listLocked = true;
    d.hasList = false;
    d.characterType = CharacterType::Digits;
    d.setButton(1, "One");
    d.setButton(2, "Two");
    d.setButton(4, "Four");
    d.buttonCount = 7;
    d.dataSet = 3;
    d.dataSetField = 5;
    d.size = 12;
    d.fontSize = 14;
    d.colour = 10;
    return d;
}

struct DefinitionWriterTest : ::testing::Test {
    // An existing row with every field at a value no write produces.
    void putUntouchedRow(const QString& key) {
        access.EnsureRecord(kFdisSlot, key);
        for (int field = 1; field <= kLastFdisField; ++field) access.SetFieldText(kFdisSlot, field, kUntouched);
    }
    std::map<int, QString> changedFields(const QString& key) {
        std::map<int, QString> changed;
        EXPECT_TRUE(access.FindRecord(kFdisSlot, key));
        for (int field = 1; field <= kLastFdisField; ++field) {
            const QString value = access.GetFieldText(kFdisSlot, field);
            if (value != kUntouched) changed[field] = value;
        }
        return changed;
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(DefinitionWriterTest, EachKindWritesExactlyItsOwnFields) {
    const std::map<int, QString> placement{{4, "Caption"}, {5, "100"}, {6, "200"}, {7, "130"}};
    auto with = [&](std::map<int, QString> more) {
        more.insert(placement.begin(), placement.end());
        return more;
    };
    struct Case {
        FieldKind kind;
        std::map<int, QString> written;
    };
    const Case cases[] = {
        {FieldKind::Text, with({{8, "21"}, {10, "1"}, {11, "3"}, {12, "1"}, {24, "1"}, {27, "12"}, {28, "1"}, {29, "1"}})},
        {FieldKind::Memo, with({{8, "21"}})},
        {FieldKind::CheckBox, with({{27, "10"}})},
        {FieldKind::RadioGroup, with({{8, "21"}, {13, "3"}, {14, "One"}, {15, "Two"}, {16, ""}, {17, "Four"}, {18, ""},
                                      {19, ""}, {20, ""}, {21, ""}, {22, ""}, {23, ""}, {27, "4"}})},
        {FieldKind::Label, with({{27, "12"}, {30, "14"}, {31, "10"}})},
        {FieldKind::Link, with({{27, "2"}, {30, "14"}, {31, "10"}})},
        {FieldKind::Table, {{5, "100"}, {6, "200"}}},
        {FieldKind::None, {}},
    };
    for (const Case& c : cases) {
        putUntouchedRow("abc101");
        EXPECT_TRUE(WriteDefinition(access, everyField(c.kind)));
        EXPECT_EQ(changedFields("abc101"), c.written) << "kind " << int(c.kind);
    }
}

TEST_F(DefinitionWriterTest, DerivedFieldsFollowTheirSources) {
    putUntouchedRow("abc101");
    FieldDefinition text = everyField(FieldKind::Text);
    text.exclusive = false;
    ASSERT_TRUE(WriteDefinition(access, text));
    EXPECT_EQ(changedFields("abc101").at(fdis::kHasList), "0");  // neither a list nor exclusive

    FieldDefinition check = everyField(FieldKind::CheckBox);
    check.caption = "Owns a boat license";
    ASSERT_TRUE(WriteDefinition(access, check));
    EXPECT_EQ(changedFields("abc101").at(fdis::kSize), "19");  // longer than the minimum of 10

    FieldDefinition radio = everyField(FieldKind::RadioGroup);
    radio.buttons = {};
    ASSERT_TRUE(WriteDefinition(access, radio));
    EXPECT_EQ(changedFields("abc101").at(fdis::kButtonCount), "0");
}

TEST_F(DefinitionWriterTest, RadioGroupCountsFilledButtonsAndKeepsTheirPlaces) {
    putUntouchedRow("abc101");
    ASSERT_TRUE(WriteDefinition(access, everyField(FieldKind::RadioGroup)));
    const FieldDefinition read = *ReadDefinition(access, "abc101");
    EXPECT_EQ(read.buttonCount, 3);
    EXPECT_EQ(read.buttons[3], "Four");
    EXPECT_EQ(read.buttons[2], "");
    EXPECT_EQ(read.shownButtons(), (QList<int>{1, 2, 4}));
}

TEST_F(DefinitionWriterTest, EveryKindComesBackFromTheTablesAsWritten) {
    auto base = [](FieldKind kind, int number, int slot) {
        FieldDefinition d;
        d.key = definitionKey("abc", 2, number);
        d.active = true;
        d.kind = kind;
        d.slot = slot;
        d.top = 40 + number;
        d.left = 60;
        return d;
    };
    FieldDefinition text = base(FieldKind::Text, 1, 1);
    text.caption = "Last Name";
    text.width = 310;
    text.height = 21;
    text.required = text.hasList = text.listLocked = true;
    text.characterType = CharacterType::Letters;
    text.size = 30;
    text.dataSet = 2;
    text.dataSetField = 4;
    FieldDefinition memo = base(FieldKind::Memo, 2, 1);
    memo.caption = "Notes";
    memo.width = 400;
    memo.height = 120;
    FieldDefinition check = base(FieldKind::CheckBox, 3, 2);
    check.caption = "Veteran";
    check.width = 88;
    check.size = 10;
    FieldDefinition radio = base(FieldKind::RadioGroup, 4, 1);
    radio.caption = "Shirt size";
    radio.width = 120;
    radio.height = 68;
    radio.setButton(1, "Small");
    radio.setButton(2, "Medium");
    radio.setButton(3, "Large");
    radio.buttonCount = 3;
    radio.size = 6;
    FieldDefinition label = base(FieldKind::Label, 5, 1);
    label.caption = "Household";
    label.width = 100;
    label.size = 1;
    label.fontSize = 10;
    label.colour = 5;
    FieldDefinition link = base(FieldKind::Link, 6, 1);
    link.caption = "https://example.org";
    link.width = 200;
    link.size = 2;
    link.fontSize = 12;
    link.colour = 13;
    FieldDefinition table = base(FieldKind::Table, 7, 1);
    TableConstruction construction;
    construction.name = "Children";
    construction.columnCount = 2;
    construction.rowCount = 3;
    construction.columns[0] = {75, ""};
    construction.columns[1] = {20, "Name"};
    construction.columns[2] = {3, "Age"};
    construction.rowNames = {"First", "Second", "Third"};

    for (const FieldDefinition* d : {&text, &memo, &check, &radio, &label, &link, &table}) {
        ASSERT_TRUE(CreateDefinition(access, *d));
        ASSERT_TRUE(WriteDefinition(access, *d, &construction));
    }
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    for (const FieldDefinition* d : {&text, &memo, &check, &radio, &label, &link, &table})
        EXPECT_EQ(cache.definition(2, d->number()), *d) << d->key.toStdString();
    EXPECT_EQ(cache.tableConstruction(2), construction);
    EXPECT_EQ(cache.tableConstruction(1), TableConstruction{});
}

TEST_F(DefinitionWriterTest, ShrinkingATableKeepsTheColumnsAndRowsBeyondItsCounts) {
    FieldDefinition d = everyField(FieldKind::Table, "abc301");
    ASSERT_TRUE(CreateDefinition(access, d));
    TableConstruction wide;
    wide.name = "Visits";
    wide.columnCount = 4;
    wide.rowCount = 5;
    for (int c = 0; c <= 4; ++c) wide.columns[c] = {10 + c, QStringLiteral("Column %1").arg(c)};
    for (int r = 0; r < 5; ++r) wide.rowNames[r] = QStringLiteral("Row %1").arg(r + 1);
    ASSERT_TRUE(WriteDefinition(access, d, &wide));

    TableConstruction narrow;
    narrow.name = "Visits";
    narrow.columnCount = 2;
    narrow.rowCount = 3;
    for (int c = 0; c <= 2; ++c) narrow.columns[c] = {30 + c, QStringLiteral("New %1").arg(c)};
    narrow.rowNames = {"A", "B", "C"};
    ASSERT_TRUE(WriteDefinition(access, d, &narrow));

    TableConstruction expected = narrow;
    expected.columns[3] = wide.columns[3];
    expected.columns[4] = wide.columns[4];
    expected.rowNames[3] = "Row 4";
    expected.rowNames[4] = "Row 5";
    EXPECT_EQ(ReadTableConstruction(access, "abc301"), expected);
}

TEST_F(DefinitionWriterTest, AMissingRowIsNeverCreated) {
    TableConstruction construction;
    construction.name = "Ghost";
    EXPECT_FALSE(WriteDefinition(access, everyField(FieldKind::Table, "abc105"), &construction));
    EXPECT_FALSE(WriteDefinition(access, everyField(FieldKind::Text, "abc105")));
    EXPECT_FALSE(WriteDefinition(access, FieldDefinition{}));
    EXPECT_EQ(store.keys(kFdisSlot), QStringList{});
    EXPECT_EQ(store.keys(kTdatSlot), QStringList{});
}

TEST_F(DefinitionWriterTest, CreatingARowSetsItsIdentityOnly) {
    FieldDefinition d = everyField(FieldKind::CheckBox, "abc412");
    d.slot = 7;
    ASSERT_TRUE(CreateDefinition(access, d));
    const std::map<int, QString> identity{{1, "1"}, {2, "3"}, {3, "7"}, {25, "3"}, {26, "5"}};
    std::map<int, QString> stored;
    ASSERT_TRUE(access.FindRecord(kFdisSlot, "abc412"));
    for (int field = 1; field <= kLastFdisField; ++field)
        if (const QString value = access.GetFieldText(kFdisSlot, field); !value.isEmpty()) stored[field] = value;
    EXPECT_EQ(stored, identity);

    for (const char* key : {"abc400", "abc484", "abc", ""}) {
        d.key = key;
        EXPECT_FALSE(CreateDefinition(access, d)) << key;
    }
    EXPECT_EQ(store.keys(kFdisSlot), QStringList{"abc412"});
}

TEST_F(DefinitionWriterTest, PageTitlesAreCutAndLoadBack) {
    ASSERT_TRUE(WritePageTitle(access, "ABC", 4, "Medical history"));
    ASSERT_TRUE(access.FindRecord(kFdisSlot, "abc400"));
    EXPECT_EQ(access.GetFieldText(kFdisSlot, 1), "0");
    EXPECT_EQ(access.GetFieldText(kFdisSlot, 2), "0");
    EXPECT_EQ(access.GetFieldText(kFdisSlot, 3), "0");
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    EXPECT_EQ(cache.pageTitle(4), "Medical hist");
    EXPECT_EQ(cache.definitionCount(4), 0);
    EXPECT_FALSE(WritePageTitle(access, "abc", 7, "Extra"));
    EXPECT_FALSE(WritePageTitle(access, "abc", 0, "Extra"));
    EXPECT_EQ(store.keys(kFdisSlot), QStringList{"abc400"});
}

}  // namespace
