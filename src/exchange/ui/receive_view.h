#pragma once

#include "exchange/panels/receive_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vn {

class MultiChoiceList;

// Window 4's Receive Form and Receive Data panels; their rules are ReceivePanel's.
class ReceiveView : public PanelView {
public:
    ReceiveView(PanelContext& context, TransferKind kind, QWidget* parent = nullptr);

private:
    void reopen() override { m_panel.open(); }
    void render() override;
    void cancelWork() override { m_panel.cancel(); }
    bool askPassword();

    Session& m_session;
    ReceivePanel m_panel;
    QLabel* m_count = nullptr;
    QLabel* m_processing = nullptr;
    MultiChoiceList* m_files = nullptr;
    QRadioButton* m_yes = nullptr;
    QRadioButton* m_no = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_exit = nullptr;
    GaugeRow* m_gauge = nullptr;  // data
};

}  // namespace vn
