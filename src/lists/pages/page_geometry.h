#pragma once

#include "lists/definitions/table_construction.h"

#include <QSize>
#include <QString>

namespace vn::page {

// The page area of a list page, in pixels, and the rules fields move by.
inline constexpr int kWidth = 840;
inline constexpr int kHeight = 460;
inline constexpr int kTopBound = 17;
inline constexpr int kLeftBound = 8;
inline constexpr int kBottomBound = kHeight - 8;  // 452
inline constexpr int kRightBound = kWidth - 8;    // 832
inline constexpr int kRadioBottomBound = kBottomBound - 20;
inline constexpr int kStep = 8;
inline constexpr int kRepeatMilliseconds = 75;
// A held move button waits this long before its first repeat, so a click (or an accessibility
// "press", which holds the button for 100 ms) is one step.
inline constexpr int kFirstRepeatMilliseconds = 400;
inline constexpr int kLineHeight = 21;

// Where a newly placed field starts.
inline constexpr int kDefaultTop = 144;
inline constexpr int kDefaultLeft = 200;
inline constexpr int kMemoTop = 200, kMemoLeft = 200, kMemoWidth = 200, kMemoHeight = 80;
inline constexpr int kTableTop = 250, kTableLeft = 8;
inline constexpr int kMemoMinWidth = 80, kMemoMinHeight = 16;
inline constexpr int kTableMaxWidth = 824;  // w0 + 3 + the columns' advances may not exceed it

}  // namespace vn::page

namespace vn {

// Text widths in the page's font: the designer and the record screen measure with Qt, tests with
// a fixed measure so layouts are exact.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const QString& text, int pointSize, bool bold) const = 0;
};

// The grid's extent used by the move bounds: width w0 + 3 + (size x 10 + 3 per column) + 6,
// height 17 x (rows + 2) + 3.
QSize tableExtent(const TableConstruction& table);

// w0 + 3 + the sum over the five columns of (size x 10 + 3): more than 824 does not fit the page.
int tableColumnsWidth(const TableConstruction& table);

}  // namespace vn
