#include "requests/math/calc_program.h"
#include "requests/math/calc_runner.h"
#include "lists/definitions/definition_rows.h"
#include "lists/records/record_tables.h"
#include "store/engine/store_error.h"
#include "support/store_fixture.h"

#include "math_operands.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

constexpr int kPrice = 1, kQty = 2, kAmount = 3, kB = 4, kC = 5, kD = 6;

// A step from operands and the operators between them.
MathStep step(std::initializer_list<std::pair<MathOperand, MathOperator>> chain) {
    MathStep s;
    for (auto [operand, op] : chain) {
        operand.op = op;
        s.operands << operand;
    }
    s.display = QStringLiteral("entered");
    return s;
}

using Op = MathOperator;

// A list "abc" whose page 1 holds Price, Qty, Amount and more.
struct ListRecords {
    void record(const QString& key, const QString& last, std::initializer_list<std::pair<int, QString>> page1) {
        test::putRow(fx.access, kHeadSlot, key, {{4, last}});
        if (page1.size()) test::putRow(fx.access, pageSlot(1), key, page1);
    }
    QString page1(const QString& key, int column) {
        return fx.access.FindRecord(pageSlot(1), key) ? fx.access.GetFieldText(pageSlot(1), column) : QStringLiteral("<no row>");
    }
    CalcOutcome run(const MathSteps& steps, int size = 0) {
        return runCalculation(fx.access, "abc", keys, steps, [size](int, int) { return size; });
    }

    test::StoreFixture fx;
    QStringList keys{"abcwyalb000100000", "abcwyalb000200000", "abcwyalb000300000"};
};

class CalcRunnerTest : public ::testing::Test, public ListRecords {};

TEST_F(CalcRunnerTest, PriceTimesQtyIsStoredAndSummed) {
    record(keys[0], "Adams", {{kPrice, "2.5"}, {kQty, "3"}});
    record(keys[1], "Baker", {{kPrice, "0.1"}, {kQty, "2"}});
    record(keys[2], "Clark", {});  // no page row: empty values, the store makes the row
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Times}, {test::fieldOperand(kQty), Op::Store}, {test::fieldOperand(kAmount), Op::None}});
    steps[1] = step({{test::fieldOperand(kAmount), Op::Store}, {test::cellOperand(MathOperand::Kind::Total, 1), Op::None}});
    const CalcOutcome outcome = run(steps);
    EXPECT_EQ(page1(keys[0], kAmount), "7.5");
    EXPECT_EQ(page1(keys[1], kAmount), "0.2");
    EXPECT_EQ(page1(keys[2], kAmount), "0");
    EXPECT_EQ(outcome.totals[0].toString(), "7.7");
    EXPECT_EQ(outcome.records, 3);
    EXPECT_TRUE(outcome.skipped.isEmpty());
}

TEST_F(CalcRunnerTest, StepsCarryTheRunningResultAndReadStoredFieldsAfresh) {
    record(keys[0], "Adams", {{kPrice, "0.1"}, {kC, "0.2"}});
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Store}, {test::fieldOperand(kB), Op::None}});
    steps[1] = step({{test::fieldOperand(kB), Op::Plus}, {test::fieldOperand(kC), Op::Store}, {test::fieldOperand(kD), Op::None}});
    steps[2] = step({{test::constantOperand(""), Op::Store}, {test::fieldOperand(kPrice), Op::None}});
    steps[3] = step({{test::fieldOperand(kD), Op::Store}, {test::cellOperand(MathOperand::Kind::Memory, 1), Op::None}});
    steps[4] = step({{test::constantOperand("1234567.891"), Op::Store}, {test::cellOperand(MathOperand::Kind::Memory, 2), Op::None}});
    steps[4].display.clear();  // cleared: skipped although it has operands
    keys = {keys[0]};
    const CalcOutcome outcome = run(steps);
    EXPECT_EQ(page1(keys[0], kB), "0.1");
    EXPECT_EQ(page1(keys[0], kD), "0.3");
    EXPECT_EQ(page1(keys[0], kPrice), "");  // an empty constant empties the field
    EXPECT_EQ(outcome.memory[0], "0.3");
    EXPECT_EQ(outcome.memory[1], "");
}

// Price Plus Qty, then Tax Store Amount: the second step goes on with Price + Qty.
TEST_F(CalcRunnerTest, TheRunningResultCarriesIntoTheNextStepWithinARecordOnly) {
    record(keys[0], "Adams", {{kPrice, "2"}, {kQty, "3"}, {kB, "9"}});
    record(keys[1], "Baker", {{kPrice, "10"}, {kQty, "1"}, {kB, "9"}});
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Plus}, {test::fieldOperand(kQty), Op::None}});
    steps[1] = step({{test::fieldOperand(kB), Op::Store}, {test::fieldOperand(kAmount), Op::None}});
    keys = {keys[0], keys[1]};
    run(steps);
    EXPECT_EQ(page1(keys[0], kAmount), "5");
    EXPECT_EQ(page1(keys[1], kAmount), "11");  // the next record starts anew
}

