#pragma once

#include "requests/request.h"

#include <QList>

namespace vn {

// One entry of the "Request" menu: the kind it starts and whose records it takes.
struct RequestMenuEntry {
    const char* caption;
    const char* objectName;
    RequestKind kind;
    EmailFilter filter;
    bool needsMail;     // offered only when an e-mail access method is set up
    bool hasOutput;     // the view that carries the request on exists in this version
};

// The eleven entries in menu order.
const QList<RequestMenuEntry>& requestMenuEntries();

bool requestEntryEnabled(const RequestMenuEntry& entry, bool mailSetUp);

// Why a disabled entry cannot be chosen; empty for an enabled one.
QString requestEntryToolTip(const RequestMenuEntry& entry, bool mailSetUp);

// The menus and buttons that wait for later versions, with the tool tip they carry.
inline const QString kNotYetAvailable = QStringLiteral("This is not available in this version yet.");

}  // namespace vn
