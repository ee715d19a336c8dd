#pragma once

#include "exchange/panels/panel_work.h"

namespace vn {

class Navigator;
class Session;

struct WebDataPanelState {
    Gauge gauge;      // over the lines of the file
    QString summary;  // what the last processing did
};

// The rules of window 4's web data processing view: the downloaded web data file processed
// into the tables, and the way to its records in the record entry window.
class WebDataPanel {
public:
    WebDataPanel(Session& session, Navigator& navigator, PanelHost& host);

    const WebDataPanelState& state() const { return m_state; }

    void open() { m_state = {}; }
    // Without a file the notice says that everything has been processed.
    void process();
    void cancel() { m_work.cancel(); }
    // The record entry window on the current list's record selection.
    void viewRecords();

private:
    Session& m_session;
    Navigator& m_navigator;
    WebDataPanelState m_state;
    PanelWork m_work;
};

}  // namespace vn
