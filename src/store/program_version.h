#pragma once

namespace vn {

inline constexpr char kProgramVersion[] = "06-248";

}  // namespace vn
