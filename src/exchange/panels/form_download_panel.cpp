#include "exchange/panels/form_download_panel.h"

#include "exchange/fcf/fcf_load.h"
#include "exchange/panels/received_lists.h"
#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"

namespace vn {

FormDownloadPanel::FormDownloadPanel(Session& session) : m_session(session) {}

void FormDownloadPanel::open() {
    m_state = {};
    m_files = findFormControlFiles(m_session.folders.exchangeFolder(), m_session.identity.stateCode.toLower());
    for (const FcfEntry& file : std::as_const(m_files)) m_state.entries << file.text();
}

void FormDownloadPanel::choose(int entry) {
    if (entry < 0 || entry >= m_files.size()) return;
    m_state.chosen = entry;
    m_state.processEnabled = true;
}

void FormDownloadPanel::process() {
    if (m_state.chosen < 0) return;
    FcfLoad load;
    try {
        load = LoadFormControlFile(m_session.access.database(kListSlot), m_session.prompter, m_files[m_state.chosen].path);
        if (load.end == WorkEnd::Done) refreshReceivedLists(m_session, {load.applied.name.list});
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
        return;
    }
    if (load.end != WorkEnd::Done) return;
    const FcfApplied& a = load.applied;
    m_state.list = a.name.list;
    m_state.state = a.name.state;
    m_state.county = a.name.office;
    m_state.agency = a.agency;
    m_state.description = a.description;
    m_state.instructions = a.instructions;
}

}  // namespace vn
