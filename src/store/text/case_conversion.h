#pragma once

#include <QString>

namespace vn {

// Only ASCII letters change case; every other character passes through, so stored keys
// compare the same way on every machine.
QString UpperCaseText(const QString& text);
QString LowerCaseText(const QString& text);
void lowerInPlace(QString& text);  // the same, in the text's own buffer

// Raises the first letter and, unless firstOnly, the letter after each single space while
// lowering the other capitals ("mcDONALD" -> "Mcdonald", "new york" -> "New York").
QString ProperCaseText(const QString& text, bool firstOnly);

}  // namespace vn
