#pragma once

#include "requests/labels/label_sheet.h"

namespace vn {

// Where one printed label goes: the sheet (0 the sheet in the printer) and the position on it.
struct LabelPlace {
    int sheet = 0;
    int position = 1;
    bool operator==(const LabelPlace&) const = default;
};

// Places printed labels one after another: on the present positions of the first sheet in
// position order, then on fresh sheets from position 1. A sheet with no present position left
// is passed over, so a label never lands where the sheet has none.
class LabelPlacer {
public:
    explicit LabelPlacer(const LabelSheet& firstSheet) : m_sheet(firstSheet) {}
    LabelPlace next();

private:
    LabelSheet m_sheet;
    int m_sheetNumber = 0;
};

}  // namespace vn
