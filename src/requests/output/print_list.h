#pragma once

#include "platform/printing/print_job.h"
#include "platform/printing/printout.h"
#include "requests/output/list_print_layout.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vn {

inline const QString kListPdfFileName = QStringLiteral("VNList.pdf");

// The list printout, its PDF named VNList.pdf.
Printout listPrintout(PrintedList list);

// "Print List" of the List view: the request's display text and the entries as listed.
void printMatchList(PrintJob& job, const QString& displayText, const QStringList& entries,
                    const QDateTime& printedAt = QDateTime::currentDateTime());

}  // namespace vn
