#pragma once

#include "platform/printing/printout.h"

namespace vn {

// Where a printout goes when printers are installed: the program shows Qt's preview, whose
// Print button offers every printer and printing to a file; tests record.
class PrintDestination {
public:
    virtual ~PrintDestination() = default;
    [[nodiscard]] virtual bool hasPrinter() const = 0;
    // Returns when the user has printed or closed the preview.
    virtual void preview(const Printout& printout) = 0;
};

}  // namespace vn
