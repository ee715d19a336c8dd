#pragma once

#include "platform/printing/page_sink.h"

namespace vn {

// A row of underscores in 14 points, one per column from fromColumn to toColumn (at most 130),
// starting at fromColumn. A column is the page width over 110 in landscape, over 80 in portrait.
void PrintRule(PageSink& sink, int fromColumn, int toColumn, double y);

}  // namespace vn
