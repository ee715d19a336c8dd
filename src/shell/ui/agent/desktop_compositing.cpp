#include "shell/ui/agent/desktop_compositing.h"

#include <QGuiApplication>

#include <cstdlib>
#include <xcb/xcb.h>

namespace vn {

bool desktopComposites() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return true;
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const char name[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom) return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return owned;
}

}  // namespace vn
