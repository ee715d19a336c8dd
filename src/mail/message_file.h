#pragma once

#include <QString>

namespace vn {

// The saved message text ("EMEmail.txt" in the Files folder) and message files chosen by the user.

inline constexpr char kMessageFileName[] = "EMEmail.txt";

// The text of a message file: UTF-8, or Windows-1252 as older files were written. A file over
// 1 MiB or one that is not text (a NUL byte) is refused: `failure` says why and the text is empty.
struct MessageFileText {
    QString text;
    QString failure;
};
MessageFileText loadMessageFile(const QString& path);

// Writes the text as UTF-8 with CR LF line ends, whole or not at all; the system's reason on failure.
QString saveMessageFile(const QString& path, const QString& text);

}  // namespace vn
