#pragma once

#include <QString>

namespace vn {

// What the shell's core asks of the windows. The Qt windows implement it; tests record it.
class ShellView {
public:
    virtual ~ShellView() = default;
    virtual void setWindowVisible(int window, bool visible) = 0;
    virtual void setPanelVisible(int panel, bool visible) = 0;  // panels 1 to 4 of the main window
    virtual void setMainMenusEnabled(bool enabled) = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual void setWhatsNewText(const QString& text) = 0;
    virtual void setBackgroundPicture(const QString& path) = 0;  // empty: none
    virtual void showSaveProgress(int maximum, int position) = 0;
    virtual void hideSaveProgress() = 0;
    virtual void setBusy(bool busy) = 0;
    virtual void quit() = 0;  // end the event loop; the program then ends
};

// The busy cursor for the length of a block, restored on every way out.
class BusyGuard {
public:
    explicit BusyGuard(ShellView& view) : m_view(view) { m_view.setBusy(true); }
    ~BusyGuard() { m_view.setBusy(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    ShellView& m_view;
};

}  // namespace vn
