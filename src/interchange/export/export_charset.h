#pragma once

#include "interchange/text/cut_settings.h"

#include <QByteArray>
#include <QString>

namespace vn {

// The bytes of exported text in the charset. Characters Windows-1252 lacks are written as "?" and
// added to replaced; a surrogate pair counts as one character.
QByteArray encodeExportText(const QString& text, TextCharset charset, int& replaced);

}  // namespace vn
