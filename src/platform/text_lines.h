#pragma once

#include <QStringList>

namespace vn {

// The lines of a text, split at CR LF, CR or LF; a closing line break leaves an empty last line,
// so joining them with one line end gives the text back with that line end throughout.
QStringList splitLines(const QString& text);

}  // namespace vn
