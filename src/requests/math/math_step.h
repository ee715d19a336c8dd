#pragma once

#include <QList>
#include <QString>
#include <array>

namespace vn {

enum class MathOperator { None = 0, Plus = 1, Minus = 2, Times = 3, Divide = 4, Store = 5 };

// What a calculation step reads or writes.
struct MathOperand {
    enum class Kind { Field, Constant, Memory, Total };
    Kind kind = Kind::Field;
    int page = 0;    // Field: 1 to 6
    int column = 0;  // Field: its column in the page's table
    QString caption; // Field: shown in the step
    QString text;    // Constant
    int cell = 0;    // Memory, Total: 1 to 5
    MathOperator op = MathOperator::None;  // what follows it; None ends the step

    // The same choice (the operator after it aside).
    bool sameChoice(const MathOperand& other) const {
        return kind == other.kind && page == other.page && column == other.column && text == other.text && cell == other.cell;
    }
};

// One step: operands in order, each followed by its operator, and the text the step shows.
struct MathStep {
    QList<MathOperand> operands;
    QString display;
};

inline constexpr int kMathSteps = 5;
inline constexpr int kMathCells = 5;
using MathSteps = std::array<MathStep, kMathSteps>;

}  // namespace vn
