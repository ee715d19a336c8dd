#include "platform/printing/printer_list.h"

#include <QPrinterInfo>

namespace vn {

QStringList installedPrinterNames() { return QPrinterInfo::availablePrinterNames(); }

PrinterChoice currentPrinter() {
    return choosePrinter(installedPrinterNames(), QPrinterInfo::defaultPrinterName());
}

PrinterChoice choosePrinter(const QStringList& names, const QString& defaultName) {
    if (names.isEmpty()) return {};
    const int index = names.indexOf(defaultName);
    return index < 0 ? PrinterChoice{names.front(), 0} : PrinterChoice{defaultName, index};
}

}  // namespace vn
