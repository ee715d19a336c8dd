#pragma once

#include <QChar>
#include <QString>

namespace vn {

// The text without any occurrence of the character.
QString RemoveChar(const QString& text, QChar character);

}  // namespace vn
