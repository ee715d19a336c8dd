#pragma once

#include "shell/core/table_upgrades.h"
#include "shell/ui/upgrade_window.h"

namespace vn {

// The upgrade run joined to its window: the window's buttons drive the run, the run the window.
class UpgradeOffer {
public:
    UpgradeOffer(Session& session, ShellView& shell, QWidget* mainWindow);

    // The deferred start's look for pending layout changes.
    void FindNextUpgrade() { m_upgrades.FindNextUpgrade(); }
    UpgradeWindow& window() { return m_window; }

private:
    UpgradeWindow m_window;
    TableUpgrades m_upgrades;
};

}  // namespace vn
