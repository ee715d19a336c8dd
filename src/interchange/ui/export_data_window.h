#pragma once

#include "interchange/ui/views_window.h"

namespace vn {

class ExportTextView;

// Window 12, the data export: its menu opens the text view and the Paradox and dBase views. No
// view shows when the window is shown.
class ExportDataWindow : public ViewsWindow {
    Q_OBJECT
public:
    ExportDataWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    ExportTextView* m_text = nullptr;
};

// Window 12 for the program's window table.
AppWindow* makeExportDataWindow(Session& session, Navigator& navigator);

}  // namespace vn
