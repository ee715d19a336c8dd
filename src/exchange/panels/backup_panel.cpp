#include "exchange/panels/backup_panel.h"

#include "exchange/backup/backup_writer.h"
#include "exchange/panels/backup_source.h"
#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <algorithm>

namespace vn {

BackupPanel::BackupPanel(Session& session, const DriveMap& drives, PanelHost& host)
    : m_session(session), m_drives(drives), m_work(m_state.gauge, host) {
    open();
}

void BackupPanel::open() {
    m_state.checked.fill(true);
    m_state.destinations =
        backupDestinations(m_session.settings, m_drives, m_session.folders.dataFolder(), m_session.identity.operationalLevel);
    m_state.destination = 0;
    m_state.fileListShown = false;
    m_state.fileEntries.clear();
    m_listed.clear();
    m_state.gauge = {};
    m_state.lastBackup = m_session.settings.backupDate;
    updateEnabled();
}

void BackupPanel::selectAll() {
    m_state.checked.fill(true);
    updateEnabled();
}

void BackupPanel::clear() {
    m_state.checked.fill(false);
    updateEnabled();
}

void BackupPanel::setTable(int number, bool checked) {
    if (number < 1 || number > kBackupTableCount) return;
    m_state.checked[std::size_t(number - 1)] = checked;
    updateEnabled();
}

void BackupPanel::chooseDestination(int choice) {
    for (const BackupDestination& d : m_state.destinations)
        if (d.choice == choice && d.enabled) m_state.destination = choice;
    updateEnabled();
}

const BackupDestination* BackupPanel::chosen() const {
    for (const BackupDestination& d : m_state.destinations)
        if (d.choice == m_state.destination) return &d;
    return nullptr;
}

void BackupPanel::updateEnabled() {
    const bool anyTable = std::find(m_state.checked.begin(), m_state.checked.end(), true) != m_state.checked.end();
    m_state.backupEnabled = chosen() && anyTable;
}

void BackupPanel::backup() {
    const BackupDestination* destination = chosen();
    if (!destination || !m_state.backupEnabled) return;
    if (!destination->removable) {
        write(*destination);
        return;
    }
    while (!mediumWritable(destination->folder))
        if (m_session.prompter.error(QStringLiteral("Diskette not found in drive ") + destination->folder, Buttons::CancelRetry) !=
            Answer::Retry)
            return;
    m_listed = mediumFiles(destination->folder);
    if (m_listed.isEmpty()) {
        write(*destination);
        return;
    }
    m_state.fileEntries.clear();
    for (const MediumFile& file : m_listed) m_state.fileEntries << mediumFileEntry(file);
    m_state.fileListShown = true;
}

void BackupPanel::deleteFilesAndContinue() {
    const BackupDestination* destination = chosen();
    if (!destination || !m_state.fileListShown) return;
    if (m_session.prompter.confirmation(QStringLiteral("Confirm File(s) Deletion!"), Buttons::OkNo) != Answer::Ok) return;
    const QStringList left = eraseMediumFiles(destination->folder, m_listed);
    m_state.fileListShown = false;
    m_state.fileEntries.clear();
    m_listed.clear();
    if (!left.isEmpty())
        m_session.prompter.warning(QStringLiteral("These files could not be erased from %1:\r\r%2")
                                       .arg(destination->folder, left.join(QStringLiteral("\r"))));
    write(*destination);
}

void BackupPanel::exchangeDiskette() {
    const int destination = m_state.destination;
    open();
    chooseDestination(destination);
    backup();
}

void BackupPanel::write(const BackupDestination& destination) {
    const QDateTime now = QDateTime::currentDateTime();
    if (!writeInto(destination.folder, now) || destination.secondFolder.isEmpty() || destination.secondFolder == destination.folder)
        return;
    const QString failure = copyBackupFile(backupFileIn(destination.folder), destination.secondFolder);
    if (!failure.isEmpty()) m_session.prompter.error(backupTargetError(backupFileIn(destination.secondFolder), failure));
}

bool BackupPanel::writeInto(const QString& folder, const QDateTime& now) {
    BackupRequest request;
    for (const BackupTable& table : backupTables())
        if (m_state.checked[std::size_t(table.number - 1)]) request.tableSlots << table.slot;
    request.source = backupSource(m_session);
    request.now = now;
    const WorkEnd end = m_work.run([&](const WorkProgress& progress) {
        return WriteBackup(m_session.access, m_session.prompter, backupFileIn(folder), request, progress);
    });
    if (end != WorkEnd::Done) return false;
    m_session.settings.backupDate = storedBackupDate(m_session);
    m_state.lastBackup = m_session.settings.backupDate;
    return true;
}

}  // namespace vn
