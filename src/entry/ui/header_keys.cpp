#include "entry/ui/header_keys.h"

#include <QKeyEvent>
#include <QVariant>

namespace vn {

bool HeaderKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Tab) return QObject::eventFilter(watched, event);
    m_leave(watched->property("headerField").toInt());
    return true;
}

}  // namespace vn
