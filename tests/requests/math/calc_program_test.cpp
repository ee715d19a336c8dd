#include "requests/math/calc_program.h"

#include "math_operands.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(CalcProgram, OperandsAndOperatorsBuildTheStepText) {
    CalcProgram p;
    EXPECT_EQ(p.state().hint, "At this time you can enter up to five (5) calculations (Five Steps).");
    p.clickOperand(test::fieldOperand(1, "Price"));
    EXPECT_TRUE(p.state().operatorsEnabled);
    EXPECT_FALSE(p.state().processEnabled);
    EXPECT_EQ(p.state().hint, "Hint:  At this point the SQL system wants an operator");
    p.chooseOperator(MathOperator::Plus);
    p.chooseOperator(MathOperator::Times);  // replaces the operator just chosen
    EXPECT_FALSE(p.state().operatorsEnabled);
    EXPECT_EQ(p.state().hint, "Hint:  At this point the SQL system wants you to enter or select");
    p.clickOperand(test::fieldOperand(2, "Qty"));
    EXPECT_TRUE(p.state().processEnabled);
    p.finishRun();
    EXPECT_FALSE(p.state().processEnabled);  // until the next operand
    p.chooseOperator(MathOperator::Store);
    p.clickOperand(test::cellOperand(MathOperand::Kind::Memory, 2));
    EXPECT_TRUE(p.state().processEnabled);
    EXPECT_EQ(p.state().displays[0], "\"Price\" Times \"Qty\" Store \"<M2>\" ");
    ASSERT_EQ(p.steps()[0].operands.size(), 3);
    EXPECT_EQ(p.steps()[0].operands[0].op, MathOperator::Times);
    EXPECT_EQ(p.steps()[0].operands[1].op, MathOperator::Store);
    EXPECT_EQ(p.steps()[0].operands[2].op, MathOperator::None);
}

TEST(CalcProgram, ASecondClickTakesTheOperandJustAddedBack) {
    CalcProgram p;
    p.clickOperand(test::fieldOperand(1, "Price"));
    p.chooseOperator(MathOperator::Minus);
    p.clickOperand(test::cellOperand(MathOperand::Kind::Total, 1));
    ASSERT_TRUE(p.state().ticked.has_value());
    p.clickOperand(test::fieldOperand(2, "Qty"));  // any choice, while an operand was just added
    EXPECT_EQ(p.state().displays[0], "\"Price\" Minus ");
    EXPECT_FALSE(p.state().ticked.has_value());
    EXPECT_FALSE(p.state().operatorsEnabled);
    p.clickOperand(test::fieldOperand(2, "Qty"));
    EXPECT_EQ(p.state().displays[0], "\"Price\" Minus \"Qty\" ");
    EXPECT_FALSE(p.clickConstant());  // takes "Qty" back
    EXPECT_EQ(p.state().displays[0], "\"Price\" Minus ");
    EXPECT_TRUE(p.clickConstant());  // now the box takes the focus
}

TEST(CalcProgram, ConstantsAreCheckedAsTheyAreEntered) {
    CalcProgram p;
    EXPECT_EQ(p.leaveConstant("1234567.8912345"), QString());
    EXPECT_EQ(p.state().displays[0], "\"<C>1234567.89\" ");  // ten characters
    p.chooseOperator(MathOperator::Store);
    EXPECT_FALSE(p.leaveConstant("5").isEmpty());  // a constant cannot receive a value
    p.clickOperand(test::fieldOperand(3, "Amount"));
    p.chooseStep(2);
    EXPECT_FALSE(p.leaveConstant("12a").isEmpty());
    EXPECT_EQ(p.leaveConstant(""), QString());  // empty: empties what it is stored into
    EXPECT_EQ(p.state().displays[1], "\"<C>\" ");
    EXPECT_EQ(p.leaveConstant(""), QString());  // passed through right after an operand: nothing added
    EXPECT_FALSE(p.leaveConstant("7").isEmpty());  // an operator must come first
    EXPECT_EQ(p.state().displays[1], "\"<C>\" ");
    p.clearStep(1);
    EXPECT_TRUE(p.state().displays[0].isEmpty());
    EXPECT_TRUE(p.steps()[0].operands.isEmpty());
}

}  // namespace
}  // namespace vn
