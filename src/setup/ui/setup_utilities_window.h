#pragma once

#include "setup/parameter_editor.h"
#include "setup/setup_wizard.h"
#include "shell/ui/app_window.h"

class QStackedWidget;

namespace vn {

class ParameterView;
class WizardView;

// Window 6: the setup wizard ("Setup") and the parameter editor ("Parameters").
class SetupUtilitiesWindow : public AppWindow {
    Q_OBJECT
public:
    SetupUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    void openWizard();
    void openParameters();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addMenus();
    void showBlank();

    Session& m_session;
    SetupWizard m_wizard;
    ParameterEditor m_editor;
    QStackedWidget* m_pages = nullptr;
    WizardView* m_wizardView = nullptr;
    ParameterView* m_parameterView = nullptr;
    bool m_firstRunOpened = false;
};

}  // namespace vn
