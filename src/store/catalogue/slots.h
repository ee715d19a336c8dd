#pragma once

// The catalogue's slot numbers by table, for code that names a table.
namespace vn {

inline constexpr int kTempSlot = 1;
inline constexpr int kSystemTableSlot = 2;
inline constexpr int kParmSlot = 3;
inline constexpr int kCountySlot = 4;
inline constexpr int kDistrictSlot = 5;
inline constexpr int kCitySlot = 6;
inline constexpr int kCountyCitySlot = 7;
inline constexpr int kListSlot = 8;
inline constexpr int kFdisSlot = 9;
inline constexpr int kSelcSlot = 10;
inline constexpr int kHeadSlot = 11;
inline constexpr int kHelpSlot = 12;
inline constexpr int kPhraSlot = 13;
inline constexpr int kPag1Slot = 14;
inline constexpr int kPag2Slot = 15;
inline constexpr int kPag3Slot = 16;
inline constexpr int kQueuSlot = 17;
inline constexpr int kSinfSlot = 18;
inline constexpr int kPinfSlot = 19;
inline constexpr int kLabeSlot = 20;
inline constexpr int kChecSlot = 21;
inline constexpr int kDeleSlot = 22;
inline constexpr int kLinkSlot = 23;
inline constexpr int kDsliSlot = 24;
inline constexpr int kTdatSlot = 25;
inline constexpr int kPag4Slot = 26;
inline constexpr int kPag5Slot = 27;
inline constexpr int kPag6Slot = 28;
inline constexpr int kParadoxSlot = 29;
inline constexpr int kAccessSlot = 30;
inline constexpr int kDbaseSlot = 31;

}  // namespace vn
