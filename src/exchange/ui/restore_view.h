#pragma once

#include "exchange/panels/restore_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

// Window 4's restore panel; its rules are RestorePanel's.
class RestoreView : public PanelView {
public:
    explicit RestoreView(PanelContext& context, QWidget* parent = nullptr);

private:
    void reopen() override { m_panel.open(); }
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

    RestorePanel m_panel;
    DestinationChoices* m_locations = nullptr;
    QLabel* m_information = nullptr;
    QLabel* m_tablesCaption = nullptr;
    QListWidget* m_tables = nullptr;
    GaugeRow* m_gauge = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_clearAndRestore = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace vn
