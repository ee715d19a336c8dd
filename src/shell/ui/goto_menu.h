#pragma once

class QMainWindow;
class QMenu;

namespace vn {

class Navigator;

// The "Goto" menu every window carries: Exit, Main and the other windows.
QMenu* addGotoMenu(QMainWindow& window, Navigator& navigator, int ownNumber);

}  // namespace vn
