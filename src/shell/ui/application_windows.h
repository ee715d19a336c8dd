#pragma once

#include "shell/core/shell_view.h"

#include <QMap>
#include <functional>
#include <memory>

class QProgressDialog;

namespace vn {

class AppWindow;
class MainWindow;
class Navigator;
class Session;

// Makes the window of one number; windows without one are plain AppWindows.
using WindowFactory = std::function<AppWindow*(Session&, Navigator&)>;
using WindowFactories = QMap<int, WindowFactory>;

// Every application window, created once for the run, switched by number.
class ApplicationWindows : public ShellView {
public:
    ApplicationWindows(Session& session, Navigator& navigator, const WindowFactories& factories = {});
    ~ApplicationWindows() override;

    MainWindow& mainWindow() const { return *m_main; }
    AppWindow* window(int number) const { return m_windows.value(number); }

    void setWindowVisible(int window, bool visible) override;
    void setPanelVisible(int panel, bool visible) override;
    void setMainMenusEnabled(bool enabled) override;
    void setTitle(const QString& title) override;
    void setWhatsNewText(const QString& text) override;
    void setBackgroundPicture(const QString& path) override;
    void showSaveProgress(int maximum, int position) override;
    void hideSaveProgress() override;
    void setBusy(bool busy) override;
    void quit() override;

private:
    Session& m_session;
    std::unique_ptr<MainWindow> m_main;
    QMap<int, AppWindow*> m_windows;
    std::unique_ptr<QProgressDialog> m_progress;
};

}  // namespace vn
