#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vn {

// Windows-1252, the single-byte character set of files from older installations, and the
// UTF-8 checks that decide between the two.
namespace windows1252 {

char16_t toUnicode(unsigned char byte);
QString decode(QByteArrayView bytes);
// Appends the UTF-8 form of the bytes.
void appendUtf8(QByteArrayView bytes, QByteArray& out);
// Appends the Windows-1252 form of UTF-8 text; false when a character has no byte there (out
// then holds part of the text).
bool appendFromUtf8(QByteArrayView utf8, QByteArray& out);

}  // namespace windows1252

bool isAscii(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);
// Characters of valid UTF-8 text: the bytes that begin one.
qsizetype utf8CharacterCount(QByteArrayView bytes);

}  // namespace vn
