#pragma once

#include "requests/memo/memo_entries.h"

namespace vn {

class Session;

// "Print Selected Memo(s)": MP.pdf in the Files folder, opened on the desktop; when it cannot be
// written the user is told why and a file already there stays.
void printChosenMemos(Session& session, const QString& listCode, const QStringList& memoNames,
                      const QList<MemoEntry>& chosen);

}  // namespace vn
