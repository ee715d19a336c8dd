#include "setup/ui/setup_utilities_window.h"

#include "setup/settings_reload.h"
#include "platform/document_opener.h"
#include "setup/ui/data_file_viewer_view.h"
#include "setup/ui/factory_view.h"
#include "setup/ui/file_definitions_view.h"
#include "setup/ui/link_lists_view.h"
#include "setup/ui/parameter_view.h"
#include "setup/ui/setup_window_factory.h"
#include "setup/ui/web_load_view.h"
#include "setup/ui/wizard_view.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/start_facts.h"
#include "shell/ui/window_captions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

FactoryHooks factoryHooks(Session& session, Navigator& navigator) {
    FactoryHooks hooks;
    hooks.orderlyExit = [&navigator] { navigator.gotoExit(); };
    hooks.reloadSettings = [&session] { reloadSettings(session); };
    return hooks;
}

// The installed copy beside the program (<prefix>/share/...), else the one in the sources.
QString shippedFile(const QString& installed, const char* inSources) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/") + installed);
    if (QFileInfo::exists(beside)) return QDir::cleanPath(beside);
    return QString::fromUtf8(inSources);
}

WebLoadPlaces webLoadPlaces(const Session& session) {
    WebLoadPlaces places;
    places.program = QCoreApplication::applicationFilePath();
    places.desktopEntry = shippedFile(QStringLiteral("applications/varnedo.desktop"), VARNEDO_DESKTOP_ENTRY);
    places.icon = shippedFile(QStringLiteral("icons/hicolor/scalable/apps/varnedo.svg"), VARNEDO_ICON);
    places.upgradeFolder = upgradeFolderFor(session.folders.base(), FolderTree::stateFolder());
    places.webFolder = webPublishFolderFor(session.folders.base());
    places.stateCode = FolderTree::stateCode();
    return places;
}

}  // namespace

SetupUtilitiesWindow::SetupUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, SetupWindow, caption().objectName, caption().function, parent),
      m_session(session),
      m_wizard(session.access, session.prompter, currentChoices(session), wizardHooks(session, navigator)),
      m_editor(session.access, parameterHooks(session)),
      m_links(session),
      m_factory(session.access, session.prompter, {session.identity.stateCode, session.identity.countyCode},
                factoryHooks(session, navigator)),
      m_viewer(session.access),
      m_webLoad(webLoadPlaces(session), [](const QString& file) { return OpenDocument(file); }) {
    m_pages = new QStackedWidget(this);
    auto* blank = new QLabel(QString::fromLatin1(caption().function), m_pages);
    blank->setObjectName(QStringLiteral("functionLabel"));
    blank->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(blank);
    addPages();
    setCentralWidget(m_pages);
    addMenus();
}

void SetupUtilitiesWindow::addPages() {
    m_wizardView = new WizardView(m_wizard, m_session.prompter, m_pages);
    m_parameterView = new ParameterView(m_editor, m_session.prompter, m_pages);
    m_linksView = new LinkListsView(m_links, m_session.prompter, m_pages);
    m_factoryView = new FactoryView(m_factory, m_session.prompter, m_pages);
    m_viewerView = new DataFileViewerView(m_viewer, m_session.prompter, m_pages);
    m_webLoadView = new WebLoadView(m_webLoad, m_session.prompter, m_session.identity.stateName,
                                    m_session.identity.stateCode, m_pages);
    m_definitionsView = new FileDefinitionsView(m_pages);
    for (QWidget* page : std::initializer_list<QWidget*>{m_wizardView, m_parameterView, m_linksView, m_factoryView,
                                                         m_viewerView, m_webLoadView, m_definitionsView})
        m_pages->addWidget(page);
    connect(m_wizardView, &WizardView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_parameterView, &ParameterView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_linksView, &LinkListsView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_factoryView, &FactoryView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_factoryView, &FactoryView::exitProgram, this, [this] { m_factory.exitProgram(); });
    connect(m_viewerView, &DataFileViewerView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_webLoadView, &WebLoadView::closed, this, &SetupUtilitiesWindow::showBlank);
    connect(m_definitionsView, &FileDefinitionsView::closed, this, &SetupUtilitiesWindow::showBlank);
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

void SetupUtilitiesWindow::openFactory() {
    m_pages->setCurrentWidget(m_factoryView);
    if (!m_factoryView->open()) showBlank();
}

void SetupUtilitiesWindow::openDataFileViewer() {
    m_pages->setCurrentWidget(m_viewerView);
    m_viewerView->open();
}

void SetupUtilitiesWindow::openWebLoad() {
    m_pages->setCurrentWidget(m_webLoadView);
    m_webLoadView->open();
}

void SetupUtilitiesWindow::openFileDefinitions() { m_pages->setCurrentWidget(m_definitionsView); }

QString SetupUtilitiesWindow::captionText() const {
    return windowCaption(m_session.identity.stateName, m_session.identity.installationName, "System/Program Utilities");
}

// A first-time installation comes here to be set up before anything else.
void SetupUtilitiesWindow::showEvent(QShowEvent* event) {
    AppWindow::showEvent(event);
    if (!m_session.firstTime || m_firstRunOpened) return;
    m_firstRunOpened = true;
    openWizard();
}

QAction* SetupUtilitiesWindow::addMenu(const QString& caption, const char* objectName,
                                       void (SetupUtilitiesWindow::*open)()) {
    QAction* action = menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (open) connect(action, &QAction::triggered, this, open);
    return action;
}

void SetupUtilitiesWindow::addMenus() {
    addMenu(QStringLiteral("&Setup"), "actionOpenSetup", &SetupUtilitiesWindow::openWizard);
    addMenu(QStringLiteral("&Parameters"), "actionOpenParameters", &SetupUtilitiesWindow::openParameters);
    addMenu(QStringLiteral("&Factory"), "actionOpenFactory", &SetupUtilitiesWindow::openFactory);
    addMenu(QStringLiteral("&Data File Viewer"), "actionOpenDataFileViewer", &SetupUtilitiesWindow::openDataFileViewer);
    addMenu(QStringLiteral("&Web Load"), "actionOpenWebLoad", &SetupUtilitiesWindow::openWebLoad);
    addMenu(QStringLiteral("File &Definitions"), "actionOpenFileDefinitions", &SetupUtilitiesWindow::openFileDefinitions);
    addMenu(QStringLiteral("&Link Lists"), "actionOpenLinkLists", &SetupUtilitiesWindow::openLinkLists);
    addMenu(QStringLiteral("View &Encrypted Files"), "actionViewEncryptedFiles", nullptr)->setEnabled(false);
}

void SetupUtilitiesWindow::showBlank() { m_pages->setCurrentIndex(0); }

AppWindow* makeSetupWindow(Session& session, Navigator& navigator) {
    return new SetupUtilitiesWindow(session, navigator);
}

}  // namespace vn
