#pragma once

#include <QtGlobal>

namespace vn {

class RecordAccess;

struct SelectionKeyRepair {
    qint64 widened = 0;     // four-character keys given their five-character form
    qint64 merged = 0;      // four-character keys whose five-character form already had a row: dropped
    qint64 deleted = 0;     // keys of any other wrong length
};

// The default selection list items (Dsli) keyed by two digits of list and two of item (an older
// form) get a zero before the item number; keys of another length than four or five are deleted.
// One transaction.
SelectionKeyRepair repairSelectionKeys(RecordAccess& access);

}  // namespace vn
