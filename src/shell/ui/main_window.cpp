#include "shell/ui/main_window.h"

#include "platform/document_opener.h"
#include "platform/drive_map.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/shutdown_sequence.h"
#include "shell/ui/agent/agent_panel.h"
#include "platform/ui/control_help_filter.h"
#include "shell/core/agent/agent.h"
#include "shell/ui/goto_menu.h"
#include "store/engine/store_error.h"
#include "store/files/text_file.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vn {

namespace {

const char* const kMakerAddress = "https://www.halvorin.example";
const char* const kDocumentationAddress = "https://www.halvorin.example/varnedo/documentation.zip";
const char* const kCredits = "Record keeping for county, district and state offices.\n\nBuilt with Qt and SQLite.";

QAction* menuAction(QMenu* menu, const QString& caption, const char* objectName) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

}  // namespace

MainWindow::MainWindow(Session& session, Navigator& navigator, ShellView& view, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_navigator(navigator), m_view(view) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(session.title());
    buildMenus();
    buildPanels();
    resize(1000, 700);
}

void MainWindow::buildMenus() {
    m_goto = new GotoMenu(*this, m_navigator, m_session, MainWindowNo);
    QMenu* web = menuBar()->addMenu(QStringLiteral("&Web Processing"));
    connect(menuAction(web, QStringLiteral("Overview"), "actionWebOverview"), &QAction::triggered, this,
            [this] { showWebOverview(); });
    connect(menuAction(menuBar()->addMenu(QStringLiteral("&Update Disk")), QStringLiteral("Update Disk"), "actionUpdateDisk"),
            &QAction::triggered, this, [this] { updateDisk(); });
    QMenu* multi = menuBar()->addMenu(QStringLiteral("&Multi-Machine"));
    menuAction(multi, QStringLiteral("Write Data"), "actionWriteData");
    menuAction(multi, QStringLiteral("Read Data"), "actionReadData");
    QMenu* maker = menuBar()->addMenu(QStringLiteral("www.halvorin.example"));
    connect(menuAction(maker, QStringLiteral("www.halvorin.example"), "actionMakerWeb"), &QAction::triggered, this,
            [this] { openAddress(QString::fromLatin1(kMakerAddress)); });
    menuAction(menuBar()->addMenu(QStringLiteral("What's New")), QStringLiteral("What's New"), "actionWhatsNew")->setEnabled(false);
    QMenu* agents = menuBar()->addMenu(QStringLiteral("&Agents"));
    m_agentSetUp = menuAction(agents, QStringLiteral("Set Up Agent Features"), "actionAgentSetUp");
    connect(m_agentSetUp, &QAction::triggered, this, [this] { m_navigator.ShowPanel({AgentsPanel}); });
    connect(menuAction(menuBar()->addMenu(QStringLiteral("&About")), QStringLiteral("About"), "actionAbout"),
            &QAction::triggered, this, [this] { m_navigator.ShowPanel({AboutPanel}); });
    QMenu* docs = menuBar()->addMenu(QStringLiteral("&Documentation"));
    connect(menuAction(docs, QStringLiteral("Display"), "actionDocumentationDisplay"), &QAction::triggered, this,
            [this] { openAddress(DriveMap::fromEnvironment().resolve(QStringLiteral("C:\\hlv\\vn\\Varnedo.pdf"))); });
    connect(menuAction(docs, QStringLiteral("Update"), "actionDocumentationUpdate"), &QAction::triggered, this,
            [this] { updateDocumentation(); });
    setMenusEnabled(false);
}

QFrame* MainWindow::addPanel(int panel, const char* objectName, const QString& caption, const QString& button) {
    auto* frame = new QFrame(m_background);
    frame->setObjectName(QString::fromLatin1(objectName));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(frame);
    auto* title = new QLabel(caption, frame);
    title->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Title"));
    layout->addWidget(title);
    auto* close = new QPushButton(button, frame);
    close->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Button"));
    connect(close, &QPushButton::clicked, this, [this] { m_navigator.ShowPanel({}); });
    layout->addWidget(close, 0, Qt::AlignRight);
    frame->setGeometry(80, 60, 640, 460);
    frame->hide();
    m_panels[panel] = frame;
    return frame;
}

