#include "platform/printing/print_job.h"

#include "platform/printing/pdf_printout.h"
#include "platform/prompter.h"

#include <QDir>

namespace vn {

PrintJob::PrintJob(PrintDestination& destination, Prompter& prompter, Opener open, QString filesFolder)
    : m_destination(destination), m_prompter(prompter), m_open(std::move(open)), m_filesFolder(std::move(filesFolder)) {}

void PrintJob::print(const Printout& printout) {
    if (m_destination.hasPrinter()) m_destination.preview(printout);
    else printToPdf(printout);
}

void PrintJob::printToPdf(const Printout& printout) {
    const QString path = QDir(m_filesFolder).filePath(printout.pdfFileName);
    QDir().mkpath(m_filesFolder);  // a failure shows as the file's own error below
    const QString failure = writePdf(printout, path);
    if (!failure.isEmpty()) {
        m_prompter.error(QStringLiteral("The printout could not be saved as\r\r%1\r\r%2").arg(path, failure));
        return;
    }
    const bool opened = m_open && m_open(path);
    QString text = QStringLiteral("No printer is installed, so the printout was saved as\r\r%1").arg(path);
    if (!opened) text += QStringLiteral("\r\rNo program to show PDF files could be started.");
    m_prompter.information(text);
}

}  // namespace vn
