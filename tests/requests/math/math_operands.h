#pragma once

#include "requests/math/math_step.h"

namespace vn::test {

// Operands as the math view's choices make them.
inline MathOperand fieldOperand(int column, const QString& caption = {}) {
    MathOperand o;
    o.page = 1;
    o.column = column;
    o.caption = caption.isEmpty() ? QString::number(column) : caption;
    return o;
}

inline MathOperand cellOperand(MathOperand::Kind kind, int n) {
    MathOperand o;
    o.kind = kind;
    o.cell = n;
    return o;
}

inline MathOperand constantOperand(const QString& text) {
    MathOperand o;
    o.kind = MathOperand::Kind::Constant;
    o.text = text;
    return o;
}

}  // namespace vn::test
