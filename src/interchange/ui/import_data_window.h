#pragma once

#include "interchange/ui/views_window.h"

namespace vn {

class ImportTextView;

// Window 11, data import: its menu opens the text import view; the table imports are offered
// disabled until they come.
class ImportDataWindow : public ViewsWindow {
    Q_OBJECT
public:
    ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

private:
    ImportTextView* m_text = nullptr;
};

// Window 11 for the program's window table.
AppWindow* makeImportDataWindow(Session& session, Navigator& navigator);

}  // namespace vn
