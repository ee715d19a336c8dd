#pragma once

#include "store/upgrades/upgrade_search.h"

#include <QString>
#include <optional>

namespace vn {

class Session;
class ShellView;

// The table upgrade window as the upgrade run drives it.
class UpgradeWindowView {
public:
    virtual ~UpgradeWindowView() = default;
    // Shown with the main window disabled; "Perform" enabled, "Continue" not.
    virtual void showUpgrade(const QString& marker, const QString& information) = 0;
    virtual void setProgress(qint64 done, qint64 total) = 0;
    // The copy ended: the information names the kept copy; "Continue" enabled.
    virtual void showDone(const QString& information) = 0;
    // Hidden, the main window enabled again.
    virtual void hideUpgrade() = 0;
};

// Pending layout changes, one group at a time, each through the upgrade window; after the last
// one the program closes so that the saved copy holds the new layouts.
class TableUpgrades {
public:
    TableUpgrades(Session& session, ShellView& shell, UpgradeWindowView& window);

    // Offers the next pending group, or, when none is left after an upgrade of this run, closes.
    void FindNextUpgrade();
    // "Perform Table Upgrade Now".
    void perform();
    // "Table Upgrade Complete! Continue".
    void continueAfter();
    bool offering() const { return m_pending.has_value(); }

private:
    void closeWhenDone();
    void halt(const QString& message);

    Session& m_session;
    ShellView& m_shell;
    UpgradeWindowView& m_window;
    std::optional<PendingUpgrade> m_pending;
    bool m_copied = false;       // the copy of the group on offer ended
    bool m_upgradeDone = false;  // an upgrade was completed in this run
};

}  // namespace vn
