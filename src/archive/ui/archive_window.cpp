#include "archive/ui/archive_window.h"

#include "exchange/ui/backup_view.h"
#include "exchange/ui/form_download_view.h"
#include "exchange/ui/receive_view.h"
#include "exchange/ui/restore_view.h"
#include "exchange/ui/send_view.h"
#include "exchange/ui/upload_view.h"
#include "exchange/ui/web_data_view.h"
#include "exchange/web/web_logon.h"
#include "mail/ui/email_setup_view.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

namespace {

using Window = ArchiveUtilitiesWindow;

const QString kNotYet = QStringLiteral("This is not available in this version yet.");

QWidget* emailPanel(Window& window, PanelContext& context) {
    auto* view = new EmailSetupView(window.emailSetup(), EmailSetupView::Place::Archive);
    QObject::connect(view, &EmailSetupView::exitClicked, view, context.close);
    return view;
}

// The menu in its order; a panel is added by giving its entry a maker.
const Window::PanelEntry kPanels[] = {
    {"Backup", [](Window&, PanelContext& c) -> QWidget* { return new BackupView(c); }},
    {"Restore", [](Window&, PanelContext& c) -> QWidget* { return new RestoreView(c); }},
    {"Send Data", [](Window&, PanelContext& c) -> QWidget* { return new SendView(c, TransferKind::Data); }},
    {"Receive Data", [](Window&, PanelContext& c) -> QWidget* { return new ReceiveView(c, TransferKind::Data); }},
    {"Send Form", [](Window&, PanelContext& c) -> QWidget* { return new SendView(c, TransferKind::Forms); }},
    {"Receive Form", [](Window&, PanelContext& c) -> QWidget* { return new ReceiveView(c, TransferKind::Forms); }},
    {"Setup Email", emailPanel},
};

// "Process Download Form": the downloaded forms view, which comes with the reader of form
// control files; until then the entry follows its rules and shows nothing.
QWidget* downloadedFormsPanel(Window&, PanelContext& context) { return new FormDownloadView(context); }

QString actionName(const char* caption) {
    return QStringLiteral("action") + QString::fromLatin1(caption).remove(u' ');
}

}  // namespace

ArchiveUtilitiesWindow::ArchiveUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, ArchiveWindow, "archiveWindow", "Archive Utilities", parent),
      m_session(session), m_navigator(navigator), m_emailSetup(session.access, session.settings.mail),
      m_context{session, navigator, DriveMap::fromEnvironment(), [this] { m_panels->setCurrentIndex(0); }},
      m_webMenu(session) {
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("archivePanels"));
    auto* empty = new QLabel(m_panels);
    empty->setObjectName(QStringLiteral("noPanel"));
    m_panels->addWidget(empty);
    setCentralWidget(m_panels);
    buildMenus();
}

void ArchiveUtilitiesWindow::buildMenus() {
    for (const PanelEntry& entry : kPanels) {
        QAction* action = menuBar()->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(actionName(entry.caption));
        if (!entry.make) {
            action->setEnabled(false);
            action->setToolTip(kNotYet);
            continue;
        }
        QWidget* panel = entry.make(*this, m_context);
        m_panels->addWidget(panel);
        connect(action, &QAction::triggered, this, [this, panel] { showPanel(panel); });
    }
    buildWebMenu();
    QAction* upgrade = menuBar()->addAction(QStringLiteral("Upgrade!"));
    upgrade->setObjectName(QStringLiteral("actionUpgrade"));
    connect(upgrade, &QAction::triggered, this, [this] { askUpgrade(); });
}

void ArchiveUtilitiesWindow::buildWebMenu() {
    m_webData = new WebDataView(m_context);
    m_upload = new UploadView(m_context);
    m_downloadedForms = downloadedFormsPanel(*this, m_context);
    for (QWidget* panel : {static_cast<QWidget*>(m_webData), m_upload, m_downloadedForms})
        if (panel) m_panels->addWidget(panel);
    QMenu* menu = menuBar()->addMenu(QStringLiteral("VarnedoCentral"));
    menu->setObjectName(QStringLiteral("varnedoCentralMenu"));
    menu->setToolTipsVisible(true);
    for (const WebEntryState& entry : m_webMenu.entries()) {
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(entry.objectName);
        connect(action, &QAction::triggered, this, [this, which = entry.entry] { chooseWeb(which); });
        m_webActions.append(action);
    }
    connect(menu, &QMenu::aboutToShow, this, [this] { refreshWebMenu(); });
    refreshWebMenu();
}

// The current list may have changed in another window since the menu was last drawn.
void ArchiveUtilitiesWindow::refreshWebMenu() {
    const QList<WebEntryState> entries = m_webMenu.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        m_webActions[i]->setEnabled(entries[i].enabled);
        m_webActions[i]->setToolTip(entries[i].toolTip);
    }
}

void ArchiveUtilitiesWindow::chooseWeb(WebEntry entry) {
    switch (entry) {
    case WebEntry::DataDownloadLogon: dataDownloadLogon(m_session); break;
    case WebEntry::ProcessDownloadedData:
        showPanel(m_webData);
        m_webData->process();
        break;
    case WebEntry::BuildUploadFile: showPanel(m_upload); break;
    case WebEntry::DataUploadLogon: break;
    case WebEntry::FormDownloadLogon:
        formDownloadLogon(m_session);
        m_webMenu.formLogonDone();  // forms saved by hand count as well
        break;
    case WebEntry::ProcessDownloadForm:
        if (m_downloadedForms) showPanel(m_downloadedForms);
        break;
    case WebEntry::StateSupporterAccess: stateSupporterAccess(m_session); break;
    }
    refreshWebMenu();
}

void ArchiveUtilitiesWindow::showEvent(QShowEvent* event) {
    refreshWebMenu();
    AppWindow::showEvent(event);
}

// Choosing a panel again opens it afresh.
void ArchiveUtilitiesWindow::showPanel(QWidget* panel) {
    m_panels->setCurrentIndex(0);
    m_panels->setCurrentWidget(panel);
}

// Continuing ends the run in order and opens the upgrades web page on the way out.
void ArchiveUtilitiesWindow::askUpgrade() {
    const Answer answer = m_session.prompter.confirmation(
        QStringLiteral("Continuing leaves Varnedo and opens the Varnedo upgrades web page.  Continue?"), Buttons::OkNo);
    if (answer != Answer::Ok) return;
    m_session.exitFlag = true;
    m_session.openUpgradePage = true;
    m_navigator.ShowWindow({MainWindowNo});
}

AppWindow* makeArchiveWindow(Session& session, Navigator& navigator) { return new ArchiveUtilitiesWindow(session, navigator); }

}  // namespace vn
