#include "requests/evaluation/truth.h"

#include <algorithm>
#include <array>

namespace vn {

void appendTruth(std::string& truth, const SqlCondition& condition, bool result) {
    truth.append(std::clamp(condition.openParentheses, 0, SqlRequest::kMaxParentheses), '(');
    truth.push_back(result ? 'T' : 'F');
    truth.append(std::clamp(condition.closeParentheses, 0, SqlRequest::kMaxParentheses), ')');
    if (condition.connector == Connector::And) truth.push_back('A');
    if (condition.connector == Connector::Or) truth.push_back('O');
}

namespace {

// One open group: what it has folded so far. No member initialisers, so that the stack of
// groups costs nothing until a group is opened (Group{} is all false).
struct Group {
    bool hasValue;
    bool value;
    char connector;  // 'A' or 'O' waiting for its right side, else 0
    bool broken;

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

bool truthValue(std::string_view truth) {
    std::array<Group, kMaxDepth> groups;
    groups[0] = Group{};
    std::size_t depth = 0;  // index of the innermost open group
    for (char c : truth) {
        Group& group = groups[depth];
        switch (c) {
        case 'T': group.take(true); break;
        case 'F': group.take(false); break;
        case 'A':
        case 'O': group.join(c); break;
        case '(':
            if (depth + 1 == kMaxDepth) return false;
            groups[++depth] = Group{};
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

}  // namespace vn
