#pragma once

#include <array>

namespace vn {

// Catalogue slots of the record tables.
inline constexpr int kParmSlot = 3;
inline constexpr int kListSlot = 8;
inline constexpr int kHeadSlot = 11;
inline constexpr int kLinkSlot = 23;
inline constexpr int kPageCount = 6;
inline constexpr std::array<int, kPageCount> kPageSlots = {14, 15, 16, 26, 27, 28};
inline constexpr int kHeadContentFields = 25;   // fields 1 to 25 before Delta
inline constexpr int kPageColumns = 121;        // columns 1 to 121 before Delta
inline constexpr int kMemoColumn = 121;

// Slot of page table 1..6.
constexpr int pageSlot(int page) { return kPageSlots[page - 1]; }

}  // namespace vn