void MainWindow::buildPanels() {
    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("backgroundLabel"));
    m_background->setAlignment(Qt::AlignCenter);
    m_background->setScaledContents(true);
    setCentralWidget(m_background);
    QFrame* about = addPanel(AboutPanel, "aboutPanel", QStringLiteral("Varnedo"), QStringLiteral("Exit"));
    static_cast<QVBoxLayout*>(about->layout())->insertWidget(1, new QLabel(QString::fromLatin1(kCredits), about), 1);
    QFrame* whatsNew = addPanel(WhatsNewPanel, "whatsNewPanel", QStringLiteral("What's New"), QStringLiteral("Return"));
    m_whatsNew = new QTextEdit(whatsNew);
    m_whatsNew->setObjectName(QStringLiteral("whatsNewText"));
    m_whatsNew->setAccessibleName(QStringLiteral("What's New"));
    m_whatsNew->setReadOnly(true);
    static_cast<QVBoxLayout*>(whatsNew->layout())->insertWidget(1, m_whatsNew, 1);
    QFrame* agents = addPanel(AgentsPanel, "agentsPanel", QStringLiteral("Help Agent Set Up"), QStringLiteral("Return"));
    agents->setGeometry(40, 30, 900, 640);
    QFrame* web = addPanel(WebOverviewPanel, "webOverviewPanel", QStringLiteral("Web Processing Overview..."), QStringLiteral("Return"));
    m_overview = new QTextEdit(web);
    m_overview->setObjectName(QStringLiteral("webOverviewText"));
    m_overview->setAccessibleName(QStringLiteral("Web Processing Overview"));
    m_overview->setReadOnly(true);
    static_cast<QVBoxLayout*>(web->layout())->insertWidget(1, m_overview, 1);
}

void MainWindow::setPanelVisible(int panel, bool visible) {
    if (panel < 1 || panel > 4) return;
    m_panels[panel]->setVisible(visible);
    if (visible) m_panels[panel]->raise();
    if (visible && panel == AgentsPanel && m_agentPanel) m_agentPanel->open();
}

void MainWindow::attachAgent(Agent& agent, const Voice& voice) {
    QFrame* frame = m_panels[AgentsPanel];
    m_agentPanel = new AgentPanel(agent, m_session.access, voice, frame);
    static_cast<QVBoxLayout*>(frame->layout())->insertWidget(1, m_agentPanel, 1);
    m_agentPanel->explainOnRightClick(frame->findChild<QWidget*>(QStringLiteral("agentsPanelButton")));
    auto* filter = new ControlHelpFilter([&agent]() -> HelpAgent& { return agent; }, this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) filter->watch(menu);
    for (const char* name : {"aboutPanelButton", "whatsNewPanelButton", "whatsNewText", "webOverviewPanelButton",
                             "webOverviewText"})
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(name))) filter->watch(control);
}

void MainWindow::setMenusEnabled(bool enabled) {
    m_goto->setStarted(enabled);
    m_agentSetUp->setEnabled(enabled);
}

void MainWindow::setWhatsNewText(const QString& text) { m_whatsNew->setPlainText(text); }

void MainWindow::setBackgroundPicture(const QString& path) {
    m_background->setPixmap(path.isEmpty() ? QPixmap() : QPixmap(path));
}

void MainWindow::showWebOverview() {
    m_navigator.ShowPanel({WebOverviewPanel});
    const QString file = QDir(m_session.folders.dataFolder()).filePath(QStringLiteral("vnwfp.rtf"));
    try {
        m_overview->setPlainText(readTextFile(file));
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void MainWindow::updateDisk() {
    try {
        UpdateDisk(m_session, m_view);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void MainWindow::openAddress(const QString& address) {
    if (m_session.openAddress) m_session.openAddress(address);
}

void MainWindow::updateDocumentation() {
    m_session.prompter.beep();
    m_session.prompter.information(QStringLiteral(
        "This process will download a zipped copy of the lastest available Varnedo documentation.  Some veriation of "
        "the following steps will take place:\r\r1 - Select 'Save the download to disk'\r\r2 - Accept default save "
        "location\r\r3 - Replace any existing copy if present\r\r4 - Open\r\r"));
    openAddress(QString::fromLatin1(kDocumentationAddress));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m_session.helpContext = QStringLiteral("1");
    if (m_shown) return;
    m_shown = true;
    setWindowTitle(m_session.title());
    setBackgroundPicture(menuPicture(m_session, 1));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_session.exitFlag) {
        event->accept();
        return;
    }
    event->ignore();
    m_session.prompter.beep();
    m_session.prompter.warning(QStringLiteral(
        "Varnedo has detected one of the following actions:\r\rA system shutdown request.\r\rA system restart "
        "request.\r\rAn improper program exit.  (You must exit via [Goto] [Exit])\r\rYou must exit Varnedo correctly "
        "before shutdown or restart is allowed."));
}

}  // namespace vn
