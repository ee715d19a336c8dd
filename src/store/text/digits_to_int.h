#pragma once

#include <QString>

namespace vn {

// The value of a text made of the digits 0-9 only; 0 for anything else, including an empty
// text, signs, spaces and values beyond the int range (those are not valid numbers here).
int DigitsToInt(const QString& text);

}  // namespace vn
