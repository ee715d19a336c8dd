#include "shell/core/navigation.h"

#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/shutdown_sequence.h"

namespace vn {

namespace {

constexpr int kFirstWindow = 1;
constexpr int kLastWindow = 12;
constexpr int kPanelCount = 4;

bool isSwitched(int window) { return window != 2 && window != 5; }

}  // namespace

Navigator::Navigator(Session& session, ShellView& view) : m_session(session), m_view(&view) {}

void Navigator::ShowWindow(const WindowSet& windows) {
    if (m_session.exitFlag) {
        ShutdownSequence(m_session, *m_view);
        return;
    }
    for (int n = kFirstWindow; n <= kLastWindow; ++n) {
        if (!isSwitched(n)) continue;
        m_view->setWindowVisible(n, windows.contains(n));
    }
    for (int n : windows)
        if (isSwitched(n)) m_session.helpContext = QString::number(n);
}

void Navigator::ShowPanel(const PanelSet& panels) {
    for (int bit = 1; bit <= kPanelCount; ++bit) m_view->setPanelVisible(bit, panels.contains(bit));
}

void Navigator::gotoExit() {
    m_session.exitFlag = true;
    ShowWindow({MainWindowNo});
}

void Navigator::gotoMain(int fromWindow) {
    m_session.cameFrom = fromWindow;
    ShowWindow({MainWindowNo});
    ShowPanel({});
}

void Navigator::gotoWindow(int fromWindow, int target) {
    m_session.cameFrom = fromWindow;
    ShowWindow({target});
}

void Navigator::returnToCaller() { ShowWindow({m_session.cameFrom}); }

void Navigator::updateDisk() { UpdateDisk(m_session, *m_view); }

}  // namespace vn
