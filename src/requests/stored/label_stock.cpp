#include "requests/stored/label_stock.h"

#include "requests/stored/row_checks.h"

#include <limits>

namespace vn {

namespace {

using namespace request_tables;
using row_checks::Range;

constexpr qint64 kLargestInt = std::numeric_limits<int>::max();

QString labeFieldName(int field) {
    switch (field) {
    case labe::kName: return QStringLiteral("name");
    case labe::kPerSheet: return QStringLiteral("labels per sheet");
    case labe::kAcross: return QStringLiteral("labels across");
    case labe::kDown: return QStringLiteral("labels down");
    case labe::kWidth: return QStringLiteral("label width");
    case labe::kHeight: return QStringLiteral("label height");
    case labe::kPreviewSize: return QStringLiteral("preview size");
    case labe::kPrintFontSize: return QStringLiteral("printing font size");
    case labe::kScreenFontSize: return QStringLiteral("preview font size");
    }
    return QStringLiteral("not read");
}

FixedPoint4 inches(const row_checks::RowReader& r, int field) {
    const std::optional<FixedPoint4> value = FixedPoint4::parse(r.text(field));
    if (!value || *value <= FixedPoint4()) r.refuse(r.holding(field) + QStringLiteral(", not a positive decimal number of inches."));
    return *value;
}

// Whether `count` labels of `size` inches fit into `limit` inches.
bool fits(int count, FixedPoint4 size, int limit) {
    try {
        return FixedPoint4::fromInteger(count) * size <= FixedPoint4::fromInteger(limit);
    } catch (const FixedPointError&) {
        return false;
    }
}

}  // namespace

LabelStock labelStockFromRow(const RowFields& row) {
    const row_checks::RowReader r(QStringLiteral("Labe"), row, labeFieldName);
    LabelStock stock;
    stock.name = r.text(labe::kName);
    stock.perSheet = r.integer(labe::kPerSheet, Range{1, LabelStock::kMaxLabels});
    stock.across = r.integer(labe::kAcross, Range{1, kLargestInt});
    stock.down = r.integer(labe::kDown, Range{1, kLargestInt});
    if (qint64(stock.across) * stock.down < stock.perSheet)
        r.refuse(QStringLiteral("%1 across by %2 down (fields 3 and 4) give %3 places for %4 labels per sheet (field 2).")
                     .arg(stock.across)
                     .arg(stock.down)
                     .arg(qint64(stock.across) * stock.down)
                     .arg(stock.perSheet));
    stock.width = inches(r, labe::kWidth);
    stock.height = inches(r, labe::kHeight);
    if (!fits(stock.across, stock.width, LabelStock::kSheetWidthInches))
        r.refuse(QStringLiteral("%1 labels across of %2 inches (fields 3 and 5) are wider than a sheet of %3 inches.")
                     .arg(QString::number(stock.across), stock.width.toString(), QString::number(LabelStock::kSheetWidthInches)));
    if (!fits(stock.down, stock.height, LabelStock::kSheetHeightInches))
        r.refuse(QStringLiteral("%1 labels down of %2 inches (fields 4 and 6) are taller than a sheet of %3 inches.")
                     .arg(QString::number(stock.down), stock.height.toString(), QString::number(LabelStock::kSheetHeightInches)));
    stock.previewSize = r.integer(labe::kPreviewSize, Range{1, 2});
    stock.printFontSize = r.integer(labe::kPrintFontSize, Range{1, kLargestInt});
    stock.screenFontSize = r.integer(labe::kScreenFontSize, Range{1, kLargestInt});
    return stock;
}

}  // namespace vn
