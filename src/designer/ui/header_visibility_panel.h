#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;

namespace vn {

class HeaderVisibility;

// "Check fields you want Visible / Required when form is placed on the web.": a box per header
// field, First and Last always ticked; every click is stored at once.
class HeaderVisibilityPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit HeaderVisibilityPanel(QWidget* parent = nullptr);
    void open(HeaderVisibility* flags);

signals:
    void returnClicked();

private:
    void render();

    HeaderVisibility* m_flags = nullptr;
    std::array<QCheckBox*, 15> m_boxes{};
};

}  // namespace vn
