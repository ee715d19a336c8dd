#include "requests/evaluation/request_store.h"
#include "requests/labels/label_order.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr int kTitle = 1, kFirst = 2, kLast = 4, kAddress1 = 11, kCity = 13, kZip = 15;  // Head columns

struct LabelOrderTest : ::testing::Test, test::RequestStore {
    // Record n at an address.
    void person(int n, const QString& last, const QString& address, const QString& city = "Laramie",
                const QString& zip = "82070") {
        put(kHeadSlot, key(n), {{kLast, last}, {kAddress1, address}, {kCity, city}, {kZip, zip}});
    }
    static MatchList keys(std::initializer_list<int> numbers) {
        MatchList list;
        for (int n : numbers) list << key(n);
        return list;
    }
};

TEST_F(LabelOrderTest, DuplicatesAreRemovedPerFamilyOrPerAddress) {
    person(1, "Smith", "12 Elm St");
    person(2, "Smith", "12 Elm St");  // the same family
    person(3, "Jones", "12 Elm St");  // another family at the same address
    person(4, "Smith", "12 ELM ST");  // written in capitals: another text
    person(5, "Brown", "9 Oak Ave", "Casper", "82601");
    // 9 has no Head row. Of equal texts the first in the matches stays: 2, not 1.
    const MatchList matches = keys({2, 1, 9, 3, 4, 5});
    struct Case {
        DuplicateMode mode;
        MatchList kept;
    } cases[] = {
        {DuplicateMode::Family, keys({5, 3, 4, 2})},  // ascending by Last, Address 1, City, Zip
        {DuplicateMode::Address, keys({4, 2, 5})},
        {DuplicateMode::Record, matches},
        {DuplicateMode::None, matches},
    };
    for (const Case& c : cases) EXPECT_EQ(removeDuplicates(access, matches, c.mode), c.kept) << int(c.mode);
}

TEST_F(LabelOrderTest, FieldsThatJoinToTheSameTextAreStillTwoHouseholds) {
    person(1, "Smith", "12 Elm St");
    person(2, "Smith1", "2 Elm St");
    EXPECT_EQ(removeDuplicates(access, keys({1, 2}), DuplicateMode::Family).size(), 2);
    person(3, "Jones", "12 Elm St", "Laramie8", "2070");
    EXPECT_EQ(removeDuplicates(access, keys({1, 3}), DuplicateMode::Address).size(), 2);
}

TEST_F(LabelOrderTest, LabelsAreOrderedByZipAndTitleOrByName) {
    put(kHeadSlot, key(1), {{kZip, "82070"}, {kTitle, "Mr."}, {kLast, "Smith"}, {kFirst, "Bob"}});
    put(kHeadSlot, key(2), {{kZip, "82070"}, {kTitle, "Dr."}, {kLast, "Smith"}, {kFirst, "Ann"}});
    put(kHeadSlot, key(3), {{kZip, "80002"}, {kTitle, "Ms."}, {kLast, "Adams"}, {kFirst, "Cy"}});
    put(kHeadSlot, key(4), {{kZip, "82601"}, {kTitle, "Ms."}, {kLast, "Young"}, {kFirst, "Di"}});
    put(kHeadSlot, key(5), {{kZip, "82601"}, {kTitle, "Ms."}, {kLast, "Young"}, {kFirst, "Di"}});
    const MatchList matches = keys({1, 2, 9, 3, 4, 5});
    // Equal texts come out in the reverse of the matches' order: 5 before 4.
    EXPECT_EQ(labelOrder(access, matches, LabelSort::ByZip), keys({3, 2, 1, 5, 4}));
    EXPECT_EQ(labelOrder(access, matches, LabelSort::ByName), keys({3, 2, 1, 5, 4}));
    put(kHeadSlot, key(3), {{kLast, "Zeller"}});
    EXPECT_EQ(labelOrder(access, matches, LabelSort::ByName), keys({2, 1, 5, 4, 3}));
}

// Keys are kept whole (10000 and 1000 share their first 17 characters) and nothing stops at 1000.
TEST_F(LabelOrderTest, EveryMatchIsKeptWholeWithoutALimit) {
    MatchList matches;
    for (int n = 9000; n <= 10000; ++n) {
        person(n, "Member", QStringLiteral("%1 Main St").arg(n), "Laramie", QString::number(90000 - n));
        matches << key(n);
    }
    person(1000, "Small", "1 Main St", "Laramie", "99999");
    matches << key(1000);
    ASSERT_EQ(key(10000).size(), 18);
    const MatchList ordered = labelOrder(access, matches, LabelSort::ByZip);
    ASSERT_EQ(ordered.size(), 1002);
    EXPECT_EQ(ordered.first(), key(10000));  // the lowest zip
    EXPECT_EQ(ordered.last(), key(1000));
    EXPECT_EQ(removeDuplicates(access, matches, DuplicateMode::Address).size(), 1002);
}

}  // namespace
