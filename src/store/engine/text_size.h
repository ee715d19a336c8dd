#pragma once

#include <QString>

namespace vn {

// Declared sizes count characters (code points), not UTF-16 units or bytes.
qsizetype characterCount(const QString& text);
QString cutToCharacters(const QString& text, int size);

}  // namespace vn
