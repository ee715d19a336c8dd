#include "requests/ui/report_output.h"

#include "platform/printing/pdf_printout.h"
#include "platform/prompter.h"
#include "platform/ui/preview_destination.h"
#include "requests/report/print_report.h"
#include "requests/report/report_file.h"
#include "platform/ui/busy_cursor.h"
#include "shell/core/session.h"

#include <QApplication>
#include <QDir>

namespace vn {

bool reportToFile(Session& session, const ReportDocument& report) {
    const QString folder = session.folders.outputFolder();
    QDir().mkpath(folder);  // a failure shows as the file's own message
    return writeReportFile(folder, report.records, session.prompter);
}

bool reportToPrinter(Session& session, const ReportDocument& report, const QString& printer) {
    const QString folder = session.folders.outputFolder();
    if (session.prompter.confirmation(QStringLiteral("Preview report in PDF format?"), Buttons::YesNo) != Answer::Yes) {
        // Made at each print, so a printer installed or chosen during the run is seen.
        PreviewDestination destination(QApplication::activeWindow(),
                                       printer.isEmpty() ? session.printer.platformName : printer);
        PrintJob job(destination, session.prompter, session.openAddress, folder);
        printReport(job, report, session.prompter);
        return true;
    }
    const QString path = QDir(folder).filePath(kReportPdfFileName);
    QString failure;
    {
        BusyCursor busy;
        QDir().mkpath(folder);
        failure = writePdf(reportPrintout(report), path);
    }
    if (!failure.isEmpty()) {
        session.prompter.error(QStringLiteral("The report could not be saved as\r\r%1\r\r%2").arg(path, failure));
        return false;
    }
    if (!session.openAddress || !session.openAddress(path))
        session.prompter.information(
            QStringLiteral("The report was saved as\r\r%1\r\rNo program to show PDF files could be started.").arg(path));
    return true;
}

ScreenViews reportToScreen(Session& session, const ReportDocument& report) {
    const QString folder = session.folders.outputFolder();
    QDir().mkpath(folder);
    ScreenViews views;
    {
        BusyCursor busy;
        views = writeScreenViews(folder, report);
    }
    if (!views.failure.isEmpty()) session.prompter.error(views.failure);
    return views;
}

}  // namespace vn
