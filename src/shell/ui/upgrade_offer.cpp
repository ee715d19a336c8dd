#include "shell/ui/upgrade_offer.h"

namespace vn {

UpgradeOffer::UpgradeOffer(Session& session, ShellView& shell, QWidget* mainWindow)
    : m_window(mainWindow), m_upgrades(session, shell, m_window) {
    QObject::connect(&m_window, &UpgradeWindow::performRequested, &m_window, [this] { m_upgrades.perform(); });
    QObject::connect(&m_window, &UpgradeWindow::continueRequested, &m_window, [this] { m_upgrades.continueAfter(); });
}

}  // namespace vn
