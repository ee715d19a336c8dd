#pragma once

#include "platform/printing/page_sink.h"
#include "requests/report/report_document.h"

namespace vn {

// The printed report: a header on every page (title, date and page, the request, the column
// captions), each record's values at their columns (First, M.I. and Last in bold), with sums
// when summing is on, the count and the grid legend. Positions are in 1/600 inch, the page's
// printable width taken as 8 inches; lines are the page height over 80 (60 in landscape).
// Returns how many summed values were not numbers or would pass the range (each counted 0).
int layoutReport(PageSink& sink, const ReportDocument& report);

}  // namespace vn
