#include "requests/math/numeric_fields.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_rows.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

using namespace definition_tables;

constexpr int kText = 1, kCheckBox = 3;
const QString kDigits = QString::number(int(CharacterType::Digits));
const QString kLetters = QString::number(int(CharacterType::Letters));

struct NumericFieldsTest : ::testing::Test {
    // A text field of list abc: its page, definition number, slot, caption and character type.
    void text(int page, int number, int slot, const QString& caption, const QString& type, const QString& size = {}) {
        test::putDefinition(store.access, definitionKey("abc", page, number), kText, slot,
                            {{fdis::kCaption, caption}, {fdis::kCharacterType, type}, {fdis::kSize, size}});
    }
    QStringList captions(const NumericFieldPages& pages, int page) {
        QStringList found;
        for (const MathOperand& o : pages[std::size_t(page - 1)]) found << QStringLiteral("%1@%2").arg(o.caption).arg(o.column);
        return found;
    }
    test::StoreFixture store;
};

TEST_F(NumericFieldsTest, ActiveNumericTextFieldsInDefinitionOrder) {
    text(1, 1, 3, "Amount", kDigits);
    text(1, 2, 1, "Price", kDigits);
    text(1, 3, 2, "Notes", kLetters);
    text(1, 4, 4, "Gone", kDigits);
    test::putRow(store.access, kFdisSlot, "abc104", {{fdis::kActive, "0"}});
    test::putDefinition(store.access, "abc105", kCheckBox, 1, {{fdis::kCaption, "Paid"}, {fdis::kCharacterType, kDigits}});
    text(3, 1, 7, "Qty", kDigits);
    test::putDefinition(store.access, "xyz101", kText, 5, {{fdis::kCaption, "Other list"}, {fdis::kCharacterType, kDigits}});

    const NumericFieldPages pages = numericFields(LoadDefinitions(store.access, "abc"));
    EXPECT_EQ(captions(pages, 1), (QStringList{"Amount@3", "Price@1"}));
    EXPECT_EQ(captions(pages, 2), QStringList());
    EXPECT_EQ(captions(pages, 3), QStringList{"Qty@7"});
    EXPECT_EQ(pages[2][0].page, 3);
    EXPECT_EQ(pages[2][0].kind, MathOperand::Kind::Field);
}

TEST_F(NumericFieldsTest, EveryTextFieldOfAPageIsOffered) {
    for (int slot = 1; slot <= 20; ++slot) text(2, slot, slot, QStringLiteral("N%1").arg(slot), kDigits);
    const NumericFieldPages pages = numericFields(LoadDefinitions(store.access, "abc"));
    ASSERT_EQ(pages[1].size(), 20);
    EXPECT_EQ(pages[1].last().caption, "N20");
    EXPECT_EQ(pages[1].last().column, 20);
}

// Text columns are declared 90 characters long.
TEST_F(NumericFieldsTest, AFieldTakesItsDefinedSizeWithinTheDeclaredOne) {
    text(1, 1, 1, "Price", kDigits, "8");
    text(1, 2, 2, "Qty", kDigits);
    text(1, 3, 3, "Amount", kDigits, "200");
    const auto size = numericFieldSizes(LoadDefinitions(store.access, "abc"), store.access);
    EXPECT_EQ(size(1, 1), 8);
    EXPECT_EQ(size(1, 2), 90);
    EXPECT_EQ(size(1, 3), 90);
    EXPECT_EQ(size(4, 5), 90);  // no definition
}

}  // namespace
}  // namespace vn
