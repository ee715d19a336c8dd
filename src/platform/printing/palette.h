#pragma once

#include <QtGlobal>
#include <QString>

namespace vn {

// The sixteen standard colours, numbered 1 to 16: black, maroon, green, olive, navy, purple, teal,
// grey, silver, red, lime, yellow, blue, fuchsia, aqua, white.
inline constexpr int kPaletteSize = 16;
quint32 paletteColour(int index);      // 0xAARRGGBB; index 1..16, anything else black
QString paletteName(int index);

}  // namespace vn
