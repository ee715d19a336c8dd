#include "exchange/panels/restore_panel.h"

#include "exchange/backup/backup_writer.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <QFileInfo>

namespace vn {

namespace {

const QString kClosing = QStringLiteral(
    "Varnedo will now automatically close.  This process allows for any low level operational parameters that might "
    "have been changed during the restore to be re-read and used upon startup.");

}  // namespace

RestorePanel::RestorePanel(Session& session, Navigator& navigator, const DriveMap& drives, PanelHost& host)
    : m_session(session), m_navigator(navigator), m_drives(drives), m_work(m_state.gauge, host) {
    open();
}

void RestorePanel::open() {
    m_state = {};
    m_state.locations =
        backupDestinations(m_session.settings, m_drives, m_session.folders.dataFolder(), m_session.identity.operationalLevel);
    m_state.gauge.caption = QStringLiteral("Progress...");
    m_file.clear();
}

QString RestorePanel::folder() const {
    for (const BackupDestination& d : m_state.locations)
        if (d.choice == m_state.location) return d.folder;
    return {};
}

void RestorePanel::chooseLocation(int choice) {
    for (const BackupDestination& d : m_state.locations)
        if (d.choice == choice && d.enabled) m_state.location = choice;
    m_state.openEnabled = m_state.location != 0;
}

void RestorePanel::openFile() {
    if (!m_state.openEnabled) return;
    m_state.restoreEnabled = false;
    const QString file = backupFileIn(folder());
    if (!QFileInfo(file).isFile()) {
        m_session.prompter.error(QStringLiteral("VN Backup File Not Found on ") + folder());
        return;
    }
    const auto summary = ReadBackupHeader(file, m_session.settings.backupDate, m_session.prompter);
    if (!summary) return;
    m_file = file;
    m_state.fileInformation = summary->header.line;
    m_state.tablesFound = summary->titles;
    m_state.tablesShown = true;
    m_state.restoreEnabled = true;
}

void RestorePanel::restore() {
    if (!m_state.restoreEnabled) return;
    if (m_session.prompter.confirmation(QStringLiteral("Confirm Data Restore!"), Buttons::OkCancel) != Answer::Ok) return;
    run(RestoreMode::Merge);
}

void RestorePanel::clearAndRestore() {
    if (!m_state.restoreEnabled) return;
    if (m_session.prompter.confirmation(QStringLiteral("Confirm Data REMOVAL and Restore!"), Buttons::OkCancel) != Answer::Ok)
        return;
    run(RestoreMode::ClearFirst);
}

void RestorePanel::run(RestoreMode mode) {
    const WorkEnd end = m_work.run([&](const WorkProgress& progress) {
        return RestoreBackup(m_session.access.database(kParmSlot), m_session.prompter, m_file, mode, progress);
    });
    if (end != WorkEnd::Done) return;
    m_session.prompter.beep();
    m_session.prompter.information(kClosing);
    m_navigator.gotoExit();
}

}  // namespace vn
