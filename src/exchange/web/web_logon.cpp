#include "exchange/web/web_logon.h"

#include "entry/session/download_processor.h"
#include "platform/prompter.h"
#include "shell/core/session.h"

#include <QFile>

namespace vn {

namespace {

LogonOutcome openPage(Session& session, CentralPage page) {
    const QString address = centralAddress(session.settings.webHost, page, centralCodes(session));
    if (session.openAddress && session.openAddress(address)) return LogonOutcome::Opened;
    session.prompter.warning(QStringLiteral("No web browser could be opened on the address [%1].").arg(address));
    return LogonOutcome::NotOpened;
}

}  // namespace

CentralCodes centralCodes(const Session& session) {
    return {session.identity.stateCode, session.identity.countyCode, session.currentListCode};
}

LogonOutcome dataDownloadLogon(Session& session) {
    const InstallationIdentity& id = session.identity;
    const QString waiting = downloadFilePath(session.folders.base(), id.stateCode, id.countyCode);
    if (QFile::exists(waiting)) {
        session.prompter.beep();
        session.prompter.warning(QStringLiteral("Warning!  The last data file downloaded from Varnedo Central [") + waiting +
                                 QStringLiteral("] has not been processed.  This must be done before a new data file "
                                                "can be downloaded."));
        return LogonOutcome::Unprocessed;
    }
    return openPage(session, CentralPage::DataDownload);
}

LogonOutcome formDownloadLogon(Session& session) {
    webTransferFolder(session.folders.base());
    return openPage(session, CentralPage::FormDownload);
}

LogonOutcome stateSupporterAccess(Session& session) { return openPage(session, CentralPage::StateSupporterAccess); }

}  // namespace vn