TEST_F(CalcRunnerTest, CellsKeepWholeValuesAndTotalsShowWhereAStepStoresIntoThem) {
    record(keys[0], "Adams", {{kPrice, "1234567.891"}});
    record(keys[1], "Baker", {{kPrice, "0.2"}});
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Store}, {test::cellOperand(MathOperand::Kind::Total, 2), Op::None}});
    steps[1] = step({{test::fieldOperand(kPrice), Op::Plus}, {test::constantOperand("0.0001"), Op::Store},
                     {test::cellOperand(MathOperand::Kind::Memory, 1), Op::None}});
    steps[2] = step({{test::cellOperand(MathOperand::Kind::Memory, 1), Op::Store}, {test::fieldOperand(kAmount), Op::None}});
    keys = {keys[0], keys[1]};
    const CalcOutcome outcome = run(steps);
    EXPECT_EQ(page1(keys[0], kAmount), "1234567.8911");
    EXPECT_EQ(outcome.totals[1].toString(), "1234568.091");
    EXPECT_EQ(totalTexts(steps, outcome), (std::array<QString, kMathCells>{"", "1234568.091"}));
    steps[0].display.clear();
    EXPECT_EQ(totalTexts(steps, outcome), (std::array<QString, kMathCells>{}));  // a cleared step stores nothing
    steps[0].display = "entered";
    EXPECT_EQ(totalTexts(steps, CalcOutcome{}), (std::array<QString, kMathCells>{}));  // no record calculated
}

TEST_F(CalcRunnerTest, AStoreErrorUndoesTheWholeRun) {
    record(keys[0], "Adams", {{kPrice, "2"}, {kQty, "3"}, {kAmount, "old"}});
    record(keys[1], "Baker", {{kPrice, "2"}, {kQty, "2"}, {kAmount, "old"}});
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Times}, {test::fieldOperand(kQty), Op::Store}, {test::fieldOperand(kAmount), Op::None}});
    int asked = 0;
    const auto failOnSecond = [&asked](int, int) {
        if (++asked == 2) throw StoreError("disk full");
        return 0;
    };
    EXPECT_THROW(runCalculation(fx.access, "abc", {keys[0], keys[1]}, steps, failOnSecond), StoreError);
    EXPECT_EQ(page1(keys[0], kAmount), "old");
    EXPECT_EQ(page1(keys[1], kAmount), "old");
}

TEST_F(CalcRunnerTest, ARecordThatCannotBeCalculatedIsLeftAsItWas) {
    struct Case {
        const char* name;
        QString price, qty;
        Op op;
        int size;
        const char* why;  // empty: calculated
        const char* amount;
    };
    const Case cases[] = {
        {"letters", "2.5", "three", Op::Times, 0, "three", "old"},
        {"zero divisor", "2.5", "0", Op::Divide, 0, "divided by 0", "old"},
        {"empty divisor", "2.5", "", Op::Divide, 0, "", "2.5"},
        {"overflow", "900000000000000", "900000000000000", Op::Times, 0, "", "old"},
        {"longer than the field", "1234.25", "2", Op::Times, 5, "longer", "old"},
        {"fits the field", "1234.25", "2", Op::Times, 6, "", "2468.5"},
    };
    for (const Case& c : cases) {
        ListRecords t;
        t.record(t.keys[0], "Adams", {{kPrice, c.price}, {kQty, c.qty}, {kAmount, "old"}});
        t.record(t.keys[1], "Baker", {{kPrice, "2"}, {kQty, "2"}});
        MathSteps steps;
        steps[0] = step({{test::fieldOperand(kPrice), c.op}, {test::fieldOperand(kQty), Op::Store}, {test::fieldOperand(kAmount), Op::None}});
        steps[1] = step({{test::fieldOperand(kAmount), Op::Store}, {test::cellOperand(MathOperand::Kind::Total, 1), Op::None}});
        const CalcOutcome outcome = t.run(steps, c.size);
        EXPECT_EQ(t.page1(t.keys[0], kAmount).toStdString(), c.amount) << c.name;
        const std::string other = c.op == Op::Divide ? "1" : "4";  // 2 and 2
        EXPECT_EQ(t.page1(t.keys[1], kAmount).toStdString(), other) << c.name;  // the run went on
        const bool skipped = QByteArray(c.amount) == "old";
        ASSERT_EQ(outcome.skipped.size(), skipped ? 1 : 0) << c.name << ": " << skippedMessage(outcome.skipped).toStdString();
        if (!skipped) continue;
        EXPECT_EQ(outcome.skipped[0].lastName.toStdString(), "Adams") << c.name;
        if (*c.why) {
            EXPECT_TRUE(outcome.skipped[0].why.contains(c.why)) << c.name << ": " << outcome.skipped[0].why.toStdString();
        }
        EXPECT_EQ(outcome.totals[0].toString().toStdString(), other) << c.name;  // the skipped record added nothing
        EXPECT_TRUE(skippedMessage(outcome.skipped).contains("abcwyalb000100000  Adams")) << c.name;
    }
}

TEST_F(CalcRunnerTest, OnlyTheListsRecordsWithAHeadRowAreCalculated) {
    record(keys[0], "Adams", {{kPrice, "1"}});
    keys = {keys[0], "xyzwyalb000100000", "abcwyalb000900000"};
    MathSteps steps;
    steps[0] = step({{test::fieldOperand(kPrice), Op::Plus}, {test::constantOperand("1"), Op::Store}, {test::fieldOperand(kPrice), Op::None}});
    EXPECT_EQ(run(steps).records, 1);
    EXPECT_EQ(page1(keys[0], kPrice), "2");
    EXPECT_EQ(page1("abcwyalb000900000", kPrice), "<no row>");
}

}  // namespace
}  // namespace vn
