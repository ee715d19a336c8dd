#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// A caption broken into lines of at most maxChars characters: at the last space that lets a line
// fit (the space dropped), or hard at maxChars when a word is longer. A text that fits is one
// line. With dropLeadingSpaces each line loses the spaces it starts with.
QStringList wrapText(const QString& text, int maxChars, bool dropLeadingSpaces = false);

// A memo as printed: a line at each line end (CR LF, CR, LF, vertical tab) and at each "^^", a
// line longer than maxChars broken at its last space within the first maxChars (the space
// dropped), or hard at maxChars when it has none there.
QStringList memoLines(const QString& memo, int maxChars = 124);

// Keys and list codes arrive from other offices: only letters, digits and "_" name a file.
bool isSafeFileStem(const QString& stem);

// A list code made fit to name a file: letters, digits, "_" and spaces kept, anything else
// (a slash, a dot) turned into "_".
QString plainFileStem(const QString& code);

}  // namespace vn
