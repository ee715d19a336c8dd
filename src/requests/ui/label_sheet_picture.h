#pragma once

#include "requests/labels/label_sheet_controller.h"

#include <QWidget>
#include <array>

namespace vn {

class LabelCell;

// The picture of a label sheet: a cell a position, white while its label is there and grey once
// it is gone, each showing the label previewed on it. Clicking a cell asks to mark it.
class LabelSheetPicture : public QWidget {
    Q_OBJECT
public:
    explicit LabelSheetPicture(QWidget* parent = nullptr);
    void render(const LabelSheetView& view);

signals:
    void cellClicked(int position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<LabelCell*, LabelStock::kMaxLabels> m_cells{};
};

}  // namespace vn
