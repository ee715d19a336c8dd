#pragma once

#include "exchange/panels/panel_work.h"

namespace vn {

class Navigator;
class Session;

// Which records go into the upload file.
enum class UploadScope { None = 0, All = 1, New = 2, SqlSelected = 3 };

struct UploadPanelState {
    QString stateCode;
    QString countyCode;  // lower case
    QString listCode;    // lower case
    UploadScope scope = UploadScope::None;
    bool processEnabled = false;
    Gauge gauge;
};

// The rules of window 4's upload view. The records are chosen with a request: the request builder
// starts a transmission request, whose data file is the upload file, and returns here.
class UploadPanel {
public:
    UploadPanel(Session& session, Navigator& navigator);

    const UploadPanelState& state() const { return m_state; }

    // Whether a scope can be chosen, and why not: only requests choose records in this version.
    static bool offered(UploadScope scope) { return scope == UploadScope::SqlSelected; }
    static QString notOfferedReason();

    void open();
    void choose(UploadScope scope);
    void process();

private:
    Session& m_session;
    Navigator& m_navigator;
    UploadPanelState m_state;
};

}  // namespace vn
