#pragma once

#include "archive/ui/archive_window.h"
#include "requests/ui/request_windows.h"
#include "shell/core/session.h"
#include "support/running_program.h"

namespace vn::test {

// The county office of Albany, Wyoming, its lists read again, with window 4 and the record entry
// window and request builder that it reaches.
inline void openWebWindows(RunningProgram& program) {
    Session& s = *program.session;
    s.identity.operationalLevel = 1;
    s.identity.stateCode = "wy";
    s.identity.countyCode = "ALB";
    reloadListCodes(s);
    WindowFactories windows = entryAndBuilderWindows();
    windows.insert(ArchiveWindow, makeArchiveWindow);
    program.openWindows(windows);
}

}  // namespace vn::test
