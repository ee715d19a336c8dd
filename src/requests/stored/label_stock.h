#pragma once

#include "requests/stored/fixed_point4.h"
#include "requests/stored/request_tables.h"

#include <QList>
#include <QString>
#include <optional>

namespace vn {

class RecordAccess;

// One label sheet type (a Labe row): what the label sheet window lays out and prints.
struct LabelStock {
    static constexpr int kMaxLabels = 80;
    static constexpr int kSheetWidthInches = 8;
    static constexpr int kSheetHeightInches = 10;

    QString name;
    int perSheet = 0;     // 1 to 80
    int across = 0;       // columns
    int down = 0;         // rows; across x down >= perSheet
    FixedPoint4 width;    // inches, positive; across x width <= 8
    FixedPoint4 height;   // inches, positive; down x height <= 10
    int previewSize = 1;  // 1 small sheet picture, 2 large
    int printFontSize = 0;
    int screenFontSize = 0;

    bool operator==(const LabelStock&) const = default;
};

// Reads one Labe row (fields 0 and 2 to 9; field 1 is not read). Refuses, with StoreError naming
// the row and the field: a count outside 1 to 80; across or down below 1; fewer places (across
// x down) than labels; a width or height that is not a positive decimal number; a sheet wider
// than 8 or taller than 10 inches (across x width, down x height); a preview size other than 1
// or 2; a font size below 1; an integer field holding anything but digits.
LabelStock labelStockFromRow(const RowFields& row);

// Every Labe row in key order: the rows that passed, and one message per refused row, so one bad
// row does not hide the good ones.
struct LabelStockReading {
    QList<LabelStock> stocks;
    QStringList refusals;
};
LabelStockReading readLabelStocks(RecordAccess& access);

// The Labe row with the name; nullopt when there is none. A refused row throws StoreError.
std::optional<LabelStock> findLabelStock(RecordAccess& access, const QString& name);

}  // namespace vn
