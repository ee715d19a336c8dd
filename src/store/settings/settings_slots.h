#pragma once

#include "store/catalogue/slots.h"

namespace vn {

// Parm fields.
inline constexpr int kParmPrompt = 1;
inline constexpr int kParmValue = 2;
inline constexpr int kParmCount = 3;
inline constexpr int kParmFirstOption = 4;
inline constexpr int kParmLocked = 17;

}  // namespace vn
