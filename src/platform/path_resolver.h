#pragma once

#include <QString>

namespace vn {

// File and folder names are matched without regard to case: each part of a relative path
// (backslashes or slashes) takes the spelling of an existing entry in any case, or the spelling
// given when none exists.
QString resolvePath(const QString& base, const QString& relative);

// The same, creating the missing folders of a folder path in the spelling given.
QString resolveFolder(const QString& base, const QString& relative);

}  // namespace vn
