#include "designer/page_designer/tab_order.h"

#include "lists/definitions/definition_keys.h"

#include <gtest/gtest.h>

#include <map>

using namespace vn;

namespace {

FieldDefinition placed(int number, FieldKind kind, int top, int left, bool active = true) {
    FieldDefinition d;
    d.key = definitionKey("abc", 1, number);
    d.active = active;
    d.kind = kind;
    d.top = top;
    d.left = left;
    return d;
}

std::map<int, int> byNumber(const QList<TabStop>& stops) {
    std::map<int, int> tabs;
    for (const TabStop& s : stops) tabs[s.number] = s.tabOrder;
    return tabs;
}

}  // namespace

TEST(TabOrderTest, NumbersTextFieldsInReadingOrderAndOthersMinusOne) {
    const QList<TabStop> stops = tabOrder({placed(1, FieldKind::Text, 100, 300), placed(2, FieldKind::Text, 100, 50),
                                           placed(3, FieldKind::CheckBox, 50, 400)});
    EXPECT_EQ(stops, (QList<TabStop>{{3, -1}, {2, 1}, {1, 2}}));
}

TEST(TabOrderTest, AFieldOnALowerLineComesLaterWhateverItsLeft) {
    const auto tabs = byNumber(tabOrder({placed(1, FieldKind::Text, 101, 8), placed(2, FieldKind::Text, 100, 800)}));
    EXPECT_EQ(tabs, (std::map<int, int>{{1, 2}, {2, 1}}));
}

TEST(TabOrderTest, EqualPositionsKeepNumberOrder) {
    const auto tabs = byNumber(tabOrder({placed(2, FieldKind::Text, 100, 100), placed(1, FieldKind::Text, 100, 100)}));
    EXPECT_EQ(tabs, (std::map<int, int>{{1, 1}, {2, 2}}));
}

TEST(TabOrderTest, ASingleTextFieldIsNumberedToo) {
    EXPECT_EQ(tabOrder({placed(1, FieldKind::Text, 100, 100)}), (QList<TabStop>{{1, 1}}));
}

TEST(TabOrderTest, DeletedFieldsTakeNoNumber) {
    const auto tabs = byNumber(tabOrder({placed(1, FieldKind::Text, 10, 10, false), placed(2, FieldKind::Text, 20, 10)}));
    EXPECT_EQ(tabs, (std::map<int, int>{{2, 1}}));
}
