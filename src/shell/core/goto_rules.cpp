#include "shell/core/goto_rules.h"

#include "shell/core/navigation.h"
#include "shell/core/session.h"

namespace vn {

bool gotoEntryEnabled(int window, GotoEntry entry, bool started, bool listCurrent) {
    if (entry == GotoEntry::Exit) return true;
    if (window == MainWindowNo && !started) return false;
    if (entry == GotoEntry::Import || entry == GotoEntry::Export) return listCurrent;
    return true;
}

bool hasCurrentList(const Session& session) {
    const QString& code = session.currentListCode;
    return !code.isEmpty() && session.listCodes.contains(code, Qt::CaseInsensitive);
}

}  // namespace vn
