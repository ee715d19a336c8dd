#pragma once

#include <QString>

namespace vn {

// Header fields by number: 0 record code, 1 Title, 2 First, 3 M.I., 4 Last, 5 Suffix,
// 6 Home Phone ... 15 Zip. The focus travels through them in that order.
inline constexpr int kHeaderFieldCount = 16;
inline constexpr int kLastHeaderField = 15;

// First, M.I. and Last get an upper-case first character; the rest stays as typed.
QString tidyHeader(int field, const QString& text);

// The header field after field; -1 after Zip, where the page (or its buttons) comes next.
int nextHeaderField(int field);

}  // namespace vn
