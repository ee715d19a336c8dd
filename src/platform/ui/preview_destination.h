#pragma once

#include "platform/printing/print_destination.h"

#include <QString>

class QWidget;

namespace vn {

// Qt's print preview over the installed printers. Its Print button opens Qt's print dialog
// (every printer and printing to a PDF file), preset to the main window's default printer.
class PreviewDestination : public PrintDestination {
public:
    PreviewDestination(QWidget* parent, QString defaultPrinter);

    bool hasPrinter() const override;
    void preview(const Printout& printout) override;

private:
    QWidget* m_parent;
    QString m_defaultPrinter;
};

}  // namespace vn
