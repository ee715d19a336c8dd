#pragma once

#include "store/catalogue/slots.h"

#include <array>

namespace vn {

inline constexpr int kPageCount = 6;
inline constexpr std::array<int, kPageCount> kPageSlots = {kPag1Slot, kPag2Slot, kPag3Slot,
                                                           kPag4Slot, kPag5Slot, kPag6Slot};
inline constexpr int kHeadContentFields = 25;   // fields 1 to 25 before Delta
inline constexpr int kPageColumns = 121;        // columns 1 to 121 before Delta
inline constexpr int kMemoColumn = 121;

// Slot of page table 1..6.
constexpr int pageSlot(int page) { return kPageSlots[page - 1]; }

}  // namespace vn
