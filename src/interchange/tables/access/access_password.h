#pragma once

#include <QByteArrayView>
#include <QString>

namespace vn {

// How many bytes of a data base's start accessHasPassword needs.
inline constexpr qsizetype kAccessHeadSize = 0x18 + 128;

// Whether the first page of an Access data base (its first kAccessHeadSize bytes or more) holds a
// data base password. mdbtools ignores passwords and would read such a file as if it had none.
bool accessHasPassword(QByteArrayView head);

// The same for the file at path; false when it cannot be read (mdbtools then refuses it).
bool accessFileHasPassword(const QString& path);

}  // namespace vn
