#pragma once

#include "requests/evaluation/evaluation.h"

namespace vn {

class Session;

// "Print List" on the program's print job: the preview over the installed printers, or
// VNList.pdf in the Files folder when there is none. The entries print as the List view shows them.
void printListedMatches(Session& session, const SqlRequest& request, const QList<MatchListEntry>& entries);

}  // namespace vn
