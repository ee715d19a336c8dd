#pragma once

#include "platform/printing/print_job.h"
#include "platform/printing/printout.h"
#include "requests/report/report_document.h"

#include <memory>

namespace vn {

class Prompter;

inline const QString kReportPdfFileName = QStringLiteral("VNRpt.pdf");

// The report printout, its PDF named VNRpt.pdf. skipped, when given, receives the count of
// summed values that were counted 0 each time the layout runs.
Printout reportPrintout(ReportDocument report, std::shared_ptr<int> skipped = {});

// "Printer": prints the report on the job; afterwards a warning tells how many summed values
// were not numbers (or too large to add) and counted 0.
void printReport(PrintJob& job, ReportDocument report, Prompter& prompter);

}  // namespace vn
