#pragma once

#include <QString>

namespace vn {

// Keeps the digits and writes ten as "(307)555-0199", seven as "(   )555-0199"; any other
// count comes back as the bare digits.
QString FormatPhone(const QString& text);

}  // namespace vn
