#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

namespace vn::test {

// A window's child by object name; the test stops when there is none.
template <typename T>
T* child(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) qFatal("no child named %s", qPrintable(name));
    return found;
}

// Clicks a button as the user would; false when it is hidden or disabled.
inline bool clickButton(QWidget* window, const QString& name) {
    auto* b = child<QAbstractButton>(window, name);
    if (!b->isVisible() || !b->isEnabled()) return false;
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    return true;
}

inline void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The focusable controls the window shows now that lack an object name or a name for assistive
// technology.
inline QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) || qobject_cast<QMenu*>(w)) continue;
        if (w->objectName().startsWith("qt_")) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (w->objectName().isEmpty() || !a || a->text(QAccessible::Name).isEmpty())
            unnamed << w->objectName() + ":" + w->metaObject()->className();
    }
    return unnamed;
}

}  // namespace vn::test
