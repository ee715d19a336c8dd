#pragma once

#include "exchange/fcf/fcf_listing.h"

#include <QStringList>

namespace vn {

class Session;

struct FormDownloadState {
    QStringList entries;  // "<name>.......<title>"
    int chosen = -1;
    bool processEnabled = false;  // an entry was clicked
    // Of the file processed last.
    QString list, state, county;
    QString agency, description, instructions;
};

// The rules of "Process Downloaded Form Files...": the form control files for this state found
// in the exchange folder, and the one chosen loaded into the definition tables.
class FormDownloadPanel {
public:
    explicit FormDownloadPanel(Session& session);

    void open();
    void choose(int entry);
    void process();  // "Process Selected File"

    const FormDownloadState& state() const { return m_state; }

private:
    Session& m_session;
    QList<FcfEntry> m_files;
    FormDownloadState m_state;
};

}  // namespace vn
