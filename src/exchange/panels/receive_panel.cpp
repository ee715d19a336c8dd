#include "exchange/panels/receive_panel.h"

#include "shell/core/own_office.h"
#include "exchange/panels/received_lists.h"
#include "exchange/transfer/transfer_receive.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <QDir>
#include <memory>

namespace vn {

ReceivePanel::ReceivePanel(Session& session, TransferKind kind, PanelHost& host, PasswordPrompt password)
    : m_session(session), m_kind(kind), m_password(std::move(password)), m_work(m_state.gauge, host) {
    open();
}

void ReceivePanel::open() {
    m_state = {};
    findFiles();
}

void ReceivePanel::findFiles() {
    m_state.folder = QDir::toNativeSeparators(m_session.folders.exchangeFolder());
    m_offered = findReceivedFiles(m_session.access, m_session.folders.exchangeFolder(), m_kind, ownOfficeCode(m_session.identity));
    QStringList entries;
    for (const OfferedFile& file : m_offered) entries << file.entry;
    m_state.files.fill(entries);
    m_state.count = int(m_offered.size());
    updateEnabled();
}

void ReceivePanel::choose(const QList<int>& rows) {
    m_state.files.choose(rows);
    updateEnabled();
}

void ReceivePanel::all() {
    m_state.files.all();
    updateEnabled();
}

void ReceivePanel::none() {
    m_state.files.none();
    updateEnabled();
}

void ReceivePanel::setRemoveAfter(bool remove) {
    m_state.removeAfter = remove;
    updateEnabled();
}

void ReceivePanel::updateEnabled() { m_state.processEnabled = m_state.files.any() && m_state.removeAfter.has_value(); }

void ReceivePanel::process() {
    if (!m_state.processEnabled) return;
    ReceiveRequest request;
    request.kind = m_kind;
    request.removeAfter = *m_state.removeAfter;
    request.password = m_password;
    for (int row : m_state.files.chosenRows()) request.files << m_offered[row].path;
    const ReceiveRun run = m_work.run([&](const WorkProgress& progress) {
        return ReceiveTransferFiles(m_session.access.database(kListSlot), m_session.prompter, request, progress);
    });
    refreshReceivedLists(m_session, run.touchedLists);
    // Erased files are no longer offered; nothing is chosen afterwards.
    findFiles();
    m_state.gauge.value = 0;
    m_state.gauge.maximum = 0;
}

}  // namespace vn
