#pragma once

class QScrollArea;
class QWidget;

namespace vn {

// The frame a list page is shown in: never smaller than the page, so the page always shows at its
// true size, whole, without scroll bars; a window too small for it grows to fit instead.
QScrollArea* pageScrollArea(QWidget* page, QWidget* parent);

}  // namespace vn
