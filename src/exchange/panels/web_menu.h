#pragma once

#include <QList>
#include <QString>

namespace vn {

class Session;

// The entries of window 4's "VarnedoCentral" menu, in menu order.
enum class WebEntry {
    DataDownloadLogon,
    ProcessDownloadedData,
    BuildUploadFile,
    DataUploadLogon,
    FormDownloadLogon,
    ProcessDownloadForm,
    StateSupporterAccess,
};

struct WebEntryState {
    WebEntry entry;
    QString caption;
    QString objectName;
    bool enabled = false;
    QString toolTip;  // why a disabled entry cannot be chosen
};

// Which entries can be chosen now: a data download needs a list chosen in the record entry
// window, an upload file a current list, the downloaded forms a form download logon in this run.
// Uploading itself happens on the service's pages, so its logon is never offered.
class WebMenu {
public:
    explicit WebMenu(const Session& session) : m_session(session) {}

    QList<WebEntryState> entries() const;
    void formLogonDone() { m_formLogon = true; }

private:
    const Session& m_session;
    bool m_formLogon = false;
};

}  // namespace vn
