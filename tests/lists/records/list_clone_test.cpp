#include "lists/records/list_clone.h"
#include "lists/records/list_code.h"
#include "lists/records/record_tables.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(ListCode, RulesAndMessages) {
    const QString length = "The Data List record code must be exactly three characters in length.  Please enter a new (correct) record code";
    const QString letters = "The Data List record code can only contain letters. Please enter a new (correct) record code";
    struct Case {
        QString typed, code, error;
    };
    const Case cases[] = {{"ABC", "abc", ""},   {"A c", "a c", ""},  {"AB1", "", letters}, {"ab", "", length},
                          {"abcd", "", length}, {"   ", "", letters}, {"é b", "", letters}, {"", "", length}};
    for (const Case& c : cases) {
        const ListCodeCheck check = checkListCode(c.typed);
        EXPECT_EQ(check.code, c.code) << c.typed.toStdString();
        EXPECT_EQ(check.error, c.error) << c.typed.toStdString();
    }
}

struct ListCloneTest : ::testing::Test {
    ListCloneTest() {
        access.EnsureRecord(kListSlot, "abc");
        for (int f = 1; f <= 17; ++f) access.SetFieldText(kListSlot, f, QStringLiteral("L%1").arg(f));
        for (const char* key : {"abc101", "abc102", "abc200", "abd101"}) {
            access.EnsureRecord(9, key);
            access.SetFieldText(9, 4, QStringLiteral("caption of ") + key);
            access.SetFieldText(9, 31, "13");
        }
        access.EnsureRecord(25, "abc107");
        access.SetFieldText(25, 1, "Scores");
        for (const char* key : {"abc011Red", "abc011Blue"}) {
            access.EnsureRecord(10, key);
            access.SetFieldText(10, 1, key[6] == 'R' ? "0" : "1");
        }
        access.EnsureRecord(12, "abc101");
        access.EnsureRecord(kHeadSlot, "abcwyalb000000000");
    }
    test::StoreFixture store;
    RecordAccess& access = store.access;
};

TEST_F(ListCloneTest, CopiesTheListDefinitionsAndItemsUnderTheNewCode) {
    EXPECT_EQ(CloneList(access, "ABC", "XYZ", "Copy"), "");
    ASSERT_TRUE(access.FindRecord(kListSlot, "xyz"));
    EXPECT_EQ(access.GetFieldText(kListSlot, 1), "Copy");
    EXPECT_EQ(access.GetFieldText(kListSlot, 15), "L15");
    EXPECT_EQ(access.KeysWithPrefix(9, "xyz"), (QStringList{"xyz101", "xyz102", "xyz200"}));
    ASSERT_TRUE(access.FindRecord(9, "xyz102"));
    EXPECT_EQ(access.GetFieldText(9, 4), "caption of abc102");
    EXPECT_EQ(access.GetFieldText(9, 31), "13");
    ASSERT_TRUE(access.FindRecord(10, "xyz011Blue"));
    EXPECT_EQ(access.GetFieldText(10, 1), "1");
    ASSERT_TRUE(access.FindRecord(25, "xyz107"));
    EXPECT_EQ(access.GetFieldText(25, 1), "Scores");
    EXPECT_FALSE(access.FindRecord(12, "xyz101"));  // help texts stay with the original
    EXPECT_EQ(access.KeysWithPrefix(kHeadSlot, "xyz"), QStringList{});
}

TEST_F(ListCloneTest, RefusalsChangeNothing) {
    access.EnsureRecord(kListSlot, "def");
    struct Case {
        QString oldCode, newCode, title, message;
    };
    const Case cases[] = {
        {"qqq", "xyz", "T", "Old form code is not valid!"},
        {"abc", "def", "T", "New form code already exists!"},
        {"abc", "xyz", "", "New form title is missing!"},
        {"abc", "xy", "T", "The Data List record code must be exactly three characters in length.  Please enter a new (correct) record code"},
        {"abc", "   ", "T", "The Data List record code can only contain letters. Please enter a new (correct) record code"},
    };
    for (const Case& c : cases) EXPECT_EQ(CloneList(access, c.oldCode, c.newCode, c.title), c.message) << c.newCode.toStdString();
    EXPECT_EQ(access.RecordCount(kListSlot), 2);
    EXPECT_EQ(access.RecordCount(9), 4);
}

}  // namespace
