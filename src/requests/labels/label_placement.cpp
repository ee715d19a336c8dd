#include "requests/labels/label_placement.h"

namespace vn {

LabelPlace LabelPlacer::next() {
    std::optional<int> position = m_sheet.firstPresent();
    if (!position) {
        ++m_sheetNumber;
        m_sheet.fill();
        position = 1;
    }
    m_sheet.take(*position);
    return {m_sheetNumber, *position};
}

}  // namespace vn
