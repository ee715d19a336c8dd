#pragma once

#include "shell/ui/app_window.h"

class QStackedWidget;

namespace vn {

class ExportTextView;

// Window 12, the data export: its menu opens the text view; the table views come with the export
// to new tables and wait, disabled, until then. No view shows when the window is shown.
class ExportDataWindow : public AppWindow {
    Q_OBJECT
public:
    ExportDataWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMenus();
    void openTextView();

    QStackedWidget* m_views = nullptr;
    ExportTextView* m_text = nullptr;
};

// Window 12 for the program's window table.
AppWindow* makeExportDataWindow(Session& session, Navigator& navigator);

}  // namespace vn
