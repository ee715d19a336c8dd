#include "platform/printing/palette.h"

namespace vn {

namespace {

struct Colour {
    const char* name;
    quint32 rgb;
};

constexpr Colour kColours[kPaletteSize] = {
    {"black", 0xFF000000},  {"maroon", 0xFF800000}, {"green", 0xFF008000}, {"olive", 0xFF808000},
    {"navy", 0xFF000080},   {"purple", 0xFF800080}, {"teal", 0xFF008080},  {"grey", 0xFF808080},
    {"silver", 0xFFC0C0C0}, {"red", 0xFFFF0000},    {"lime", 0xFF00FF00},  {"yellow", 0xFFFFFF00},
    {"blue", 0xFF0000FF},   {"fuchsia", 0xFFFF00FF}, {"aqua", 0xFF00FFFF}, {"white", 0xFFFFFFFF}};

}  // namespace

quint32 paletteColour(int index) { return index >= 1 && index <= kPaletteSize ? kColours[index - 1].rgb : kColours[0].rgb; }

QString paletteName(int index) {
    return QString::fromLatin1(index >= 1 && index <= kPaletteSize ? kColours[index - 1].name : kColours[0].name);
}

}  // namespace vn
