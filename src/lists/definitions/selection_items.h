#pragma once

#include <QList>
#include <QString>

namespace vn {

class RecordAccess;

// One item of a text field's selection list.
struct SelectionItem {
    QString key;   // the Selc key: the six-character prefix + the text
    QString text;
    int position = 0;  // the display position (field 1); empty counts as 0
};

// The items of a field's list in the order they are shown: every Selc row whose first six
// characters equal the prefix (without regard to case), by display position as a number, then by
// key. The designer's editor and the entry window both show this order; there is no limit.
QList<SelectionItem> SelectionItems(RecordAccess& access, const QString& prefix);

// Writes positions 0 .. n-1 in the order shown, so moves and deletions can rely on them.
void RenumberSelectionItems(RecordAccess& access, const QString& prefix);

}  // namespace vn
