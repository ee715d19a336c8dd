#pragma once

#include "lists/pages/page_layout.h"

#include <QList>
#include <QRect>

namespace vn {

// The order the keyboard walks a drawn page of the record screen: the indexes of the items that
// take the focus, text boxes in the tab order the designer gave them, then the grid's cells in
// theirs, then the other controls as the page reads (top to bottom, left to right).
QList<int> focusOrder(const QList<LayoutItem>& items);

// The fields of a drawn page as the page reads, one definition number each (the designer walks
// its page this way).
QList<int> fieldsInReadingOrder(const QList<LayoutItem>& items);

// The area a field covers on the page: every part of it, its caption included.
QRect fieldBounds(const QList<LayoutItem>& items, int definitionNumber);

}  // namespace vn
