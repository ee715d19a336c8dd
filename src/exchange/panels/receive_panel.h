#pragma once

#include "exchange/panels/multi_choice.h"
#include "exchange/panels/panel_work.h"
#include "exchange/transfer/transfer_discovery.h"

#include <functional>
#include <optional>

namespace vn {

class Session;

struct ReceivePanelState {
    QString folder;  // the exchange folder the files are found in
    int count = 0;
    MultiChoice files;  // "albdata.vnd   (from Albany)"
    std::optional<bool> removeAfter;  // Yes or No, once chosen
    bool processEnabled = false;
    Gauge gauge;  // its caption is the first line of the file in progress
};

// The rules of the Receive Form and Receive Data panels: the files addressed to this office,
// and merging the chosen ones. A data file of another program version asks for a password.
class ReceivePanel {
public:
    // Asks for the password that lets a data file of another version in; whether it was given.
    using PasswordPrompt = std::function<bool(const QString& file)>;

    ReceivePanel(Session& session, TransferKind kind, PanelHost& host, PasswordPrompt password = {});

    TransferKind kind() const { return m_kind; }
    const ReceivePanelState& state() const { return m_state; }

    void open();
    void choose(const QList<int>& rows);
    void all();
    void none();
    void setRemoveAfter(bool remove);
    void process();
    void cancel() { m_work.cancel(); }

private:
    void findFiles();
    void updateEnabled();

    Session& m_session;
    TransferKind m_kind;
    PasswordPrompt m_password;
    ReceivePanelState m_state;
    QList<OfferedFile> m_offered;
    PanelWork m_work;
};

}  // namespace vn
