#include "requests/ui/list_printing.h"

#include "platform/ui/preview_destination.h"
#include "requests/output/print_list.h"
#include "shell/core/session.h"

#include <QApplication>

namespace vn {

void printListedMatches(Session& session, const SqlRequest& request, const QList<MatchListEntry>& entries) {
    // Made at each print, so a printer installed or chosen during the run is seen.
    PreviewDestination destination(QApplication::activeWindow(), session.printer.platformName);
    PrintJob job(destination, session.prompter, session.openAddress, session.folders.outputFolder());
    QStringList texts;
    for (const MatchListEntry& entry : entries) texts << entry.text;
    printMatchList(job, request.displayText, texts);
}

}  // namespace vn
