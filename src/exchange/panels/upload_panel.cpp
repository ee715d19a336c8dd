#include "exchange/panels/upload_panel.h"

#include "requests/request.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "store/text/case_conversion.h"

namespace vn {

UploadPanel::UploadPanel(Session& session, Navigator& navigator) : m_session(session), m_navigator(navigator) { open(); }

QString UploadPanel::notOfferedReason() {
    return QStringLiteral("Not available in this version yet: choose the records with SQL Selected.");
}

void UploadPanel::open() {
    m_state = {};
    m_state.stateCode = m_session.identity.stateCode;
    m_state.countyCode = LowerCaseText(m_session.identity.countyCode);
    m_state.listCode = LowerCaseText(m_session.currentListCode);
}

void UploadPanel::choose(UploadScope scope) {
    if (!offered(scope)) return;
    m_state.scope = scope;
    m_state.processEnabled = true;
}

void UploadPanel::process() {
    if (!m_state.processEnabled || m_state.scope != UploadScope::SqlSelected) return;
    m_session.builderStart = int(RequestKind::Transmit);
    m_navigator.gotoWindow(ArchiveWindow, BuilderWindow);
}

}  // namespace vn
