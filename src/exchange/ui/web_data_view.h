#pragma once

#include "exchange/panels/web_data_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

class QLabel;
class QPushButton;

namespace vn {

// Window 4's web data processing view; its rules are WebDataPanel's. The menu shows it and
// processes the downloaded file at once.
class WebDataView : public PanelView {
public:
    explicit WebDataView(PanelContext& context, QWidget* parent = nullptr);

    void process();

private:
    void reopen() override { m_panel.open(); }
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

    WebDataPanel m_panel;
    GaugeRow* m_gauge = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_view = nullptr;
};

}  // namespace vn
