#include "lists/ui/page_scroll_area.h"

#include <QScrollArea>

namespace vn {

QScrollArea* pageScrollArea(QWidget* page, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setWidget(page);
    const int frame = 2 * scroll->frameWidth();
    scroll->setMinimumSize(page->width() + frame, page->height() + frame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

}  // namespace vn
