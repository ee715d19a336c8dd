#pragma once

#include "platform/printing/page_sink.h"
#include "requests/report/report_document.h"

namespace vn {

// The screen report in views of 450 by 400 pixels, 40 lines of 10 pixels each; every newPage()
// of the sink ends a view. A page header (title, date and page, the request, the captions)
// starts every 80 lines; records are separated by an empty line, a field at the left margin
// starts a new line. No sums.
inline constexpr int kViewWidth = 450, kViewLines = 40, kViewLineHeight = 10;
void layoutScreenReport(PageSink& sink, const ReportDocument& report);

// The captions of the view buttons for view n of count.
struct ViewNavigation {
    QString prior;
    bool priorEnabled = false;
    QString next;
    bool nextEnabled = false;
    bool operator==(const ViewNavigation&) const = default;
};
ViewNavigation viewNavigation(int view, int count);

}  // namespace vn
