#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// A printer by name and by its position in the platform's printer list.
struct PrinterChoice {
    QString name;
    int index = 0;
};

// The installed printers in the platform's order.
QStringList installedPrinterNames();

// The platform's current printer: the default one, else the first; none installed gives an empty
// name and index 0.
PrinterChoice currentPrinter();

// The choice among the names: the default by name when listed, else the first.
PrinterChoice choosePrinter(const QStringList& names, const QString& defaultName);

}  // namespace vn
