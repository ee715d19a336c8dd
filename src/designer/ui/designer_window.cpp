#include "designer/ui/designer_window.h"

#include "designer/page_designer/page_designer.h"
#include "designer/siblings/header_link.h"
#include "designer/ui/default_lists_widget.h"
#include "designer/ui/list_information_widget.h"
#include "lists/ui/page_canvas.h"
#include "designer/ui/page_designer_widget.h"
#include "designer/ui/web_form_view.h"
#include "designer/web/header_visibility.h"
#include "designer/web/web_form_build.h"
#include "exchange/central/service_address.h"
#include "exchange/fcf/fcf_format.h"
#include "platform/drive_map.h"
#include "platform/ui/busy_cursor.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/own_office.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

FormDesignerWindow::FormDesignerWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, vn::DesignerWindow, "designerWindow", "Create/Define Data List", parent),
      m_session(session), m_listRules(session) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("designerViews"));
    auto* blank = new QLabel(m_views);
    blank->setObjectName(QStringLiteral("noView"));
    m_views->addWidget(blank);
    m_listView = new ListInformationWidget(m_listRules, session.prompter, m_views);
    m_listView->offerControlHelp([&session]() -> HelpAgent& { return *session.helpAgent; });
    m_views->addWidget(m_listView);
    m_pageView = new PageDesignerWidget(session.prompter, m_views);
    m_pageView->setSelectionAccess(session.access);
    m_views->addWidget(m_pageView);
    m_defaultsView = new DefaultListsWidget(session.access, session.prompter, m_views);
    m_views->addWidget(m_defaultsView);
    m_webFormView = new WebFormView(session.prompter, m_views);
    m_views->addWidget(m_webFormView);
    setCentralWidget(m_views);
    resize(kPageWindowSize);
    buildMenus(navigator);
    // The view reports after every action; any of them may have changed the current list.
    connect(m_listView, &ListInformationWidget::fieldsAccessChanged, this, [this](bool enabled) {
        m_fieldsAllowed = enabled;
        m_fields->setEnabled(enabled);
        m_webService->setEnabled(m_listRules.view().webServiceEnabled);
        refreshGotoMenu();
    });
    connect(m_listView, &ListInformationWidget::exitRequested, this, [this] { hideViews(); });
    connect(m_pageView, &PageDesignerWidget::menuLockChanged, this, [this](bool enabled) { lockMenus(enabled); });
    connect(m_pageView, &PageDesignerWidget::exited, this, [this] { hideViews(); });
    connect(m_defaultsView, &DefaultListsWidget::exited, this, [this] { hideViews(); });
    connect(m_webFormView, &WebFormView::exitClicked, this, [this] { m_views->setCurrentIndex(0); });
    connect(m_webFormView, &WebFormView::buildConfirmed, this, [this] { buildWebFormFile(); });
}

void FormDesignerWindow::buildMenus(Navigator& navigator) {
    // Goto, Create/Modify List Form in this window hides its views.
    if (QAction* own = findChild<QAction*>(QStringLiteral("actionGotoDesigner")))
        connect(own, &QAction::triggered, this, [this] { hideViews(); });
    QAction* update = menuBar()->addAction(QStringLiteral("Update Disk"));
    update->setObjectName(QStringLiteral("actionUpdateDisk"));
    connect(update, &QAction::triggered, this, [this, &navigator] {
        try {
            navigator.updateDisk();
        } catch (const StoreError& e) {
            m_session.prompter.error(e.message());
        }
    });
    m_goto = findChild<QMenu*>(QStringLiteral("gotoMenu"));
    m_listInformation = menuBar()->addAction(QStringLiteral("Enter List Information"));
    m_listInformation->setObjectName(QStringLiteral("actionEnterListInformation"));
    connect(m_listInformation, &QAction::triggered, this, [this] { showListInformation(); });
    QAction* defaults = menuBar()->addAction(QStringLiteral("Default Selection Items"));
    defaults->setObjectName(QStringLiteral("actionDefaultSelectionItems"));
    connect(defaults, &QAction::triggered, this, [this] { showDefaultLists(); });
    m_fields = menuBar()->addAction(QStringLiteral("Add/Modify Fields"));
    m_fields->setObjectName(QStringLiteral("actionAddModifyFields"));
    m_fields->setEnabled(false);
    connect(m_fields, &QAction::triggered, this, [this] { showPageDesigner(); });
    m_webForm = menuBar()->addAction(QStringLiteral("Build Web Based Form File"));
    m_webForm->setObjectName(QStringLiteral("actionBuildWebForm"));
    m_webForm->setEnabled(false);
    connect(m_webForm, &QAction::triggered, this, [this] { showWebForm(); });
    m_webService = menuBar()->addMenu(QStringLiteral("Web Service"));
    m_webService->setObjectName(QStringLiteral("webServiceMenu"));
    m_webService->setEnabled(false);
    buildWebServiceMenu();
}

