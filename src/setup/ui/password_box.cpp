#include "setup/ui/password_box.h"

#include <QKeyEvent>

namespace vn {

PasswordBox::PasswordBox(QWidget* parent) : QLineEdit(parent) { setEchoMode(QLineEdit::Password); }

void PasswordBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (m_told) {
        m_told = false;
        return;
    }
    emit left(text());
}

void PasswordBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        m_told = false;
        QLineEdit::keyPressEvent(event);
        return;
    }
    m_told = true;
    emit left(text());
}

}  // namespace vn
