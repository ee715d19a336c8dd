#include "platform/ui/preview_destination.h"

#include "platform/printing/pdf_printout.h"
#include "platform/printing/printer_list.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vn {

PreviewDestination::PreviewDestination(QWidget* parent, QString defaultPrinter)
    : m_parent(parent), m_defaultPrinter(std::move(defaultPrinter)) {}

bool PreviewDestination::hasPrinter() const { return !installedPrinterNames().isEmpty(); }

void PreviewDestination::preview(const Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    // A name no longer installed would turn the printer into a PDF file: keep Qt's default then.
    if (installedPrinterNames().contains(m_defaultPrinter)) printer.setPrinterName(m_defaultPrinter);
    printer.setDocName(printout.title);
    printer.setPageOrientation(printout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // A printer that cannot print that close to the edge keeps its own margins on that paper.
    if (printout.paper && !printer.setPageLayout(paperLayout(*printout.paper, printout.landscape)))
        printer.setPageSize(QPageSize(printout.paper->inches, QPageSize::Inch));

    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    dialog.setWindowTitle(printout.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&printout](QPrinter* target) { paintPrintout(*target, printout); });
    dialog.exec();
}

}  // namespace vn
