#include "requests/evaluation/truth.h"

#include <algorithm>
#include <array>

namespace vn {

void appendTruth(std::string& truth, const SqlCondition& condition, char result) {
    truth.append(std::clamp(condition.openParentheses, 0, SqlRequest::kMaxParentheses), '(');
    truth.push_back(result);
    truth.append(std::clamp(condition.closeParentheses, 0, SqlRequest::kMaxParentheses), ')');
    if (condition.connector == Connector::And) truth.push_back('A');
    if (condition.connector == Connector::Or) truth.push_back('O');
}

std::string truthShape(const QList<SqlCondition>& conditions) {
    std::string shape;
    for (const SqlCondition& condition : conditions) appendTruth(shape, condition, '?');
    return shape;
}

namespace {

// One open group: what it has folded so far. No member initialisers, so that the stack of
// groups costs nothing until a group is opened (Group{} is all false).
struct Group {
    bool hasValue;
    bool value;
    char connector;  // 'A' or 'O' waiting for its right side, else 0
    bool broken;
    bool skipped;    // its value cannot change the verdict

    // Whether what comes next can change the verdict.
    bool decides() const {
        return !skipped && !(hasValue && ((connector == 'A' && !value) || (connector == 'O' && value)));
    }
    void take(bool operand) {
        if (!hasValue) {
            hasValue = true;
            value = operand;
        } else if (connector == 'A') {
            value = value && operand;
        } else if (connector == 'O') {
            value = value || operand;
        } else {
            broken = true;
        }
        connector = 0;
    }
    void join(char c) {
        if (!hasValue || connector) broken = true;
        connector = c;
    }
    bool verdict() const { return !broken && hasValue && !connector && value; }
};

// Deeper than any request can nest (30 conditions of 10 "(" each); deeper strings are false.
constexpr std::size_t kMaxDepth = 512;

}  // namespace

bool foldTruth(std::string_view truth, const TruthResult& result) {
    std::array<Group, kMaxDepth> groups;
    groups[0] = Group{};
    std::size_t depth = 0;  // the innermost open group
    std::size_t results = 0;
    for (char c : truth) {
        Group& group = groups[depth];
        switch (c) {
        case 'T':
        case 'F':
        case '?': {
            const bool asked = group.decides();
            group.take(asked && result(results, c));
            ++results;
            break;
        }
        case 'A':
        case 'O': group.join(c); break;
        case '(':
            if (depth + 1 == kMaxDepth) return false;
            groups[depth + 1] = Group{};
            groups[depth + 1].skipped = !group.decides();
            ++depth;
            break;
        case ')':
            if (depth > 0) {
                const bool inner = groups[depth--].verdict();
                groups[depth].take(inner);
            }
            break;
        default: group.broken = true;
        }
    }
    while (depth > 0) {
        const bool inner = groups[depth--].verdict();
        groups[depth].take(inner);
    }
    return groups[0].verdict();
}

bool truthValue(std::string_view truth) {
    return foldTruth(truth, [](std::size_t, char letter) { return letter == 'T'; });
}

}  // namespace vn
