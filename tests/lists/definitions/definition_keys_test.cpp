#include "lists/definitions/definition_keys.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(DefinitionKeys, BuildersPadNumbersAndLowerTheListCode) {
    EXPECT_EQ(definitionKey("abc", 1, 7), "abc107");
    EXPECT_EQ(definitionKey("ABC", 6, 83), "abc683");
    EXPECT_EQ(pageTitleKey("abc", 2), "abc200");
    EXPECT_EQ(selectionListPrefix("abc", 3, 7), "abc073");
    EXPECT_EQ(selectionListPrefix("Abc", 1, 12), "abc121");
    EXPECT_EQ(defaultListItemKey(14, 5), "14005");
    EXPECT_EQ(defaultListItemKey(1, 120), "01120");
    EXPECT_EQ(defaultListPrefix(4), "04");
}

TEST(DefinitionKeys, ParsingAcceptsOnlyKeysOfTheScheme) {
    const auto parsed = parseDefinitionKey("abc583");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->listCode, "abc");
    EXPECT_EQ(parsed->page, 5);
    EXPECT_EQ(parsed->number, 83);
    EXPECT_EQ(parseDefinitionKey("abc100")->number, 0);
    for (const char* key : {"abc184", "abc001", "abc701", "abc1x1", "abc10", "abc1011", ""})
        EXPECT_FALSE(parseDefinitionKey(key)) << key;
}

}  // namespace
