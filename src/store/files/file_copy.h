#pragma once

#include <QString>

namespace vn {

// Copies one file. When the destination is an existing folder the copy keeps the source's name
// inside it; otherwise the destination is the target file, created or replaced. The copy is
// written under a temporary name, flushed and renamed, so a failure leaves the old target
// untouched; every failure throws naming the file.
void CopyToFolder(const QString& source, const QString& destination);

// Makes a file writable again (the read-only attribute); keeps its other permissions.
void StripAttributes(const QString& file);

}  // namespace vn
