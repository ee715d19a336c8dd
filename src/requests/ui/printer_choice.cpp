#include "requests/ui/printer_choice.h"

#include "platform/printing/print_job.h"
#include "platform/ui/preview_destination.h"
#include "shell/core/session.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace vn {

void printOnJob(Session& session, const QString& printer, const Printout& printout) {
    // Made at each print, so a printer installed or chosen during the run is seen.
    PreviewDestination destination(QApplication::activeWindow(), printer.isEmpty() ? session.printer.platformName : printer);
    PrintJob job(destination, session.prompter, session.openAddress, session.folders.outputFolder());
    job.print(printout);
}

QString choosePrinter(QWidget* parent, const QString& printer) {
    QPrinter chosen;
    if (!printer.isEmpty()) chosen.setPrinterName(printer);
    QPrintDialog dialog(&chosen, parent);
    dialog.setObjectName(QStringLiteral("selectPrinterDialog"));
    return dialog.exec() == QDialog::Accepted ? chosen.printerName() : printer;
}

}  // namespace vn
