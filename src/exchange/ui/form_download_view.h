#pragma once

#include "exchange/panels/form_download_panel.h"
#include "exchange/ui/panel_context.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vn {

// "Process Downloaded Form Files...": the files found, "Process Selected File" and what the
// processed file held.
class FormDownloadView : public QWidget {
    Q_OBJECT
public:
    FormDownloadView(PanelContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBoxes();
    void render();

    FormDownloadPanel m_panel;
    QLabel* m_count = nullptr;
    QListWidget* m_files = nullptr;
    QPushButton* m_process = nullptr;
    QLineEdit* m_list = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_county = nullptr;
    QLineEdit* m_agency = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPlainTextEdit* m_instructions = nullptr;
};

}  // namespace vn
