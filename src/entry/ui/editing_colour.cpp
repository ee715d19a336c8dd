#include "entry/ui/editing_colour.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace vn {

namespace {

const QColor kLight(253, 209, 170);

}  // namespace

void paintEditing(QWidget* box, bool editing) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, editing ? QColor(Qt::white) : kLight);
    box->setPalette(palette);
}

void EditingColour::watch(QWidget* box) {
    paintEditing(box, false);
    box->installEventFilter(this);
}

bool EditingColour::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        paintEditing(static_cast<QWidget*>(watched), event->type() == QEvent::FocusIn);
    return false;
}

}  // namespace vn
