#include "shell/core/table_upgrades.h"

#include "platform/prompter.h"
#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "shell/core/shutdown_sequence.h"
#include "store/engine/store_error.h"
#include "store/upgrades/table_upgrade.h"
#include "store/upgrades/upgrade_markers.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

TableUpgrades::TableUpgrades(Session& session, ShellView& shell, UpgradeWindowView& window)
    : m_session(session), m_shell(shell), m_window(window) {}

void TableUpgrades::FindNextUpgrade() {
    {
        BusyGuard busy(m_shell);
        RecordAccess& a = m_session.access;
        m_pending = findPendingUpgrade([&a](const QString& m) { return a.FindRecord(TableCatalogue::kSystemSlot, m); },
                                       m_session.folders.changesFolder());
        m_copied = false;
        if (m_pending) {
            m_session.prompter.beep();
            m_window.showUpgrade(m_pending->shownMarker, m_pending->information);
            m_window.setProgress(0, 1);
            return;
        }
        m_session.log.append(QStringLiteral("Process any Record fixes..."));
    }
    closeWhenDone();
}

void TableUpgrades::closeWhenDone() {
    if (!m_upgradeDone) return;
    m_session.prompter.beep();
    m_session.prompter.information(QStringLiteral("The system will now close so the new table and/or record fix operations "
                                                  "can be stored in the 'Saves' folder."));
    ShutdownSequence(m_session, m_shell);
}

void TableUpgrades::halt(const QString& message) {
    m_session.prompter.beep();
    m_session.prompter.error(message);
    m_pending.reset();
    m_window.hideUpgrade();
    ShutdownSequence(m_session, m_shell);
}

void TableUpgrades::perform() {
    if (!m_pending || m_copied) return;
    const PendingUpgrade pending = *m_pending;
    TableUpgrade upgrade{pending.table, pending.structureFile, m_session.folders.dataFolder(), {}, QDateTime::currentDateTime(),
                         [this](qint64 done, qint64 total) { m_window.setProgress(done, total); }};
    for (const QString& marker : pending.markers) {
        QString description;
        for (const UpgradeGroup& g : upgradeGroups())
            for (const UpgradeMarker& m : g.markers)
                if (m.marker == marker && marker == pending.appliedMarker) description = m.description;
        upgrade.markers.append({marker, description});
    }
    const int slot = TableCatalogue::slotOfFileName(pending.table + QStringLiteral("1.db"));
    RecordAccess& a = m_session.access;
    const bool wasOpen = slot > 0 && a.catalogue().isOpen(slot);
    if (wasOpen) a.CloseTable(slot);
    auto reopen = [&] {
        if (wasOpen) a.OpenTable(slot, TableLocation::dataTable(m_session.folders.dataFolder(), slot));
    };
    TableUpgradeResult result;
    try {
        BusyGuard busy(m_shell);
        result = upgradeTable(a.database(TableCatalogue::kSystemSlot), upgrade);
        reopen();
    } catch (const UpgradeHalted& h) {
        reopen();
        halt(h.message);
        return;
    } catch (const StoreError& e) {
        reopen();
        halt(QStringLiteral("Table Upgrade Error!  ") + e.message() +
             QStringLiteral("\r\rThe table [%1] is unchanged.  Upgrade aborted.").arg(pending.table));
        return;
    }
    m_copied = true;
    QString text = pending.information + QStringLiteral("\r\rThe table [%1] now has its new layout (%2 records). A copy "
                                                        "from before the upgrade is kept in %3.")
                                             .arg(pending.table)
                                             .arg(result.rows)
                                             .arg(QDir::toNativeSeparators(QFileInfo(result.keptCopy).path()));
    if (result.valuesCut > 0)
        text += QStringLiteral(" %1 values were longer than their new fields and were cut; the kept copy holds them whole.")
                    .arg(result.valuesCut);
    m_session.prompter.beep();
    m_window.showDone(text);
}

void TableUpgrades::continueAfter() {
    if (!m_pending || !m_copied) return;
    m_upgradeDone = true;
    m_window.hideUpgrade();
    FindNextUpgrade();
}

}  // namespace vn
