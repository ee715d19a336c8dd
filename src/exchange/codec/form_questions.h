#pragma once

namespace vn {

// Asked before a received form replaces a list of the same code, whichever file brought it.
inline constexpr char kFormAlreadyPresent[] =
    "This form (or one using the same three letter code) is already present!  Are you sure you want to load this form "
    "data?  Contact your Varnedo state supporter if you have any questions.";

}  // namespace vn
