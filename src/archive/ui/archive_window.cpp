#include "archive/ui/archive_window.h"

#include "mail/ui/email_setup_view.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

namespace {

const QString kNotYet = QStringLiteral("This is not available in this version yet.");

// The panels in menu order; only "Setup Email" is carried so far.
constexpr const char* kPanels[] = {"Backup", "Restore", "Send Data", "Receive Data", "Send Form", "Receive Form"};

QString actionName(const char* caption) {
    return QStringLiteral("action") + QString::fromLatin1(caption).remove(u' ');
}

}  // namespace

ArchiveUtilitiesWindow::ArchiveUtilitiesWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, ArchiveWindow, "archiveWindow", "Archive Utilities", parent),
      m_session(session), m_navigator(navigator), m_emailSetup(session.access, session.settings.mail) {
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("archivePanels"));
    auto* empty = new QLabel(m_panels);
    empty->setObjectName(QStringLiteral("noPanel"));
    m_panels->addWidget(empty);
    auto* email = new EmailSetupView(m_emailSetup, EmailSetupView::Place::Archive, m_panels);
    m_panels->addWidget(email);
    connect(email, &EmailSetupView::exitClicked, this, [this] { m_panels->setCurrentIndex(0); });
    setCentralWidget(m_panels);
    buildMenus();
}

void ArchiveUtilitiesWindow::buildMenus() {
    for (const char* caption : kPanels) {
        QAction* action = menuBar()->addAction(QString::fromLatin1(caption));
        action->setObjectName(actionName(caption));
        action->setEnabled(false);
        action->setToolTip(kNotYet);
    }
    QAction* setupEmail = menuBar()->addAction(QStringLiteral("Setup Email"));
    setupEmail->setObjectName(QStringLiteral("actionSetupEmail"));
    connect(setupEmail, &QAction::triggered, this, [this] { m_panels->setCurrentIndex(1); });
    QAction* upgrade = menuBar()->addAction(QStringLiteral("Upgrade!"));
    upgrade->setObjectName(QStringLiteral("actionUpgrade"));
    connect(upgrade, &QAction::triggered, this, [this] { askUpgrade(); });
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
