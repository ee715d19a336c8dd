#include "requests/evaluation/condition_test.h"

#include "store/text/text_order.h"
#include "store/engine/text_size.h"
#include "store/text/case_conversion.h"

namespace vn {

namespace {

bool holds(CompareOp op, int order) {
    switch (op) {
    case CompareOp::Equal: return order == 0;
    case CompareOp::Less: return order < 0;
    case CompareOp::Greater: return order > 0;
    case CompareOp::LessOrEqual: return order <= 0;
    case CompareOp::GreaterOrEqual: return order >= 0;
    case CompareOp::NotEqual: return order != 0;
    }
    return false;
}

}  // namespace

ConditionTest::ConditionTest(const SqlCondition& condition, const QString& defaultValue)
    : m_op(condition.op), m_target(UpperCaseText(condition.target)), m_default(defaultValue) {
    if (condition.field.fieldNumber == field_numbers::kMemo) {
        m_mode = Mode::Contains;
        return;
    }
    const qsizetype star = m_target.indexOf(u'*');
    if (star == 0) m_mode = Mode::Everything;
    if (star > 0) {
        m_target.truncate(star);
        m_cut = characterCount(m_target);
    }
}

bool ConditionTest::operator()(QStringView value) const {
    switch (m_mode) {
    case Mode::Everything: return true;
    // "<>" asks for the memos without the text; every other operator for those with it.
    case Mode::Contains: return containsRaised(value, m_target) != (m_op == CompareOp::NotEqual);
    case Mode::Compare: break;
    }
    if (m_cut >= 0) value = firstCharacters(value, m_cut);
    if (value.isEmpty()) value = m_default;
    return holds(m_op, compareRaised(value, m_target));
}

}  // namespace vn
