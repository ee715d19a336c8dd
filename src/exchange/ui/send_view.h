#pragma once

#include "exchange/panels/send_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

class QLabel;
class QPushButton;

namespace vn {

class MultiChoiceList;
class FileMailButton;

// Window 4's Send Form and Send Data panels; their rules are SendPanel's.
class SendView : public PanelView {
public:
    SendView(PanelContext& context, TransferKind kind, QWidget* parent = nullptr);

private:
    void reopen() override;
    void render() override;
    void cancelWork() override { m_panel.cancel(); }
    void build();

    SendPanel m_panel;
    MultiChoiceList* m_lists = nullptr;
    MultiChoiceList* m_destinations = nullptr;
    QLabel* m_description = nullptr;   // forms
    QLabel* m_transferDate = nullptr;  // data
    QPushButton* m_build = nullptr;
    QPushButton* m_exit = nullptr;
    FileMailButton* m_mail = nullptr;
};

}  // namespace vn
