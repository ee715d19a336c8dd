#pragma once

#include "setup/links/link_lists.h"
#include "setup/parameter_editor.h"
#include "setup/setup_wizard.h"
#include "shell/ui/app_window.h"

class QStackedWidget;

namespace vn {

class LinkListsView;
class ParameterView;
class WizardView;

// Window 6: the setup wizard ("Setup"), the parameter editor ("Parameters") and the link lists
// ("Link Lists").
class SetupUtilitiesWindow : public AppWindow {
    Q_OBJECT
public:
    SetupUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    void openWizard();
    void openParameters();
    void openLinkLists();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addMenus();
    void showBlank();

    Session& m_session;
    SetupWizard m_wizard;
    ParameterEditor m_editor;
    LinkLists m_links;
    QStackedWidget* m_pages = nullptr;
    WizardView* m_wizardView = nullptr;
    ParameterView* m_parameterView = nullptr;
    LinkListsView* m_linksView = nullptr;
    bool m_firstRunOpened = false;
};

}  // namespace vn
