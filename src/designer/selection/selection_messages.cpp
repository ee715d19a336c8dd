#include "designer/selection/selection_messages.h"

namespace vn::selection_messages {

// The misspelling is the product's own wording.
const QString kItemTooLong =
    QStringLiteral("Selection list items can only be a maximum of 90 characters in lenght");
const QString kConfirmDeleteItem = QStringLiteral("Confirm deleting Selection list entry.");
const QString kConfirmRemoveDefaultItem = QStringLiteral("Confirm removing selected item.");
const QString kDefaultListFull =
    QStringLiteral("This list is full: item number 999 is in use, so no further item can be added.  "
                   "Remove items from the end of the list first.");

}  // namespace vn::selection_messages
