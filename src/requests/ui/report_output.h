#pragma once

#include "requests/report/report_document.h"
#include "requests/report/screen_views.h"

namespace vn {

class Session;

// Each output says whether the report went out.

// "File": VNRpt.Txt in the Files folder, with its messages.
bool reportToFile(Session& session, const ReportDocument& report);
// "Printer": asks for the PDF preview; Yes writes VNRpt.pdf and opens it, No prints on the
// print job, on the printer named (empty: the default one).
bool reportToPrinter(Session& session, const ReportDocument& report, const QString& printer);
// "Screen": View1.bmp, View2.bmp, ... in the Files folder; a failure is told.
ScreenViews reportToScreen(Session& session, const ReportDocument& report);

}  // namespace vn
