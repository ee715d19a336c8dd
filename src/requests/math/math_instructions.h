#pragma once

#include <QString>

namespace vn {

inline const QString kMathInstructionsTitle = QStringLiteral("Math Operations Instructions");

// How math operations work, as rich text (HTML) for the instructions view and its printout.
QString mathInstructionsHtml();

}  // namespace vn
