#include "support/screen_fit.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

namespace vn::test {

namespace {

// The part of the widget its parents leave visible, in its own coordinates; `scrolls` tells
// whether a scroll area's viewport is among those parents.
QRect clippedRect(QWidget& widget, bool* scrolls = nullptr) {
    QRect visible = widget.rect();
    for (QWidget* w = &widget; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (scrolls && qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) &&
            static_cast<QAbstractScrollArea*>(parent->parentWidget())->viewport() == parent)
            *scrolls = true;
        visible &= QRect(widget.mapFrom(parent, QPoint(0, 0)), parent->size());
    }
    return visible;
}

// Lays out what the last change left to lay out, as the event loop would before painting; a
// layout that resizes a scroll area leaves it more to do.
void settle() {
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}

QString smallScreenTrouble(QWidget& window, const QString& view) {
    settle();
    keepScreenshot(window, view);
    if (window.width() > kSmallScreenRoom.width() || window.height() > kSmallScreenRoom.height())
        return QStringLiteral("%1: the window is %2 x %3").arg(view).arg(window.width()).arg(window.height());
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        bool scrolls = false;
        if (clippedRect(*w, &scrolls) != w->rect() && !scrolls)
            cut << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    }
    return cut.isEmpty() ? QString() : QStringLiteral("%1: %2 cut off").arg(view, cut.join(QStringLiteral(", ")));
}

}  // namespace

void verifyFitsSmallScreen(QWidget& window, const QString& view) {
    const QString trouble = smallScreenTrouble(window, view);
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble));
}

bool shownWhole(QWidget& widget) {
    settle();
    return widget.isVisible() && clippedRect(widget) == widget.rect();
}

void keepScreenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VARNEDO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    settle();
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace vn::test
