#include "exchange/panels/web_data_panel.h"

#include "entry/session/download_processor.h"
#include "platform/prompter.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

namespace vn {

WebDataPanel::WebDataPanel(Session& session, Navigator& navigator, PanelHost& host)
    : m_session(session), m_navigator(navigator), m_work(m_state.gauge, host) {}

void WebDataPanel::process() {
    m_state = {};
    const InstallationIdentity& id = m_session.identity;
    try {
        const DownloadResult result = m_work.run([&](const WorkProgress& progress) {
            return ProcessDownload(m_session.access, m_session.folders.base(), id.stateCode, id.countyCode, progress.step);
        });
        if (!result.fileFound) {
            m_session.prompter.beep();
            m_session.prompter.information(result.message);
            return;
        }
        m_state.summary = downloadSummary(result);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void WebDataPanel::viewRecords() {
    m_session.entryShowsRecords = true;
    m_navigator.ShowWindow({EntryWindow});
    m_navigator.ShowPanel({});
}

}  // namespace vn
