#pragma once

#include "requests/request.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vn {

// A truth string: a result per condition ("T" true, "F" false, or "?" when it is worked out only
// when needed), "A" (AND), "O" (OR), and the conditions' parentheses.

// Appends one condition: its "(" (at most 10), its result letter, its ")" (at most 10), its
// connector.
void appendTruth(std::string& truth, const SqlCondition& condition, char result);

// The request's truth string with "?" for every condition's result.
std::string truthShape(const QList<SqlCondition>& conditions);

// The verdict of a truth string. AND and OR have the same precedence and apply strictly from
// left to right; parentheses are the only grouping. A surplus ")" is ignored and a missing ")"
// closes at the end. A group that is not result (connector result)* (empty, two results
// without a connector, a dangling connector, any other letter) is false.
bool truthValue(std::string_view truth);

// The same, asking result(n, letter) for the n-th result (from 0) only when the verdict can
// depend on it: after "F A" or "T O" the next result, or the group that follows, is skipped.
using TruthResult = std::function<bool(std::size_t n, char letter)>;
bool foldTruth(std::string_view truth, const TruthResult& result);

}  // namespace vn
