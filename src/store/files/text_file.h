#pragma once

#include <QByteArray>
#include <QString>

namespace vn {

// Text from outside: UTF-8 with or without a byte-order mark; bytes that are not valid UTF-8
// are read as Windows-1252, as legacy installations wrote them.
QString decodeText(const QByteArray& bytes);
// The same text as UTF-8 bytes: the mark dropped, Windows-1252 bytes converted. Valid UTF-8
// comes back as it is, without a copy.
QByteArray utf8Text(QByteArray bytes);

// The whole file as text; throws StoreError naming the file when it cannot be read.
QString readTextFile(const QString& path);

}  // namespace vn
