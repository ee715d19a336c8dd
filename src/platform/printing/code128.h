#pragma once

#include <QString>

namespace vn {

// Bar and space widths of the Code 128 symbols: values 0 to 105 (103-105 the start codes) and,
// at 106, the stop pattern.
inline constexpr int kCode128Symbols = 107;
const char* code128Pattern(int value);

}  // namespace vn
