#include "exchange/panels/send_panel.h"

#include "shell/core/own_office.h"
#include "exchange/transfer/transfer_offices.h"
#include "exchange/transfer/transfer_send.h"
#include "shell/core/session.h"
#include "store/settings/parameter_reading.h"

namespace vn {

SendPanel::SendPanel(Session& session, TransferKind kind, PanelHost& host)
    : m_session(session), m_kind(kind), m_work(m_state.gauge, host) {
    open();
}

void SendPanel::open() {
    m_state = {};
    m_state.lists.fill(ListEntries(m_session));
    const InstallationIdentity& id = m_session.identity;
    m_state.destinations.fill(transferDestinations(m_session.access, id.dataFlow, id.stateCode, id.stateName));
    if (m_kind == TransferKind::Data) m_state.transferDate = readParameter(m_session.access, QStringLiteral("TransferDate")).value;
}

void SendPanel::choose(Picker picker, const QList<int>& rows) {
    choice(picker).choose(rows);
    updateEnabled();
}

void SendPanel::all(Picker picker) {
    choice(picker).all();
    updateEnabled();
}

void SendPanel::none(Picker picker) {
    choice(picker).none();
    updateEnabled();
}

void SendPanel::describe(int row) {
    if (row < 0 || row >= m_state.lists.entries.size()) return;
    m_state.description = listDescription(m_session.access, m_state.lists.entries[row].left(kListCodeLength));
}

void SendPanel::updateEnabled() { m_state.buildEnabled = m_state.lists.any() && m_state.destinations.any(); }

void SendPanel::build() {
    if (!m_state.buildEnabled) return;
    TransferRequest request;
    request.kind = m_kind;
    request.ownCode = ownOfficeCode(m_session.identity);
    for (int row : m_state.lists.chosenRows()) request.listCodes << m_state.lists.entries[row].left(kListCodeLength);
    for (int row : m_state.destinations.chosenRows()) request.destinations << destinationCode(m_state.destinations.entries[row]);
    const TransferBuild built = m_work.run([&](const WorkProgress& progress) {
        return SendTransferFile(m_session.access, m_session.prompter, m_session.folders.exchangeFolder(), request, progress);
    });
    if (built.end != WorkEnd::Done) return;
    m_state.builtPath = built.path;
    m_state.builtHeader = QString::fromUtf8(built.header);
    if (!built.transferDate.isEmpty()) m_state.transferDate = built.transferDate;
}

}  // namespace vn
