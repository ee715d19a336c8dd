#include "setup/ui/setup_utilities_window.h"

#include "setup/settings_reload.h"
#include "setup/ui/link_lists_view.h"
#include "setup/ui/parameter_view.h"
#include "setup/ui/setup_window_factory.h"
#include "setup/ui/wizard_view.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/start_facts.h"
#include "shell/ui/window_captions.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

namespace {

const WindowCaption& caption() {
    for (const WindowCaption& w : applicationWindows())
        if (w.number == SetupWindow) return w;
    qFatal("window %d has no caption", int(SetupWindow));
}

SetupChoices currentChoices(const Session& session) {
    SetupChoices choices;
    choices.type = session.settings.organisationType;
    choices.level = session.settings.operationalLevel;
    choices.flow = session.settings.dataFlow;
    choices.situation = session.settings.userSituation;
    return choices;
}

WizardHooks wizardHooks(Session& session, Navigator& navigator) {
    WizardHooks hooks;
    hooks.orderlyExit = [&navigator] { navigator.gotoExit(); };
    hooks.facts = settingFacts(session);
    return hooks;
}

ParameterHooks parameterHooks(Session& session) {
    ParameterHooks hooks;
    hooks.reloadSettings = [&session] { reloadSettings(session); };
    hooks.operationLevel = [&session] { return session.settings.operationalLevel; };
    return hooks;
}

}  // namespace

SetupUtilitiesWindow::SetupUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, SetupWindow, caption().objectName, caption().function, parent),
      m_session(session),
      m_wizard(session.access, session.prompter, currentChoices(session), wizardHooks(session, navigator)),
      m_editor(session.access, parameterHooks(session)),
      m_links(session) {
    m_pages = new QStackedWidget(this);
    auto* blank = new QLabel(QString::fromLatin1(caption().function), m_pages);
    blank->setObjectName(QStringLiteral("functionLabel"));
    blank->setAlignment(Qt::AlignCenter);
    m_wizardView = new WizardView(m_wizard, session.prompter, m_pages);
    m_parameterView = new ParameterView(m_editor, session.prompter, m_pages);
    m_linksView = new LinkListsView(m_links, session.prompter, m_pages);
    for (QWidget* page : {static_cast<QWidget*>(blank), static_cast<QWidget*>(m_wizardView),
                          static_cast<QWidget*>(m_parameterView), static_cast<QWidget*>(m_linksView)})
        m_pages->addWidget(page);
    setCentralWidget(m_pages);
    connect(m_wizardView, &WizardView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_parameterView, &ParameterView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_linksView, &LinkListsView::closed, this, &SetupUtilitiesWindow::showBlank);
    addMenus();
}

void SetupUtilitiesWindow::openWizard() {
    m_pages->setCurrentWidget(m_wizardView);
    m_wizardView->open();
}

void SetupUtilitiesWindow::openParameters() {
    m_pages->setCurrentWidget(m_parameterView);
    m_parameterView->open();
}

void SetupUtilitiesWindow::openLinkLists() {
    m_pages->setCurrentWidget(m_linksView);
    m_linksView->open();
}

// A first-time installation comes here to be set up before anything else.
void SetupUtilitiesWindow::showEvent(QShowEvent* event) {
    AppWindow::showEvent(event);
    if (!m_session.firstTime || m_firstRunOpened) return;
    m_firstRunOpened = true;
    openWizard();
}

void SetupUtilitiesWindow::addMenus() {
    QAction* setup = menuBar()->addAction(QStringLiteral("&Setup"));
    setup->setObjectName(QStringLiteral("actionOpenSetup"));
    connect(setup, &QAction::triggered, this, &SetupUtilitiesWindow::openWizard);
    QAction* parameters = menuBar()->addAction(QStringLiteral("&Parameters"));
    parameters->setObjectName(QStringLiteral("actionOpenParameters"));
    connect(parameters, &QAction::triggered, this, &SetupUtilitiesWindow::openParameters);
    QAction* links = menuBar()->addAction(QStringLiteral("&Link Lists"));
    links->setObjectName(QStringLiteral("actionOpenLinkLists"));
    connect(links, &QAction::triggered, this, &SetupUtilitiesWindow::openLinkLists);
}

void SetupUtilitiesWindow::showBlank() { m_pages->setCurrentIndex(0); }

AppWindow* makeSetupWindow(Session& session, Navigator& navigator) {
    return new SetupUtilitiesWindow(session, navigator);
}

}  // namespace vn
