#pragma once

#include <QString>

namespace vn {

// Writes a nine-digit zip as "12345-6789" and drops an empty "-0000" extension.
QString FormatZip(const QString& text);

}  // namespace vn
