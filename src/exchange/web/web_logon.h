#pragma once

#include "exchange/web/web_address.h"

namespace vn {

class Session;

// This office and the current list, as the service's pages are opened for them.
CentralCodes centralCodes(const Session& session);

enum class LogonOutcome {
    Opened,       // the page went to the browser
    Unprocessed,  // the last downloaded data file waits: warned, nothing opened
    NotOpened,    // no browser took the page: warned, naming the address
};

// The data download logon of the archive window and the record entry window: refused while the
// last downloaded data file has not been processed, else the current list's download page.
LogonOutcome dataDownloadLogon(Session& session);

// The form download page; the folder the forms are saved into is made first.
LogonOutcome formDownloadLogon(Session& session);

LogonOutcome stateSupporterAccess(Session& session);

}  // namespace vn
