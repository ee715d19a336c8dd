#include "interchange/export/field_order.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

OrderEntry entry(int source, int column, const char* caption = "") { return {caption, {source, column}, false}; }

TEST(FieldOrder, UnchoosingMovesTheLaterNumbersDownOverHeaderAndPages) {
    FieldOrder order;
    EXPECT_EQ(order.choose(entry(0, 4, "Last")), 1);
    EXPECT_EQ(order.choose(entry(2, 2, "Second")), 2);
    EXPECT_EQ(order.choose(entry(0, 2, "First")), 3);
    EXPECT_EQ(order.choose(entry(2, 2, "Second")), 2);  // chosen already: keeps its number
    EXPECT_TRUE(order.unchoose({0, 4}));
    EXPECT_FALSE(order.isChosen({0, 4}));
    EXPECT_EQ(order.numberOf({2, 2}), 1);
    EXPECT_EQ(order.numberOf({0, 2}), 2);
    EXPECT_EQ(order.captions(), (QStringList{"Second", "First"}));
    EXPECT_FALSE(order.unchoose({0, 4}));  // not chosen any more
    EXPECT_EQ(order.count(), 2);
    order.clear();
    EXPECT_EQ(order.count(), 0);
}

TEST(FieldOrder, HoldsEveryFieldOfAList) {
    FieldOrder order;
    for (int column = 1; column <= 15; ++column) order.choose(entry(0, column));
    for (int page = 1; page <= 6; ++page)
        for (int column = 1; column <= 121; ++column) order.choose(entry(page, column));
    ASSERT_EQ(order.count(), 741);
    EXPECT_EQ(order.count(), FieldOrder::kCapacity);
    EXPECT_EQ(order.numberOf({6, 121}), 741);
    EXPECT_EQ(order.entry(16).field, (FieldRef{1, 1}));
    order.unchoose({0, 1});
    EXPECT_EQ(order.numberOf({6, 121}), 740);
    EXPECT_EQ(order.numberOf({0, 2}), 1);
}

}  // namespace
