#include "requests/labels/label_sheet.h"

#include <algorithm>

namespace vn {

namespace {

constexpr QSize kSmallPicture{170, 220};
constexpr int kPictureBorder = 8;

}  // namespace

LabelSheet::LabelSheet(int count) : m_count(std::clamp(count, 1, LabelStock::kMaxLabels)) { fill(); }

void LabelSheet::setCount(int count) { m_count = std::clamp(count, 1, LabelStock::kMaxLabels); }

bool LabelSheet::present(int position) const { return exists(position) && m_present[std::size_t(position - 1)]; }

int LabelSheet::presentCount() const {
    return int(std::count(m_present.begin(), m_present.begin() + m_count, true));
}

std::optional<int> LabelSheet::firstPresent() const {
    const auto end = m_present.begin() + m_count;
    const auto found = std::find(m_present.begin(), end, true);
    if (found == end) return std::nullopt;
    return int(found - m_present.begin()) + 1;
}

void LabelSheet::toggle(int position) {
    if (exists(position)) m_present[std::size_t(position - 1)] = !m_present[std::size_t(position - 1)];
}

void LabelSheet::take(int position) {
    if (exists(position)) m_present[std::size_t(position - 1)] = false;
}

void LabelSheet::fill() { m_present.fill(true); }

void LabelSheet::clear() { m_present.fill(false); }

QSize sheetPictureSize(int previewSize) { return previewSize == 2 ? kSmallPicture * 2 : kSmallPicture; }

QRect labelCellRect(const LabelStock& stock, int position) {
    const QSize picture = sheetPictureSize(stock.previewSize);
    const int across = std::max(stock.across, 1);
    const int width = (picture.width() - 2 * kPictureBorder) / across;
    const int height = (picture.height() - 2 * kPictureBorder) / std::max(stock.down, 1);
    const int index = position - 1;
    return {index % across * width + kPictureBorder, index / across * height + kPictureBorder, width, height};
}

}  // namespace vn
