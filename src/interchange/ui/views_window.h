#pragma once

#include "shell/ui/app_window.h"

#include <functional>
#include <initializer_list>
#include <utility>

class QAction;
class QMenu;
class QStackedWidget;

namespace vn {

// Windows 11 and 12: a menu entry opens a view over an empty page, one view at a time; the views
// that come later wait in a menu, disabled with a tool tip. No view shows when the window shows.
class ViewsWindow : public AppWindow {
    Q_OBJECT
public:
    ViewsWindow(Session& session, Navigator& navigator, int number, const char* objectName, const char* function,
                QWidget* parent = nullptr);

protected:
    using MenuEntries = std::initializer_list<std::pair<const char*, const char*>>;  // caption, object name

    void addView(QWidget* view);
    // A menu bar entry that opens `view` when `open` allows it (it tells the user why not).
    void addViewEntry(const QString& caption, const char* name, QWidget* view, std::function<bool()> open);
    // The same as an entry of a menu.
    QAction* addViewEntry(QMenu* menu, const QString& caption, const char* name, QWidget* view, std::function<bool()> open);
    QMenu* addViewMenu(QMenu* parentMenu, const QString& title, const char* name);  // on the menu bar without a parent
    // Shows `view` when `open` allows it, as a menu entry would.
    void showView(QWidget* view, const std::function<bool()>& open);
    void addWaitingMenu(const QString& title, const char* name, MenuEntries entries, const QString& toolTip);
    void showNoView();
    void showEvent(QShowEvent* event) override;

private:
    QStackedWidget* m_views = nullptr;
};

}  // namespace vn
