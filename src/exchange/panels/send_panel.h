#pragma once

#include "exchange/panels/multi_choice.h"
#include "exchange/panels/panel_work.h"
#include "exchange/transfer/transfer_format.h"

namespace vn {

class Session;

struct SendPanelState {
    MultiChoice lists;         // "code  title" of every data list
    MultiChoice destinations;  // the offices the file is addressed to
    QString description;       // forms: the description of the list last pointed at
    QString transferDate;      // data: when the last data file was built
    bool buildEnabled = false;
    QString builtPath;  // the file built in this visit, empty before: "Email File Now" sends it
    QString builtHeader;
    Gauge gauge;
};

// The rules of the Send Form and Send Data panels: the lists, the offices, and the file built for
// them in the exchange folder.
class SendPanel {
public:
    enum class Picker { Lists, Destinations };

    SendPanel(Session& session, TransferKind kind, PanelHost& host);

    TransferKind kind() const { return m_kind; }
    const SendPanelState& state() const { return m_state; }

    void open();
    void choose(Picker picker, const QList<int>& rows);
    void all(Picker picker);
    void none(Picker picker);
    // "Description..." follows the list entry pointed at or clicked.
    void describe(int row);
    void build();
    void cancel() { m_work.cancel(); }

private:
    MultiChoice& choice(Picker picker) { return picker == Picker::Lists ? m_state.lists : m_state.destinations; }
    void updateEnabled();

    Session& m_session;
    TransferKind m_kind;
    SendPanelState m_state;
    PanelWork m_work;
};

}  // namespace vn
