#pragma once

#include <QByteArray>

namespace vn {

// The character set a dBase table's language driver byte (header byte 29) names, as
// QStringDecoder knows it. Tables without one, or with one we do not know, are read as
// Windows-1252, the set of the program's own files.
QByteArray dbaseEncodingName(unsigned char languageDriver);

}  // namespace vn
