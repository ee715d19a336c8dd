#include "requests/output/print_list.h"

namespace vn {

Printout listPrintout(PrintedList list) {
    Printout printout;
    printout.title = QStringLiteral("Varnedo SQL List Results");
    printout.pdfFileName = kListPdfFileName;
    printout.layout = [list = std::move(list)](PageSink& sink) { layoutPrintedList(sink, list); };
    return printout;
}

void printMatchList(PrintJob& job, const QString& displayText, const QStringList& entries, const QDateTime& printedAt) {
    job.print(listPrintout({displayText, entries, printedAt}));
}

}  // namespace vn
