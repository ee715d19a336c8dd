#pragma once

#include <QStringView>

namespace vn {

// How requests compare texts: only the ASCII letters a-z are raised, and texts are ordered by
// code point, which is the order of their UTF-8 bytes (so 2 sorts after 14, and the result does
// not depend on the machine's locale).

// <0, 0 or >0: a against b, both as they are.
int compareCodePoints(QStringView a, QStringView b);
// The same with value's letters raised; upperTarget is already upper case.
int compareRaised(QStringView value, QStringView upperTarget);
// Whether the value, its letters raised, holds upperTarget; an empty target is in every value.
bool containsRaised(QStringView value, QStringView upperTarget);
// The text's first count characters, counted as declared sizes count them (code points), without
// a copy.
QStringView firstCharacters(QStringView text, qsizetype count);

}  // namespace vn
