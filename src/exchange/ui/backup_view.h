#pragma once

#include "exchange/panels/backup_panel.h"
#include "exchange/ui/panel_context.h"
#include "exchange/ui/panel_parts.h"

#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

// Window 4's backup panel; its rules are BackupPanel's.
class BackupView : public PanelView {
public:
    explicit BackupView(PanelContext& context, QWidget* parent = nullptr);

private:
    void reopen() override { m_panel.open(); }
    QWidget* buildTables();
    QWidget* buildRight(PanelContext& context);
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

    BackupPanel m_panel;
    std::vector<QCheckBox*> m_tables;
    DestinationChoices* m_destinations = nullptr;
    QLabel* m_lastBackup = nullptr;
    GaugeRow* m_gauge = nullptr;
    QLabel* m_fileHeading = nullptr;
    QListWidget* m_files = nullptr;
    std::vector<QPushButton*> m_buttons;  // Select All, Clear, Backup, Exit
    QPushButton* m_backup = nullptr;
    QPushButton* m_deleteFiles = nullptr;
    QPushButton* m_exchange = nullptr;
};

}  // namespace vn
