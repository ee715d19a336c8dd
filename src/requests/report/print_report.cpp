#include "requests/report/print_report.h"

#include "platform/prompter.h"
#include "requests/report/report_print_layout.h"

namespace vn {

Printout reportPrintout(ReportDocument report, std::shared_ptr<int> skipped) {
    Printout printout;
    printout.title = QStringLiteral("Varnedo SQL Report");
    printout.pdfFileName = kReportPdfFileName;
    printout.layout = [report = std::move(report), skipped](PageSink& sink) {
        const int count = layoutReport(sink, report);
        if (skipped) *skipped = count;
    };
    return printout;
}

void printReport(PrintJob& job, ReportDocument report, Prompter& prompter) {
    auto skipped = std::make_shared<int>(0);
    job.print(reportPrintout(std::move(report), skipped));
    if (*skipped > 0)
        prompter.warning(QStringLiteral("%1 value(s) in the summed columns were not numbers or were too large to "
                                        "add; each was counted as 0.")
                             .arg(*skipped));
}

}  // namespace vn
