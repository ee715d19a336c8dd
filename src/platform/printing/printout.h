#pragma once

#include "platform/printing/page_sink.h"

#include <QString>
#include <functional>

namespace vn {

// One printout of the program: what it draws and what it is called. Every printout goes
// through PrintJob with its own layout and its own PDF file name.
struct Printout {
    QString title;        // the document's name in the preview, the printer queue and the PDF
    QString pdfFileName;  // the file written in the Files folder when no printer is installed
    bool landscape = false;
    std::function<void(PageSink&)> layout;  // draws every page; may be run more than once
};

}  // namespace vn
