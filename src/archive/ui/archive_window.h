#pragma once

#include "exchange/panels/web_menu.h"
#include "exchange/ui/panel_context.h"
#include "mail/email_setup.h"
#include "shell/ui/app_window.h"

class QAction;
class QStackedWidget;

namespace vn {

class WebDataView;

// Window 4, the archive utilities: a menu whose entries show one panel each. The panels not yet
// carried by this version are offered disabled with a tool tip.
class ArchiveUtilitiesWindow : public AppWindow {
    Q_OBJECT
public:
    ArchiveUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    // A menu entry and the panel it shows; without a maker the entry waits, disabled.
    struct PanelEntry {
        const char* caption;
        QWidget* (*make)(ArchiveUtilitiesWindow& window, PanelContext& context);
    };

    EmailSetup& emailSetup() { return m_emailSetup; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildWebMenu();
    void refreshWebMenu();
    void chooseWeb(WebEntry entry);
    void showPanel(QWidget* panel);
    void askUpgrade();

    Session& m_session;
    Navigator& m_navigator;
    EmailSetup m_emailSetup;
    PanelContext m_context;
    QStackedWidget* m_panels = nullptr;
    WebMenu m_webMenu;
    QList<QAction*> m_webActions;  // in the order of the menu's entries
    WebDataView* m_webData = nullptr;
    QWidget* m_upload = nullptr;
    QWidget* m_downloadedForms = nullptr;  // none until the forms view exists
};

// Window 4 for the program's window table.
AppWindow* makeArchiveWindow(Session& session, Navigator& navigator);

}  // namespace vn
