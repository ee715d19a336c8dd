#pragma once

#include "platform/printing/page_sink.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace vn {

// The paper a printout is laid out for, when the layout needs to land on a given sheet: its
// size and the margins that leave the printable area, in inches, and the resolution of its PDF.
struct PrintPaper {
    QSizeF inches;
    QMarginsF marginInches;
    int pdfDotsPerInch = 300;
};

// One printout of the program: what it draws and what it is called. Every printout goes
// through PrintJob with its own layout and its own PDF file name.
struct Printout {
    QString title;        // the document's name in the preview, the printer queue and the PDF
    QString pdfFileName;  // the file written in the Files folder when no printer is installed
    bool landscape = false;
    std::function<void(PageSink&)> layout;  // draws every page; may be run more than once
    std::optional<PrintPaper> paper = std::nullopt;  // none: the place's paper with a printer's border
    // Set instead of a layout for a printout that paints the device itself (Qt's rich-text printing).
    std::function<void(QPagedPaintDevice&)> paint = nullptr;
};

}  // namespace vn
