#pragma once

#include <QList>

namespace vn {

class Session;
class ShellView;

// Window numbers of the application windows (2 and 5, splash and progress, are never switched).
enum Window : int {
    MainWindowNo = 1,
    DesignerWindow = 3,
    ArchiveWindow = 4,
    SetupWindow = 6,
    EntryWindow = 7,
    PhraseEditorWindow = 8,
    BuilderWindow = 9,
    LabelSheetWindowNo = 10,  // the class is LabelSheetWindow
    ImportWindow = 11,
    ExportWindow = 12,
};

// Panels of the main window, by bit.
enum Panel : int { AboutPanel = 1, WhatsNewPanel = 2, AgentsPanel = 3, WebOverviewPanel = 4 };

using WindowSet = QList<int>;
using PanelSet = QList<int>;

// One application window visible at a time; the orderly exit runs through here.
class Navigator {
public:
    Navigator(Session& session, ShellView& view);
    // The windows may be made after the navigator they call back into.
    explicit Navigator(Session& session) : m_session(session) {}
    void setView(ShellView& view) { m_view = &view; }

    // Shows the windows of the set and hides the others, in window order, each shown before the
    // next is hidden. With the exit flag set it runs the shutdown instead.
    void ShowWindow(const WindowSet& windows);
    void ShowPanel(const PanelSet& panels);

    // The "Goto" menu of every window.
    void gotoExit();
    void gotoMain(int fromWindow);
    void gotoWindow(int fromWindow, int target);
    void returnToCaller();
    // Saves every table and opens them again ("Update Disk" of every window).
    void updateDisk();

private:
    Session& m_session;
    ShellView* m_view = nullptr;
};

}  // namespace vn
