#pragma once

#include <QGroupBox>
#include <array>

class QRadioButton;

namespace vn {

class HeaderLink;

// "Link Header Fields to...": one radio button per choice, the list's stored one checked; a
// choice is reported at once.
class HeaderLinkPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit HeaderLinkPanel(QWidget* parent = nullptr);
    void render(const HeaderLink& link);

signals:
    void chosen(int code);
    void returnClicked();

private:
    std::array<QRadioButton*, 6> m_choices{};
};

}  // namespace vn