void FormDesignerWindow::buildWebServiceMenu() {
    const auto add = [this](const char* caption, const char* name, auto action) {
        QAction* a = m_webService->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, action);
    };
    add("Varnedo Central Home Page", "actionCentralHomePage",
        [this] { m_session.openAddress(serviceHomePage(m_session.settings.webHost)); });
    add("Upload Form Control File", "actionUploadFormControlFile", [this] {
        QDir().mkpath(m_session.folders.webFolder());  // where the browser saves and reads the service's files
        m_session.openAddress(servicePageAddress(ServicePage::FormUp));
    });
    add("Exclusive List Maintenance", "actionExclusiveListMaintenance",
        [this] { m_session.openAddress(servicePageAddress(ServicePage::Exclist)); });
    add("Build Direct Form Access URL", "actionBuildDirectFormAccessUrl",
        [this] { m_pageView->showDirectAddress(servicePageAddress(ServicePage::Direct)); });
}

QString FormDesignerWindow::servicePageAddress(ServicePage page) const {
    const QString state = m_session.identity.stateCode.toLower();
    const QString office = ownOfficeCode(m_session.identity).toLower();
    return serviceAddress(m_session.settings.webHost, page, {state, office, m_session.currentListCode});
}

void FormDesignerWindow::buildWebFormFile() {
    BusyCursor busy;
    const FcfName name{m_session.currentListCode, m_session.identity.stateCode, ownOfficeCode(m_session.identity)};
    vn::buildWebFormFile(m_session.access, m_session.prompter, m_session.folders.exchangeFolder(), name,
                         DriveMap::fromEnvironment().folder(u'C'));
}

void FormDesignerWindow::showListInformation() {
    try {
        m_listRules.open();
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
    m_webFormAllowed = false;
    m_webForm->setEnabled(false);
    m_listView->render();
    m_views->setCurrentWidget(m_listView);
}

void FormDesignerWindow::showPageDesigner() {
    const QString office = ownOfficeCode(m_session.identity);
    try {
        m_pageView->open(std::make_unique<PageDesigner>(m_session.access, m_session.prompter, m_session.currentListCode,
                                                        office, m_pageView->measure(), m_listRules.listHasRecords()));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_pageView->setHeaderVisibility(std::make_unique<HeaderVisibility>(m_session.access, m_session.currentListCode));
    m_pageView->setHelpAccess(m_session.access, *m_session.helpAgent);
    m_pageView->setSiblings(m_session.siblingPlaces(),
                            std::make_unique<HeaderLink>(m_session.access, m_session.currentListCode, m_session.siblingPlaces()));
    m_webFormAllowed = true;
    m_webForm->setEnabled(true);
    m_views->setCurrentWidget(m_pageView);
}

void FormDesignerWindow::showWebForm() {
    try {
        m_webFormView->open(std::make_unique<WebForm>(m_session.access, m_session.prompter, m_session.currentListCode));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_views->setCurrentWidget(m_webFormView);
}

void FormDesignerWindow::showDefaultLists() {
    m_defaultsView->open(m_session.siblings[0].found);
    m_views->setCurrentWidget(m_defaultsView);
}

// While a field is being placed or modified the window's menu stays where it is.
void FormDesignerWindow::lockMenus(bool enabled) {
    if (m_goto) m_goto->setEnabled(enabled);
    m_listInformation->setEnabled(enabled);
    m_fields->setEnabled(enabled && m_fieldsAllowed);
    m_webForm->setEnabled(enabled && m_webFormAllowed);
}

void FormDesignerWindow::hideViews() {
    m_fieldsAllowed = false;
    m_fields->setEnabled(false);
    m_views->setCurrentIndex(0);
}

void FormDesignerWindow::showEvent(QShowEvent* event) {
    AppWindow::showEvent(event);
    m_session.helpContext = QStringLiteral("3");
}

AppWindow* makeDesignerWindow(Session& session, Navigator& navigator) { return new FormDesignerWindow(session, navigator); }

}  // namespace vn
