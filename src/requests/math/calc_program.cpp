#include "requests/math/calc_program.h"

#include "requests/stored/fixed_point4.h"

namespace vn {

namespace {

const QString kOpeningHint = QStringLiteral("At this time you can enter up to five (5) calculations (Five Steps).");
const QString kWantsOperator = QStringLiteral("Hint:  At this point the SQL system wants an operator");
const QString kWantsOperand = QStringLiteral("Hint:  At this point the SQL system wants you to enter or select");

QString quoted(const QString& text) { return u'"' + text + QStringLiteral("\" "); }

QString pieceOf(const MathOperand& operand) {
    switch (operand.kind) {
    case MathOperand::Kind::Field: return quoted(operand.caption);
    case MathOperand::Kind::Memory: return quoted(QStringLiteral("<M%1>").arg(operand.cell));
    case MathOperand::Kind::Total: return quoted(QStringLiteral("<T%1>").arg(operand.cell));
    case MathOperand::Kind::Constant: break;
    }
    return quoted(QStringLiteral("<C>") + operand.text);
}

QString operatorPiece(MathOperator op) {
    switch (op) {
    case MathOperator::Plus: return QStringLiteral("Plus ");
    case MathOperator::Minus: return QStringLiteral("Minus ");
    case MathOperator::Times: return QStringLiteral("Times ");
    case MathOperator::Divide: return QStringLiteral("Divide ");
    case MathOperator::Store: return QStringLiteral("Store ");
    case MathOperator::None: break;
    }
    return {};
}

}  // namespace

CalcProgram::CalcProgram() : m_hint(kOpeningHint) {}

void CalcProgram::chooseStep(int step) {
    if (step < 1 || step > kMathSteps) return;
    m_current = step;
    m_entry = Entry::Nothing;
    m_processEnabled = false;
}

void CalcProgram::takeBack() {
    MathStep& step = current();
    QList<qsizetype>& starts = m_pieceStarts[std::size_t(m_current - 1)];
    step.operands.removeLast();
    step.display.truncate(starts.takeLast());
    m_entry = Entry::Nothing;
}

void CalcProgram::append(const MathOperand& operand, const QString& piece) {
    MathStep& step = current();
    MathOperand added = operand;
    added.op = MathOperator::None;
    step.operands.append(added);
    m_pieceStarts[std::size_t(m_current - 1)].append(step.display.size());
    step.display += piece;
    m_entry = Entry::Operand;
    m_hint = kWantsOperator;
    m_processEnabled = step.operands.size() >= 2;
}

void CalcProgram::clickOperand(const MathOperand& operand) {
    if (m_entry == Entry::Operand) takeBack();
    else append(operand, pieceOf(operand));
}

bool CalcProgram::clickConstant() {
    if (m_entry != Entry::Operand) return true;
    takeBack();
    return false;
}

QString CalcProgram::leaveConstant(const QString& text) {
    const QString constant = text.left(kConstantLength);
    if (m_entry == Entry::Operand) {
        if (constant.isEmpty()) return {};
        return QStringLiteral("Choose an operator (Plus, Minus, Times, Divide or Store) before the constant \"%1\".").arg(constant);
    }
    const MathStep& step = current();
    if (!step.operands.isEmpty() && step.operands.last().op == MathOperator::Store)
        return QStringLiteral("A constant cannot receive a value: choose a field, a memory cell or a total after Store.");
    if (!constant.trimmed().isEmpty() && !FixedPoint4::parse(constant))
        return QStringLiteral("The constant \"%1\" is not a decimal number.").arg(constant);
    MathOperand operand;
    operand.kind = MathOperand::Kind::Constant;
    operand.text = constant;
    append(operand, pieceOf(operand));
    return {};
}

void CalcProgram::chooseOperator(MathOperator op) {
    MathStep& step = current();
    if (step.operands.isEmpty() || m_entry == Entry::Nothing) return;
    QList<qsizetype>& starts = m_pieceStarts[std::size_t(m_current - 1)];
    if (m_entry == Entry::Operator) step.display.truncate(starts.takeLast());
    step.operands.last().op = op;
    starts.append(step.display.size());
    step.display += operatorPiece(op);
    m_entry = Entry::Operator;
    m_hint = kWantsOperand;
}

void CalcProgram::clearStep(int step) {
    if (step < 1 || step > kMathSteps) return;
    m_steps[std::size_t(step - 1)] = {};
    m_pieceStarts[std::size_t(step - 1)].clear();
    if (step == m_current) m_entry = Entry::Nothing;
}

CalcProgramState CalcProgram::state() const {
    CalcProgramState s;
    s.currentStep = m_current;
    for (std::size_t i = 0; i < m_steps.size(); ++i) s.displays[i] = m_steps[i].display;
    if (m_entry == Entry::Operand) s.ticked = current().operands.last();
    s.operatorsEnabled = m_entry == Entry::Operand;
    s.processEnabled = m_processEnabled && current().operands.size() >= 2;
    s.hint = m_hint;
    return s;
}

}  // namespace vn
