#pragma once

#include <QString>

namespace vn::selection_messages {

extern const QString kItemTooLong;
extern const QString kConfirmDeleteItem;
extern const QString kConfirmRemoveDefaultItem;
extern const QString kDefaultListFull;

}  // namespace vn::selection_messages
