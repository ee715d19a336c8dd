#pragma once

namespace vn {

// Catalogue slots of the installation's own tables.
inline constexpr int kParmSlot = 3;
inline constexpr int kCountySlot = 4;
inline constexpr int kCitySlot = 6;
inline constexpr int kCountyCitySlot = 7;

// Parm fields.
inline constexpr int kParmPrompt = 1;
inline constexpr int kParmValue = 2;
inline constexpr int kParmCount = 3;
inline constexpr int kParmFirstOption = 4;
inline constexpr int kParmLocked = 17;

}  // namespace vn
