#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace vn {

// The encodings a composed message uses. Every function writes CR LF line ends.

// The text as quoted-printable UTF-8: LF, CR and CR LF become line breaks; lines of at most 76
// characters (soft breaks); a "." or "From " at a line start and spaces before a break are
// encoded, so no transport or mailbox changes them.
QByteArray quotedPrintable(const QString& text);

// A header value: as it stands when it is printable ASCII that fits one line, otherwise RFC 2047 encoded
// words ("=?UTF-8?B?...?="), each complete characters, folded onto continuation lines. CR and LF
// become spaces first.
QByteArray headerText(const QString& text);

// A MIME parameter (name=value), for a line of its own: quoted when the value is short printable
// ASCII without quotes or backslashes, otherwise RFC 2231 (name*=UTF-8''percent-encoded),
// continued over numbered pieces when long.
QByteArray mimeParameter(const QByteArray& name, const QString& value);

// Copies the device to out as base64 in lines of 76 characters, reading it in pieces. False when
// reading or writing failed.
bool streamBase64(QIODevice& in, QIODevice& out);

}  // namespace vn
