#pragma once

#include "designer/lists/list_information.h"
#include "shell/ui/app_window.h"

class QAction;
class QStackedWidget;

namespace vn {

enum class ServicePage;

class DefaultListsWidget;
class ListInformationWidget;
class PageDesignerWidget;
class WebFormView;

// Window 3, the list form designer: its menu and views. "Enter List Information" is the view of
// the lists themselves; the page designer, the default lists and the web form come in their own
// views.
class FormDesignerWindow : public AppWindow {
    Q_OBJECT
public:
    FormDesignerWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    void showListInformation();
    void showPageDesigner();
    void showDefaultLists();
    void showWebForm();
    void hideViews();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus(Navigator& navigator);
    void lockMenus(bool enabled);
    void buildWebFormFile();
    void buildWebServiceMenu();
    // The address of a page of the central web service for the current list.
    QString servicePageAddress(ServicePage page) const;

    Session& m_session;
    ListInformation m_listRules;
    QStackedWidget* m_views = nullptr;
    ListInformationWidget* m_listView = nullptr;
    PageDesignerWidget* m_pageView = nullptr;
    DefaultListsWidget* m_defaultsView = nullptr;
    WebFormView* m_webFormView = nullptr;
    QMenu* m_goto = nullptr;
    QAction* m_listInformation = nullptr;
    bool m_fieldsAllowed = false;   // the chosen list's password is satisfied
    bool m_webFormAllowed = false;  // the page designer was opened for the chosen list
    QAction* m_fields = nullptr;
    QAction* m_webForm = nullptr;
    QMenu* m_webService = nullptr;
};

AppWindow* makeDesignerWindow(Session& session, Navigator& navigator);

}  // namespace vn
