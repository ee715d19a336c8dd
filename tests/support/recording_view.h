#pragma once

#include "shell/core/shell_view.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

namespace vn::test {

// Records what the shell's core asks of the windows.
class RecordingView : public ShellView {
public:
    void setWindowVisible(int window, bool visible) override {
        windowCalls << qMakePair(window, visible);
        windows[window] = visible;
    }
    void setPanelVisible(int panel, bool visible) override { panels[panel] = visible; }
    void setMainMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void setTitle(const QString& t) override { title = t; }
    void setWhatsNewText(const QString& text) override { whatsNew << text; }
    void setBackgroundPicture(const QString& path) override { background = path; }
    void showSaveProgress(int maximum, int position) override { progress << qMakePair(maximum, position); }
    void hideSaveProgress() override { progressHidden = true; }
    void setBusy(bool busy) override { busyChanges << busy; }
    void quit() override { ++quits; }

    QList<int> visibleWindows() const {
        QList<int> shown;
        for (auto it = windows.cbegin(); it != windows.cend(); ++it)
            if (it.value()) shown << it.key();
        return shown;
    }

    QList<QPair<int, bool>> windowCalls;
    QMap<int, bool> windows;
    QMap<int, bool> panels;
    bool menusEnabled = false;
    QString title;
    QStringList whatsNew;
    QString background;
    QList<QPair<int, int>> progress;
    bool progressHidden = false;
    QList<bool> busyChanges;
    int quits = 0;
};

}  // namespace vn::test
