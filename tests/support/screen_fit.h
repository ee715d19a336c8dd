#pragma once

#include <QSize>
#include <QStringList>

class QWidget;

namespace vn::test {

// The room a window has on a 1280 x 800 screen at 100 % scale, once the desktop's panel and the
// window's title bar have taken theirs.
inline constexpr QSize kSmallScreenRoom{1280, 740};

// Fails the running test when the window, as it shows now, does not fit that room: the window is
// larger, or its size cuts off visible controls (partly outside it, or clipped by a parent that
// does not scroll them into view). Keeps a picture of the window as `view` (keepScreenshot).
void verifyFitsSmallScreen(QWidget& window, const QString& view);

// Whether a widget is shown whole, without scrolling.
bool shownWhole(QWidget& widget);

// With VARNEDO_SCREENSHOTS naming a folder, keeps a picture of the window there as <name>.png.
void keepScreenshot(QWidget& window, const QString& name);

}  // namespace vn::test
