#include "designer/ui/designer_window.h"

#include "designer/page_designer/page_designer.h"
#include "designer/ui/default_lists_widget.h"
#include "designer/ui/list_information_widget.h"
#include "lists/ui/page_canvas.h"
#include "designer/ui/page_designer_widget.h"
#include "lists/records/record_key.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

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
    m_views->addWidget(m_listView);
    m_pageView = new PageDesignerWidget(session.prompter, m_views);
    m_pageView->setSelectionAccess(session.access);
    m_views->addWidget(m_pageView);
    m_defaultsView = new DefaultListsWidget(session.access, session.prompter, m_views);
    m_views->addWidget(m_defaultsView);
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
    m_webService = menuBar()->addMenu(QStringLiteral("Web Service"));
    m_webService->setObjectName(QStringLiteral("webServiceMenu"));
    m_webService->setEnabled(false);
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
    const InstallationIdentity& id = m_session.identity;
    const QString office = officeCodeFor(id.operationalLevel, id.countyCode, id.districtCode, id.stateCode);
    try {
        m_pageView->open(std::make_unique<PageDesigner>(m_session.access, m_session.prompter, m_session.currentListCode,
                                                        office, m_pageView->measure(), m_listRules.listHasRecords()));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    m_webFormAllowed = true;
    m_webForm->setEnabled(true);
    m_views->setCurrentWidget(m_pageView);
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
