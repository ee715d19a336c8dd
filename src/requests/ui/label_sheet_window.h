#pragma once

#include "requests/labels/label_sheet_controller.h"
#include "shell/ui/app_window.h"

#include <functional>

class QListWidget;
class QPushButton;

namespace vn {

class LabelSheetPicture;

// Window 10: the labels of a label run on the chosen sheet type, previewed page by page,
// printed from the marked positions of the first sheet on, or written to the label file.
class LabelSheetWindow : public AppWindow {
    Q_OBJECT
public:
    LabelSheetWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    // Comes up from the request builder with the run, which the builder returns to.
    void openRun(const LabelRun& run);

    const LabelSheetController& controller() const { return m_controller; }

private:
    QWidget* buildChoice();
    QWidget* buildCommands();
    // Hands one click to the controller, then draws the window again.
    void act(const std::function<void(LabelSheetController&)>& event);
    void render();
    void backToBuilder();

    Session& m_session;
    Navigator& m_navigator;
    LabelSheetController m_controller;
    QString m_printer;  // chosen with "Select printer"; empty: the main window's
    QListWidget* m_stocks = nullptr;
    QPushButton* m_count = nullptr;
    QPushButton* m_grid = nullptr;
    QPushButton* m_size = nullptr;
    LabelSheetPicture* m_picture = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_fullSheet = nullptr;
    QPushButton* m_emptySheet = nullptr;
    QPushButton* m_selectPrinter = nullptr;
    QPushButton* m_prior = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_labels = nullptr;
    QPushButton* m_pages = nullptr;
    QPushButton* m_page = nullptr;
};

}  // namespace vn
