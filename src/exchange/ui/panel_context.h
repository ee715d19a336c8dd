#pragma once

#include "platform/drive_map.h"

#include <functional>

namespace vn {

class Navigator;
class Session;

// What a panel of window 4 is made with: the session, the navigator for the orderly exit, the
// drive map, and the way back to no panel (its Exit button).
struct PanelContext {
    Session& session;
    Navigator& navigator;
    DriveMap drives;
    std::function<void()> close;
};

}  // namespace vn
