#include "requests/math/calc_runner.h"

#include "lists/definitions/definition_keys.h"
#include "lists/records/record_tables.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"

#include <map>

namespace vn {

namespace {

constexpr int kHeadLast = 4;

// A value as read: its text, and its number when the arithmetic needs one.
struct Value {
    QString text;
    bool computed = false;  // a running result, not a text as read
    FixedPoint4 number;
};

Value asRead(const QString& text) { return {text, false, {}}; }

// Why a record is left alone; caught per record.
struct RecordFailure {
    QString why;
};

FixedPoint4 numberOf(const Value& v) {
    if (v.computed) return v.number;
    if (v.text.trimmed().isEmpty()) return {};
    const std::optional<FixedPoint4> n = FixedPoint4::parse(v.text);
    if (!n) throw RecordFailure{QStringLiteral("\"%1\" is not a decimal number").arg(v.text)};
    return *n;
}

// One record's calculation: its stores held back until every step went through.
class RecordRun {
public:
    RecordRun(RecordAccess& access, const QString& key, const CalcOutcome& cells,
              const std::function<int(int, int)>& fieldSize)
        : m_access(access), m_key(key), m_memory(cells.memory), m_totals(cells.totals), m_fieldSize(fieldSize) {}

    void run(const MathSteps& steps) {
        for (const MathStep& step : steps)
            if (!step.display.isEmpty()) runStep(step);
    }

    void apply(CalcOutcome& cells) {
        for (const auto& [field, text] : m_stores) {
            const int slot = pageSlot(field.first);
            m_access.EnsureRecord(slot, m_key);  // a missing page row is made by its first store
            m_access.SetFieldText(slot, field.second, text);
        }
        cells.memory = m_memory;
        cells.totals = m_totals;
    }

private:
    void runStep(const MathStep& step) {
        for (qsizetype m = 0; m < step.operands.size(); ++m) {
            const MathOperator op = step.operands[m].op;
            if (op == MathOperator::None) return;
            const bool chained = m_previous >= MathOperator::Plus && m_previous <= MathOperator::Divide;
            const Value left = chained ? m_result : valueOf(step.operands[m]);
            m_previous = op;
            if (m + 1 < step.operands.size()) combine(op, left, step.operands[m + 1]);
        }
    }

    void combine(MathOperator op, const Value& left, const MathOperand& rightOperand) {
        if (op == MathOperator::Store) return store(left, rightOperand);
        const Value right = valueOf(rightOperand);
        try {
            FixedPoint4 r;
            switch (op) {
            case MathOperator::Plus: r = numberOf(left) + numberOf(right); break;
            case MathOperator::Minus: r = numberOf(left) - numberOf(right); break;
            case MathOperator::Times: r = numberOf(left) * numberOf(right); break;
            default:  // Divide: an empty divisor leaves the value being divided
                r = right.text.trimmed().isEmpty() && !right.computed ? numberOf(left) : numberOf(left) / numberOf(right);
            }
            m_result = {r.toString(), true, r};
        } catch (const FixedPointError& e) {
            throw RecordFailure{e.message()};
        }
    }

    void store(const Value& left, const MathOperand& target) {
        switch (target.kind) {
        case MathOperand::Kind::Field: {
            const int size = m_fieldSize ? m_fieldSize(target.page, target.column) : 0;
            if (size > 0 && left.text.size() > size)
                throw RecordFailure{QStringLiteral("%1 is longer than the field \"%2\" takes").arg(left.text, target.caption)};
            m_stores[{target.page, target.column}] = left.text;
            break;
        }
        case MathOperand::Kind::Memory: m_memory[std::size_t(target.cell - 1)] = left.text; break;
        case MathOperand::Kind::Total:
            try {
                m_totals[std::size_t(target.cell - 1)] += numberOf(left);
            } catch (const FixedPointError& e) {
                throw RecordFailure{e.message()};
            }
            break;
        case MathOperand::Kind::Constant: break;  // refused while the step was entered
        }
    }

    Value valueOf(const MathOperand& operand) {
        switch (operand.kind) {
        case MathOperand::Kind::Constant: return asRead(operand.text);
        case MathOperand::Kind::Memory: return asRead(m_memory[std::size_t(operand.cell - 1)]);
        case MathOperand::Kind::Total: {
            const FixedPoint4 total = m_totals[std::size_t(operand.cell - 1)];
            return {total.toString(), true, total};
        }
        case MathOperand::Kind::Field: break;
        }
        const auto stored = m_stores.find({operand.page, operand.column});
        if (stored != m_stores.end()) return asRead(stored->second);
        const int slot = pageSlot(operand.page);
        return asRead(m_access.FindRecord(slot, m_key) ? m_access.GetFieldText(slot, operand.column) : QString());
    }

    RecordAccess& m_access;
    QString m_key;
    std::array<QString, kMathCells> m_memory;
    std::array<FixedPoint4, kMathCells> m_totals;
    const std::function<int(int, int)>& m_fieldSize;
    std::map<std::pair<int, int>, QString> m_stores;
    MathOperator m_previous = MathOperator::None;
    Value m_result;
};

}  // namespace

CalcOutcome runCalculation(RecordAccess& access, const QString& listCode, const MatchList& matches,
                           const MathSteps& steps, const std::function<int(int page, int column)>& fieldSize,
                           const std::function<void(qsizetype done)>& progress) {
    CalcOutcome outcome;
    Transaction transaction(access.database(kHeadSlot));
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const QString& key = matches[i];
        if (progress) progress(i);
        if (key.left(kListCodeLength).compare(listCode, Qt::CaseInsensitive) != 0 || !access.FindRecord(kHeadSlot, key))
            continue;
        const QString last = access.GetFieldText(kHeadSlot, kHeadLast);
        RecordRun record(access, key, outcome, fieldSize);
        try {
            record.run(steps);
        } catch (const RecordFailure& failure) {
            outcome.skipped.append({key, last, failure.why});
            continue;
        }
        record.apply(outcome);
        ++outcome.records;
    }
    transaction.commit();
    return outcome;
}

std::array<QString, kMathCells> totalTexts(const MathSteps& steps, const CalcOutcome& outcome) {
    std::array<QString, kMathCells> texts;
    if (outcome.records == 0) return texts;
    for (const MathStep& step : steps) {
        if (step.display.isEmpty()) continue;
        for (qsizetype m = 0; m + 1 < step.operands.size(); ++m) {
            const MathOperand& target = step.operands[m + 1];
            if (step.operands[m].op == MathOperator::Store && target.kind == MathOperand::Kind::Total)
                texts[std::size_t(target.cell - 1)] = outcome.totals[std::size_t(target.cell - 1)].toString();
        }
    }
    return texts;
}

QString skippedMessage(const QList<SkippedCalculation>& skipped) {
    if (skipped.isEmpty()) return {};
    QStringList lines;
    for (const SkippedCalculation& s : skipped) lines << s.key + QStringLiteral("  ") + s.lastName + QStringLiteral(": ") + s.why;
    return QStringLiteral("These records were left unchanged:\r\r") + lines.join(u'\r');
}

}  // namespace vn
