#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace vn {

// The web form control file (.fcf): a list's whole definition for the central web service. A
// sequence of chunks, each a 4-byte little-endian signed length and that many bytes: first
// kFcfMagic, then one chunk a row of List, Fdis, Selc and Tdat. Texts are UTF-8; a reader
// takes a file with a value that is not valid UTF-8 for Windows-1252, as older installations
// wrote it. Every one-byte length, table code and field number is stored + kFcfBias.
inline constexpr char kFcfMagic[] = " &Newfcf";
inline constexpr int kFcfBias = 32;
// Before a field number: the next field is not the one after the last.
inline constexpr unsigned char kFcfJump = 0xFF;
// In bytes: 223 + 32 would be the jump byte.
inline constexpr int kLongestFcfValue = kFcfJump - kFcfBias - 1;
// No list's definition comes near it; a larger file is refused unread.
inline constexpr qint64 kLargestFcfFile = 16 * 1024 * 1024;
inline constexpr int kFcfTableCount = 4;

// The tables by file code (List 1, Fdis 2, Selc 3, Tdat 4), in file order.
const std::array<int, kFcfTableCount>& fcfTableSlots();
// 0 for a code outside 1 to 4.
int fcfTableSlot(int code);

// The parts of a file's name: list code (characters 1 to 3), state code (4 and 5), office code
// (6 to 8), then ".fcf" in any case.
struct FcfName {
    QString list;
    QString state;
    QString office;
};

// Nothing for a name of another shape.
std::optional<FcfName> parseFcfName(const QString& fileName);
// "<list><state><office>.fcf" in lower case.
QString fcfFileName(const FcfName& name);

}  // namespace vn
