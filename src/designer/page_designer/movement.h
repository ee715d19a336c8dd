#pragma once

#include "lists/definitions/field_kind.h"

#include <QRect>
#include <optional>

namespace vn {

enum class MoveDirection { Up, Right, Down, Left };
enum class MemoResize { Wider, Narrower, Taller, Shorter };

struct MoveStep {
    QRect field;
    bool atBound = false;  // the step was stopped by a bound
};

// The lowest bottom edge a field of the kind may have: radio groups keep 20 pixels more free.
int bottomBound(FieldKind kind);

// One step of 8 pixels, stopped at the page's bounds.
MoveStep moveStep(const QRect& field, MoveDirection direction, int bottom);

// The field moved inside the bounds; top and left win when it cannot fit.
QRect fitIntoPage(const QRect& field, int bottom);

// The memo box after one resize click; nothing when a limit refuses it.
std::optional<QRect> resizedMemo(const QRect& memo, MemoResize step);

}  // namespace vn
