#include "entry/ui/form_printing.h"

#include "entry/printout/blank_form_layout.h"
#include "platform/printing/print_job.h"
#include "platform/ui/preview_destination.h"
#include "shell/core/session.h"

#include <QApplication>

namespace vn {

void printBlankForm(Session& session) {
    if (!session.definitions) return;
    // Made at each print, so a printer installed or chosen during the run is seen.
    PreviewDestination destination(QApplication::activeWindow(), session.printer.platformName);
    PrintJob job(destination, session.prompter, session.openAddress, session.folders.outputFolder());
    job.print(blankFormPrintout(session.definitions));
}

}  // namespace vn
