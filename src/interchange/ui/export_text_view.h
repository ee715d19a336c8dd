#pragma once

#include "exchange/ui/panel_parts.h"
#include "interchange/panels/export_text_panel.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vn {

class ExportCellsGrid;
class ExportChoicesBox;
class NumberedBox;

// "Export Text Based Data...": the boxes that build the field order, the method, mode and option,
// the text line and the runs. Drawn from its rules' state after every action.
class ExportTextView : public PanelView {
    Q_OBJECT
public:
    // A file to ask the user for: where one goes (saving) or which one (opening).
    struct FileQuestion {
        bool opening = false;
        QString title;
        QString suggested;
        QString filter;
    };
    // Asks it, by default with a file dialog; empty when declined.
    using PathChooser = std::function<QString(const FileQuestion& question)>;

    ExportTextView(Session& session, QWidget* parent);
    // "Export To Text File": false, said to the user, without a current list.
    bool openView();
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    // The window is left or Return pressed: a line-by-line run keeps what it accepted.
    void leave();

signals:
    void returnClicked();

protected:
    void reopen() override {}
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

private:
    QWidget* topRow();
    QWidget* headerGroup();
    QWidget* pageGroup();
    QWidget* pageButtons();
    QWidget* bottomRows();
    QPushButton* button(const QString& caption, const char* name, std::function<void()> action);
    void act(const std::function<void()>& action);
    void process();
    QWidget* layoutButtons();
    void saveLayout();
    void openLayout();
    void renderBoxes();
    void applyFocus();

    ExportTextPanel m_panel;
    PathChooser m_choosePath;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_title = nullptr;
    QList<NumberedBox*> m_header;
    QList<NumberedBox*> m_texts;
    QList<NumberedBox*> m_checks;
    QList<NumberedBox*> m_radios;
    NumberedBox* m_memo = nullptr;
    ExportCellsGrid* m_cells = nullptr;
    QWidget* m_pageGroup = nullptr;
    QList<QPushButton*> m_pageButtons;
    ExportChoicesBox* m_choices = nullptr;
    QLabel* m_lineCaption = nullptr;
    QLineEdit* m_line = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_return = nullptr;
    QPushButton* m_openLayout = nullptr;
};

}  // namespace vn
