#include "designer/page_designer/movement.h"

#include <gtest/gtest.h>

using namespace vn;

TEST(MoveStepTest, StepsEightPixelsAndStopsAtTheBounds) {
    struct Case {
        const char* what;
        QRect field;
        MoveDirection direction;
        FieldKind kind;
        QPoint expected;  // left, top
        bool atBound;
    };
    const Case cases[] = {
        {"up, free", {100, 30, 110, 21}, MoveDirection::Up, FieldKind::Text, {100, 22}, false},
        {"up, stopped at 17", {100, 22, 110, 21}, MoveDirection::Up, FieldKind::Text, {100, 17}, true},
        {"up, already at the top", {100, 17, 110, 21}, MoveDirection::Up, FieldKind::Text, {100, 17}, true},
        {"down, free", {100, 100, 110, 21}, MoveDirection::Down, FieldKind::Text, {100, 108}, false},
        {"down, bottom 452", {100, 428, 110, 21}, MoveDirection::Down, FieldKind::Text, {100, 431}, true},
        {"down, radio group 185 high stops at 432", {100, 240, 150, 185}, MoveDirection::Down,
         FieldKind::RadioGroup, {100, 247}, true},
        {"left, stopped at 8", {12, 100, 110, 21}, MoveDirection::Left, FieldKind::Text, {8, 100}, true},
        {"right, free", {100, 100, 110, 21}, MoveDirection::Right, FieldKind::Text, {108, 100}, false},
        {"right, right edge 832", {700, 100, 130, 21}, MoveDirection::Right, FieldKind::Text, {702, 100}, true},
        {"right, wider than the room keeps the left bound", {8, 250, 830, 207}, MoveDirection::Right,
         FieldKind::Table, {8, 250}, true},
    };
    for (const Case& c : cases) {
        const MoveStep step = moveStep(c.field, c.direction, bottomBound(c.kind));
        EXPECT_EQ(step.field.topLeft(), c.expected) << c.what;
        EXPECT_EQ(step.field.size(), c.field.size()) << c.what;
        EXPECT_EQ(step.atBound, c.atBound) << c.what;
    }
}

TEST(FitIntoPageTest, PullsAFieldThatGrewBackInside) {
    struct Case {
        const char* what;
        QRect field;
        QPoint expected;
    };
    const Case cases[] = {
        {"inside stays", {200, 144, 110, 21}, {200, 144}},
        {"81 characters at the default left", {200, 144, 820, 21}, {12, 144}},
        {"ten-row table at its default top", {8, 250, 300, 207}, {8, 245}},
        {"above and left of the bounds", {0, 0, 50, 21}, {8, 17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitIntoPage(c.field, bottomBound(FieldKind::Text)).topLeft(), c.expected) << c.what;
}

TEST(ResizedMemoTest, GrowsAndShrinksWithinItsLimits) {
    struct Case {
        const char* what;
        QRect memo;
        MemoResize step;
        std::optional<QSize> expected;
    };
    const Case cases[] = {
        {"wider", {200, 200, 200, 80}, MemoResize::Wider, QSize(208, 80)},
        {"wider up to the right edge", {200, 200, 624, 80}, MemoResize::Wider, QSize(632, 80)},
        {"wider beyond the right edge", {200, 200, 632, 80}, MemoResize::Wider, std::nullopt},
        {"narrower down to 80", {200, 200, 88, 80}, MemoResize::Narrower, QSize(80, 80)},
        {"narrower below 80", {200, 200, 80, 80}, MemoResize::Narrower, std::nullopt},
        {"taller up to the bottom", {200, 200, 200, 244}, MemoResize::Taller, QSize(200, 252)},
        {"taller beyond the bottom", {200, 200, 200, 252}, MemoResize::Taller, std::nullopt},
        {"shorter down to 16", {200, 200, 200, 24}, MemoResize::Shorter, QSize(200, 16)},
        {"shorter below 16", {200, 200, 200, 16}, MemoResize::Shorter, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto resized = resizedMemo(c.memo, c.step);
        ASSERT_EQ(resized.has_value(), c.expected.has_value()) << c.what;
        if (resized) {
            EXPECT_EQ(resized->size(), *c.expected) << c.what;
            EXPECT_EQ(resized->topLeft(), c.memo.topLeft()) << c.what;
        }
    }
}
