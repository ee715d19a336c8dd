#include "entry/rules/focus_plan.h"

namespace vn {

namespace {

constexpr int kLastPage = 6;

}  // namespace

FocusMove planFocusMove(const PageFocusFacts& facts, int target) {
    using Kind = FocusMove::Kind;
    if (target >= 1 && facts.textFields >= target) return {Kind::TextField, target, 0, target + 1};
    if (facts.hasGrid) return {Kind::GridCell, 0, 0, target};
    if (facts.stay) return {Kind::None, 0, 0, 1};
    if (facts.page < kLastPage && facts.nextPageButtonUsable) return {Kind::PageButton, 0, facts.page + 1, target};
    if (facts.saveUsable) return {Kind::SaveExit, 0, 0, target};
    return {Kind::None, 0, 0, target};
}

int newPageButton(int page) {
    if (page == 1 || page == 2) return page + 1;
    if (page == 3) return 1;
    return page;
}

}  // namespace vn
