#pragma once

namespace vn {

class AppWindow;
class Navigator;
class Session;

// Window 6 for the program's window table.
AppWindow* makeSetupWindow(Session& session, Navigator& navigator);

}  // namespace vn
