#pragma once

#include "exchange/panels/upload_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

#include <map>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vn {

// Window 4's "Build Varnedo Central Data Upload File..." view; its rules are UploadPanel's.
class UploadView : public QWidget {
public:
    explicit UploadView(PanelContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    UploadPanel m_panel;
    QLabel* m_state = nullptr;
    QLabel* m_county = nullptr;
    QLabel* m_list = nullptr;
    std::map<UploadScope, QRadioButton*> m_scopes;
    QPushButton* m_process = nullptr;
    GaugeRow* m_gauge = nullptr;
};

}  // namespace vn
