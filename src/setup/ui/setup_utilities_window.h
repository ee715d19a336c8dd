#pragma once

#include "setup/links/link_lists.h"
#include "setup/parameter_editor.h"
#include "setup/setup_wizard.h"
#include "setup/utilities/data_file_viewer.h"
#include "setup/utilities/factory.h"
#include "setup/utilities/web_load.h"
#include "shell/ui/app_window.h"

class QStackedWidget;

namespace vn {

class DataFileViewerView;
class FactoryView;
class FileDefinitionsView;
class LinkListsView;
class ParameterView;
class WebLoadView;
class WizardView;

// Window 6: the setup wizard ("Setup"), the parameter editor ("Parameters"), the link lists
// ("Link Lists") and the programmers' utilities ("Factory", "Data File Viewer", "Web Load",
// "File Definitions").
class SetupUtilitiesWindow : public AppWindow {
    Q_OBJECT
public:
    SetupUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    void openWizard();
    void openParameters();
    void openLinkLists();
    void openFactory();
    void openDataFileViewer();
    void openWebLoad();
    void openFileDefinitions();

protected:
    QString captionText() const override;
    void showEvent(QShowEvent* event) override;

private:
    void addMenus();
    QAction* addMenu(const QString& caption, const char* objectName, void (SetupUtilitiesWindow::*open)());
    void addPages();
    void showBlank();

    Session& m_session;
    SetupWizard m_wizard;
    ParameterEditor m_editor;
    LinkLists m_links;
    Factory m_factory;
    DataFileViewer m_viewer;
    WebLoad m_webLoad;
    QStackedWidget* m_pages = nullptr;
    WizardView* m_wizardView = nullptr;
    ParameterView* m_parameterView = nullptr;
    LinkListsView* m_linksView = nullptr;
    FactoryView* m_factoryView = nullptr;
    DataFileViewerView* m_viewerView = nullptr;
    WebLoadView* m_webLoadView = nullptr;
    FileDefinitionsView* m_definitionsView = nullptr;
    bool m_firstRunOpened = false;
};

}  // namespace vn
