#pragma once

#include "requests/math/math_step.h"

#include <optional>

namespace vn {

// What the math view shows while the steps are entered.
struct CalcProgramState {
    int currentStep = 1;
    std::array<QString, kMathSteps> displays;
    std::optional<MathOperand> ticked;  // the operand just added, its choice shown ticked
    bool operatorsEnabled = false;
    bool processEnabled = false;
    QString hint;
};

// The five steps as the user clicks them together: operands and operators in turn, a second
// click on an operand choice taking the operand just added back, another operator replacing the
// one just chosen. Without a window: the view forwards its clicks and draws state().
class CalcProgram {
public:
    static constexpr int kConstantLength = 10;

    CalcProgram();
    void chooseStep(int step);  // 1 to 5
    // A field, memory or total choice clicked.
    void clickOperand(const MathOperand& operand);
    // The constant's check box: true when the focus goes into the constant box (nothing taken back).
    bool clickConstant();
    // The constant box left with its text: the refusal's message, empty when the constant was
    // added or, right after an operand, when the box was only passed through.
    QString leaveConstant(const QString& text);
    void chooseOperator(MathOperator op);
    void clearStep(int step);
    // A run is over: "Process" waits for the next operand.
    void finishRun() { m_processEnabled = false; }

    CalcProgramState state() const;
    const MathSteps& steps() const { return m_steps; }

private:
    enum class Entry { Nothing, Operand, Operator };
    void append(const MathOperand& operand, const QString& piece);
    void takeBack();
    MathStep& current() { return m_steps[std::size_t(m_current - 1)]; }
    const MathStep& current() const { return m_steps[std::size_t(m_current - 1)]; }

    MathSteps m_steps;
    std::array<QList<qsizetype>, kMathSteps> m_pieceStarts;  // where each piece of a step's display begins
    int m_current = 1;
    Entry m_entry = Entry::Nothing;
    bool m_processEnabled = false;
    QString m_hint;
};

}  // namespace vn
