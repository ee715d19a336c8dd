#include "exchange/panels/web_menu.h"

#include "shell/core/goto_rules.h"
#include "shell/core/session.h"

namespace vn {

namespace {

WebEntryState entry(WebEntry which, const char* caption, bool enabled, const char* whyNot) {
    QString name = QString::fromLatin1(caption);
    name.remove(u' ');
    return {which, QString::fromLatin1(caption), QStringLiteral("action") + name, enabled,
            enabled ? QString() : QString::fromLatin1(whyNot)};
}

}  // namespace

QList<WebEntryState> WebMenu::entries() const {
    const bool list = hasCurrentList(m_session);
    return {
        entry(WebEntry::DataDownloadLogon, "Data Download Logon", list && m_session.listChosenInEntry,
              "Choose a data list in the record entry window first."),
        entry(WebEntry::ProcessDownloadedData, "Process Downloaded Data", true, ""),
        entry(WebEntry::BuildUploadFile, "Build Data Upload File", list, "Choose a data list first."),
        entry(WebEntry::DataUploadLogon, "Data Upload Logon", false,
              "Not available: the upload file is sent from the Varnedo Central web pages."),
        entry(WebEntry::FormDownloadLogon, "Form Download Logon", true, ""),
        entry(WebEntry::ProcessDownloadForm, "Process Download Form", m_formLogon, "Use Form Download Logon first."),
        entry(WebEntry::StateSupporterAccess, "State Supporter Access", true, ""),
    };
}

}  // namespace vn
