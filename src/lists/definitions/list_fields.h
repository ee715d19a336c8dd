#pragma once

// Field numbers of a data list's List row.
namespace vn::list_field {

inline constexpr int kTitle = 1;
inline constexpr int kWebFormOpened = 9;  // "1" once the web form view was opened
inline constexpr int kPassword = 10;      // the form's web password, also the structure password
inline constexpr int kHeaderLinkCode = 11;
inline constexpr int kReturnAddress = 12;
inline constexpr int kHeaderVisibility = 13;  // 15 x "T"/"F"
inline constexpr int kInstructions = 14;
inline constexpr int kDescription = 15;
inline constexpr int kAgencyName = 16;
inline constexpr int kExpirationDate = 17;  // MM/DD/YY

}  // namespace vn::list_field
