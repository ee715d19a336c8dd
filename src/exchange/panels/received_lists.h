#pragma once

#include <QStringList>

namespace vn {

class Session;

// After lists arrived: the list codes are read again, so new lists are offered at once, and the
// current list's definitions and title when it was among them.
void refreshReceivedLists(Session& session, const QStringList& touched);

}  // namespace vn
