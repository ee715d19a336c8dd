#pragma once

#include "platform/printing/printout.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace vn {

// The page of a printout that names its paper.
QPageLayout paperLayout(const PrintPaper& paper, bool landscape);

// Runs the layout on a printer or a PDF writer; false when the device cannot be painted on.
bool paintPrintout(QPagedPaintDevice& device, const Printout& printout);

// The page of a PDF document: by default the paper of the place with a printer's border, so it
// looks like the printed page; a document laid out in points takes A4 at 72 dots per inch with
// no border (1 unit = 1 point). A printout that names its paper is written on that paper.
struct PdfPage {
    bool pointsOnA4 = false;
};

// Writes the printout as a PDF file, whole or not at all. Returns the reason it failed, empty on
// success.
[[nodiscard]] QString writePdf(const Printout& printout, const QString& path, PdfPage page = {});

}  // namespace vn
