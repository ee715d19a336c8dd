#pragma once

#include "shell/core/shell_view.h"

namespace vn {

// The shell's view for a command that works on the tables without any window.
class HeadlessView : public ShellView {
public:
    void setWindowVisible(int, bool) override {}
    void setPanelVisible(int, bool) override {}
    void setMainMenusEnabled(bool) override {}
    void setTitle(const QString&) override {}
    void setWhatsNewText(const QString&) override {}
    void setBackgroundPicture(const QString&) override {}
    void showSaveProgress(int, int) override {}
    void hideSaveProgress() override {}
    void setBusy(bool) override {}
    void quit() override {}
};

}  // namespace vn
