#include "designer/page_designer/movement.h"

#include "lists/pages/page_geometry.h"

#include <algorithm>

namespace vn {

int bottomBound(FieldKind kind) { return kind == FieldKind::RadioGroup ? page::kRadioBottomBound : page::kBottomBound; }

MoveStep moveStep(const QRect& field, MoveDirection direction, int bottom) {
    const bool vertical = direction == MoveDirection::Up || direction == MoveDirection::Down;
    const bool backwards = direction == MoveDirection::Up || direction == MoveDirection::Left;
    const int low = vertical ? page::kTopBound : page::kLeftBound;
    const int high = std::max(low, vertical ? bottom - field.height() : page::kRightBound - field.width());
    int next = (vertical ? field.top() : field.left()) + (backwards ? -page::kStep : page::kStep);
    const int stopped = std::clamp(next, low, high);
    const bool atBound = stopped != next;
    next = stopped;
    QRect moved = field;
    if (vertical) moved.moveTop(next);
    else moved.moveLeft(next);
    return {moved, atBound};
}

QRect fitIntoPage(const QRect& field, int bottom) {
    QRect fitted = field;
    fitted.moveLeft(std::max(page::kLeftBound, std::min(field.left(), page::kRightBound - field.width())));
    fitted.moveTop(std::max(page::kTopBound, std::min(field.top(), bottom - field.height())));
    return fitted;
}

std::optional<QRect> resizedMemo(const QRect& memo, MemoResize step) {
    QRect resized = memo;
    switch (step) {
    case MemoResize::Wider:
        if (memo.left() + memo.width() + page::kStep > page::kRightBound) return std::nullopt;
        resized.setWidth(memo.width() + page::kStep);
        break;
    case MemoResize::Narrower:
        if (memo.width() - page::kStep < page::kMemoMinWidth) return std::nullopt;
        resized.setWidth(memo.width() - page::kStep);
        break;
    case MemoResize::Taller:
        if (memo.top() + memo.height() + page::kStep > page::kBottomBound) return std::nullopt;
        resized.setHeight(memo.height() + page::kStep);
        break;
    case MemoResize::Shorter:
        if (memo.height() - page::kStep < page::kMemoMinHeight) return std::nullopt;
        resized.setHeight(memo.height() - page::kStep);
        break;
    }
    return resized;
}

}  // namespace vn
