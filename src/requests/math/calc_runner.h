#pragma once

#include "requests/math/math_step.h"
#include "requests/request.h"
#include "requests/stored/fixed_point4.h"

#include <functional>

namespace vn {

class RecordAccess;

// A record the run left unchanged, and why.
struct SkippedCalculation {
    QString key;
    QString lastName;
    QString why;
};

struct CalcOutcome {
    std::array<QString, kMathCells> memory;
    std::array<FixedPoint4, kMathCells> totals;
    int records = 0;  // calculated and stored
    QList<SkippedCalculation> skipped;
};

// Runs the steps over every match of the list that still has its Head row, in one transaction.
// Within a record the running result and the last operator carry from step to step; memory and
// total cells are emptied first and kept whole. A record whose values cannot be calculated (not
// a decimal number, a zero divisor, an overflow, a result longer than its field) is left as it
// was, its contributions to the cells dropped, and the run goes on.
// fieldSize(page, column) is the longest text a field takes (its defined size).
CalcOutcome runCalculation(RecordAccess& access, const QString& listCode, const MatchList& matches,
                           const MathSteps& steps, const std::function<int(int page, int column)>& fieldSize,
                           const std::function<void(qsizetype done)>& progress = {});

// What the "Total" boxes show after a run: a total in full where a step stores into it and a
// record was calculated, nothing where no value ever reached it.
std::array<QString, kMathCells> totalTexts(const MathSteps& steps, const CalcOutcome& outcome);

// The message after a run that skipped records: each with its key, last name and why.
QString skippedMessage(const QList<SkippedCalculation>& skipped);

}  // namespace vn
