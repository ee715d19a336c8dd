#pragma once

#include "requests/request.h"

#include <string>
#include <string_view>

namespace vn {

// A record's truth string: "T" and "F" for the conditions' results, "A" (AND), "O" (OR), and the
// conditions' parentheses.

// Appends one condition: its "(" (at most 10), its result, its ")" (at most 10), its connector.
void appendTruth(std::string& truth, const SqlCondition& condition, bool result);

// The verdict of a truth string. AND and OR have the same precedence and apply strictly from
// left to right; parentheses are the only grouping. A surplus ")" is ignored and a missing ")"
// closes at the end. A group that is not result (connector result)* (empty, two results
// without a connector, a dangling connector, any other letter) is false.
bool truthValue(std::string_view truth);

}  // namespace vn
