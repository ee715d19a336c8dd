#pragma once

#include "requests/request.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace vn {

// The x of every print field: each follows the one before it; one that would pass the line's
// end starts again at the left margin, on a new line.
QList<double> columnPositions(const QList<PrintField>& fields, double left, double lineEnd,
                              const std::function<double(int width)>& extent);

// The request's display text under a report's header: without its first 22 characters
// ("Print report: Records "), in at most three lines of the given length; empty lines left out.
QStringList requestTextLines(const QString& displayText, int lineLength);

}  // namespace vn
