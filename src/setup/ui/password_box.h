#pragma once

#include <QLineEdit>

namespace vn {

// A password box whose text hides as typed and that tells each time it is left: Enter, Tab or
// a click elsewhere, whether or not its text changed.
class PasswordBox : public QLineEdit {
    Q_OBJECT
public:
    explicit PasswordBox(QWidget* parent = nullptr);

signals:
    void left(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_told = false;  // Enter told it already; the focus leaving next is the same leave
};

}  // namespace vn
