#pragma once

#include "platform/printing/printout.h"

#include <QString>

class QWidget;

namespace vn {

class Session;

// Prints on the print job: on the printer named (empty: the main window's), or as a PDF in the
// Files folder when no printer is installed.
void printOnJob(Session& session, const QString& printer, const Printout& printout);

// Qt's print dialog preset to the printer named; the printer chosen, or the name unchanged when
// the dialog is cancelled.
QString choosePrinter(QWidget* parent, const QString& printer);

}  // namespace vn
