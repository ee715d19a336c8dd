#pragma once

#include "requests/stored/label_stock.h"

namespace vn::test {

// A stock as its Labe row gives it.
inline LabelStock labelStock(int perSheet, int across, int down, const char* width, const char* height,
                             int previewSize = 1) {
    return labelStockFromRow({QStringLiteral("%1 up").arg(perSheet), "", QString::number(perSheet),
                              QString::number(across), QString::number(down), width, height,
                              QString::number(previewSize), "10", "8"});
}

inline LabelStock thirtyUp(int previewSize = 1) { return labelStock(30, 3, 10, "2.625", "1", previewSize); }

}  // namespace vn::test
