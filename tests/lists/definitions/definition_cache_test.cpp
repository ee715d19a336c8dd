#include "lists/definitions/definition_cache.h"

#include "definition_rows.h"
#include "platform/printing/palette.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;
using namespace vn::definition_tables;

namespace {

struct DefinitionCacheTest : ::testing::Test {
    QList<int> numbers(const DefinitionCache& cache, int page) {
        QList<int> found;
        for (const FieldDefinition& d : cache.pageDefinitions(page)) found << d.number();
        return found;
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(DefinitionCacheTest, DeletedFieldsCountKeepTheirColumnAndMarkThePage) {
    for (int n = 1; n <= 5; ++n) test::putDefinition(access, definitionKey("abc", 1, n), 1, n);
    test::putRow(access, kFdisSlot, "abc103", {{fdis::kActive, "0"}});
    test::putDefinition(access, "abc201", 3, 1);

    const DefinitionCache cache = LoadDefinitions(access, "abc");
    EXPECT_EQ(cache.definitionCount(1), 5);
    EXPECT_EQ(cache.kindCount(1, FieldKind::Text), 5);
    EXPECT_EQ(cache.kindCount(1, FieldKind::CheckBox), 0);
    EXPECT_TRUE(cache.hasDeletedFields(1));
    EXPECT_FALSE(cache.hasDeletedFields(2));
    EXPECT_EQ(numbers(cache, 1), (QList<int>{1, 2, 3, 4, 5}));

    const FieldDefinition& deleted = cache.definition(1, 3);
    EXPECT_TRUE(deleted.exists());
    EXPECT_FALSE(deleted.active);
    EXPECT_EQ(deleted.recordColumn(), 3);
    EXPECT_FALSE(cache.definition(1, 6).exists());

    EXPECT_EQ(cache.definitionCount(2), 1);
    EXPECT_EQ(cache.kindCount(2, FieldKind::CheckBox), 1);
    EXPECT_EQ(cache.definition(2, 1).recordColumn(), 21);
}

TEST_F(DefinitionCacheTest, AnotherListStartsFromNothing) {
    test::putDefinition(access, "abc101", 1, 1, {{fdis::kCaption, "Name"}});
    test::putDefinition(access, "abc102", 3, 1);
    test::putRow(access, kFdisSlot, "abc100", {{fdis::kCaption, "Intro"}});
    test::putDefinition(access, "xyz201", 2, 1);

    const DefinitionCache first = LoadDefinitions(access, "abc");
    ASSERT_EQ(first.definitionCount(1), 2);
    const DefinitionCache second = LoadDefinitions(access, "XYZ");
    EXPECT_EQ(second.listCode(), "xyz");
    EXPECT_EQ(second.definitionCount(1), 0);
    EXPECT_FALSE(second.definition(1, 1).exists());
    EXPECT_EQ(second.definition(1, 1).caption, "");
    EXPECT_EQ(second.pageDefinitions(1), QList<FieldDefinition>{});
    EXPECT_EQ(second.pageTitle(1), "Page 1");
    EXPECT_EQ(second.kindCount(2, FieldKind::Memo), 1);
}

TEST_F(DefinitionCacheTest, PageTitlesFallBackToPageAndNumber) {
    test::putRow(access, kFdisSlot, "abc100", {{1, "0"}, {2, "0"}, {3, "0"}, {fdis::kCaption, "Intro"}});
    test::putRow(access, kFdisSlot, "abc200", {{1, "0"}, {2, "0"}, {3, "0"}});
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    EXPECT_EQ(cache.pageTitle(1), "Intro");
    EXPECT_EQ(cache.pageTitle(2), "Page 2");  // row without a title
    EXPECT_EQ(cache.pageTitle(3), "Page 3");  // no row
    EXPECT_EQ(cache.definitionCount(1), 0);   // title rows are no definitions
    EXPECT_EQ(DefinitionCache().pageTitle(6), "Page 6");
}

TEST_F(DefinitionCacheTest, StoredValuesReadAsTheOldProgramWroteThem) {
    test::putDefinition(access, "abc101", 1, 1,
                        {{fdis::kTabOrder, "-1"}, {fdis::kRequired, "2"}, {fdis::kReadOnly, "1"},
                         {fdis::kCharacterType, "9"}});
    test::putDefinition(access, "abc102", 9, 1);
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    const FieldDefinition& text = cache.definition(1, 1);
    EXPECT_EQ(text.tabOrder, 0);   // negative numbers read as 0
    EXPECT_FALSE(text.required);   // only 1 sets a flag
    EXPECT_TRUE(text.readOnly);
    EXPECT_EQ(text.characterType, CharacterType::None);
    EXPECT_EQ(cache.definition(1, 2).kind, FieldKind::None);
    EXPECT_EQ(cache.definitionCount(1), 2);
}

TEST_F(DefinitionCacheTest, LabelsAndLinksWithoutFontOrColourTakeTheirKindsDefaults) {
    struct Case {
        int kind;
        QString fontSize;
        QString colour;
        int shownSize;
        int shownColour;
    };
    const Case cases[] = {
        {5, "0", "0", 8, 1},     // a label: black at 8
        {5, "", "", 8, 1},
        {5, "14", "10", 14, 10},
        {5, "10", "17", 10, 1},  // outside the palette
        {6, "0", "0", 12, 13},   // a link: blue at 12
    };
    int n = 0;
    for (const Case& c : cases) {
        ++n;
        test::putDefinition(access, definitionKey("abc", 1, n), c.kind, n,
                            {{fdis::kFontSize, c.fontSize}, {fdis::kColour, c.colour}});
    }
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    n = 0;
    for (const Case& c : cases) {
        const FieldDefinition& d = cache.definition(1, ++n);
        EXPECT_EQ(d.shownFontSize(), c.shownSize) << n;
        EXPECT_EQ(d.shownColourIndex(), c.shownColour) << n;
        EXPECT_EQ(d.shownColour(), paletteColour(c.shownColour)) << n;
    }
    EXPECT_EQ(cache.definition(1, 1).shownColour(), 0xFF000000u);
}

TEST_F(DefinitionCacheTest, HelpFlagFollowsAHelpRowWithText) {
    test::putDefinition(access, "abc101", 1, 1);
    test::putDefinition(access, "abc102", 1, 2);
    test::putDefinition(access, "abc103", 1, 3);
    test::putRow(access, kHelpSlot, "abc101", {{help::kText, "Your name as on the licence."}});
    test::putRow(access, kHelpSlot, "abc102", {});
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    EXPECT_TRUE(cache.definition(1, 1).hasHelp);
    EXPECT_FALSE(cache.definition(1, 2).hasHelp);
    EXPECT_FALSE(cache.definition(1, 3).hasHelp);
}

TEST_F(DefinitionCacheTest, OutOfRangeAddressesGiveEmptyAnswers) {
    test::putDefinition(access, "abc101", 1, 1);
    const DefinitionCache cache = LoadDefinitions(access, "abc");
    for (auto [page, number] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 84}})
        EXPECT_FALSE(cache.definition(page, number).exists()) << page << "/" << number;
    EXPECT_EQ(cache.definitionCount(7), 0);
    EXPECT_EQ(cache.kindCount(1, FieldKind::None), 0);
    EXPECT_EQ(cache.tableConstruction(0), TableConstruction{});
}

}  // namespace
