#pragma once

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;

namespace vn {

// A field's check box with its order number beside it while it is chosen.
class NumberedBox : public QWidget {
    Q_OBJECT
public:
    NumberedBox(const QString& name, QWidget* parent);
    QCheckBox* box() const { return m_box; }
    // Hidden without a caption.
    void render(const QString& caption, std::optional<int> number);

signals:
    void clicked();

private:
    QCheckBox* m_box;
    QLabel* m_number;
};

}  // namespace vn
