#include "entry/rules/focus_plan.h"
#include "entry/rules/header_tidy.h"

#include <gtest/gtest.h>

using namespace vn;

namespace {

using Kind = FocusMove::Kind;

PageFocusFacts threeFields() {
    PageFocusFacts f;
    f.page = 1;
    f.textFields = 3;
    f.nextPageButtonUsable = true;
    f.saveUsable = true;
    return f;
}

TEST(FocusPlan, TextFieldsInTabOrderThenGridThenNextPage) {
    PageFocusFacts facts = threeFields();
    const FocusMove third = planFocusMove(facts, 3);
    EXPECT_EQ(third.kind, Kind::TextField);
    EXPECT_EQ(third.tabOrder, 3);
    EXPECT_EQ(third.nextTarget, 4);
    const FocusMove after = planFocusMove(facts, 4);
    EXPECT_EQ(after.kind, Kind::PageButton);
    EXPECT_EQ(after.page, 2);
    facts.hasGrid = true;
    EXPECT_EQ(planFocusMove(facts, 4).kind, Kind::GridCell);
}

TEST(FocusPlan, SaveExitWhenNoNextPageAndNothingWhileStaying) {
    PageFocusFacts facts = threeFields();
    facts.page = 6;  // no page after the last one, whatever the button says
    EXPECT_EQ(planFocusMove(facts, 4).kind, Kind::SaveExit);
    facts.page = 2;
    facts.nextPageButtonUsable = false;
    EXPECT_EQ(planFocusMove(facts, 4).kind, Kind::SaveExit);
    facts.saveUsable = false;
    EXPECT_EQ(planFocusMove(facts, 4).kind, Kind::None);
    facts = threeFields();
    facts.stay = true;
    const FocusMove stay = planFocusMove(facts, 4);
    EXPECT_EQ(stay.kind, Kind::None);
    EXPECT_EQ(stay.nextTarget, 1);
}

TEST(FocusPlan, NewPageButtonForEachPage) {
    const int expected[] = {2, 3, 1, 4, 5, 6};
    for (int page = 1; page <= 6; ++page) EXPECT_EQ(newPageButton(page), expected[page - 1]) << page;
}

TEST(HeaderTidy, NamePartsGetACapitalOnly) {
    EXPECT_EQ(tidyHeader(4, "mcdonald"), "Mcdonald");
    EXPECT_EQ(tidyHeader(2, "aNN"), "ANN");
    EXPECT_EQ(tidyHeader(3, "q"), "Q");
    EXPECT_EQ(tidyHeader(3, ""), "");
    EXPECT_EQ(tidyHeader(13, "laramie"), "laramie");  // City stays as typed
}

TEST(HeaderTidy, FocusWalksTheHeaderInOrder) {
    EXPECT_EQ(nextHeaderField(0), 1);   // record code to Title
    EXPECT_EQ(nextHeaderField(4), 5);   // Last to Suffix
    EXPECT_EQ(nextHeaderField(5), 6);   // Suffix to Home Phone
    EXPECT_EQ(nextHeaderField(15), -1); // after Zip the page
}

}  // namespace
