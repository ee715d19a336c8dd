#pragma once

#include "platform/printing/printout.h"

#include <QString>

class QPagedPaintDevice;

namespace vn {

// Runs the layout on a printer or a PDF writer; false when the device cannot be painted on.
bool paintPrintout(QPagedPaintDevice& device, const Printout& printout);

// Writes the printout as a PDF file, whole or not at all. Returns the reason it failed, empty on
// success.
[[nodiscard]] QString writePdf(const Printout& printout, const QString& path);

}  // namespace vn
