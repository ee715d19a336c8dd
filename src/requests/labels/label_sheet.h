#pragma once

#include "requests/stored/label_stock.h"

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace vn {

// The label positions of one sheet and which of them still hold a label. Only positions 1 to
// the stock's count exist; the others are never present, so nothing is ever placed on them.
class LabelSheet {
public:
    explicit LabelSheet(int count = LabelStock::kMaxLabels);

    int count() const { return m_count; }
    // Another stock: the positions both have keep their marks.
    void setCount(int count);

    bool present(int position) const;  // false outside 1 to count
    int presentCount() const;
    std::optional<int> firstPresent() const;

    // Each does nothing outside 1 to count.
    void toggle(int position);
    void take(int position);

    void fill();   // every position present
    void clear();  // every position absent

private:
    bool exists(int position) const { return position >= 1 && position <= m_count; }

    int m_count;
    std::array<bool, LabelStock::kMaxLabels> m_present{};
};

// The window's picture of a sheet: 170 by 220 for a small preview, 340 by 440 for a large one.
QSize sheetPictureSize(int previewSize);

// Position k of the stock in its picture: the picture less a border of 8 shared by the columns
// and rows, row by row from the top left.
QRect labelCellRect(const LabelStock& stock, int position);

}  // namespace vn
