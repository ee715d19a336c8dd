#include "lists/definitions/selection_items.h"
#include "store/catalogue/slots.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

TEST(SelectionItems, OrderedByNumericPositionThenKeyWithoutLimit) {
    test::StoreFixture store;
    RecordAccess& a = store.access;
    const auto put = [&](const QString& key, const QString& position) {
        a.EnsureRecord(kSelcSlot, key);
        if (!position.isEmpty()) a.SetFieldText(kSelcSlot, 1, position);
    };
    put("abc011Red", "2");
    put("abc011Blue", "10");  // numeric order: 10 after 2
    put("abc011Green", "");   // empty counts as 0
    put("ABC011Amber", "0");  // the code in another case belongs to the list too
    put("abc021Other", "0");  // another field
    for (int i = 0; i < 150; ++i) put(QStringLiteral("abc011Item%1").arg(i, 3, 10, QChar('0')), "20");
    const QList<SelectionItem> items = SelectionItems(a, "abc011");
    ASSERT_EQ(items.size(), 154);
    QStringList first;
    for (int i = 0; i < 5; ++i) first << items[i].text;
    EXPECT_EQ(first, (QStringList{"Amber", "Green", "Red", "Blue", "Item000"}));
    EXPECT_EQ(items.last().text, "Item149");
}

TEST(SelectionItems, RenumberingGivesPositionsWithoutGaps) {
    test::StoreFixture store;
    RecordAccess& a = store.access;
    for (const auto& [key, position] : {std::pair{"abc011B", "5"}, {"abc011A", ""}, {"abc011C", "9"}}) {
        a.EnsureRecord(kSelcSlot, key);
        a.SetFieldText(kSelcSlot, 1, position);
    }
    RenumberSelectionItems(a, "abc011");
    QStringList shown;
    for (const SelectionItem& item : SelectionItems(a, "abc011")) shown << item.text + QString::number(item.position);
    EXPECT_EQ(shown, (QStringList{"A0", "B1", "C2"}));
}

}  // namespace
