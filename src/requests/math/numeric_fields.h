#pragma once

#include "lists/definitions/definition_keys.h"
#include "requests/math/math_step.h"

#include <array>
#include <functional>

namespace vn {

class DefinitionCache;
class RecordAccess;

// The operands the math view offers for each page 1 to 6 (index page - 1): every active text
// field whose data was declared Numeric, in definition order.
using NumericFieldPages = std::array<QList<MathOperand>, kPagesPerList>;
NumericFieldPages numericFields(const DefinitionCache& definitions);

// The longest text a page field takes: its defined size, never more than its column's declared
// size (0 where neither is known).
std::function<int(int page, int column)> numericFieldSizes(const DefinitionCache& definitions, RecordAccess& access);

}  // namespace vn
