#pragma once

#include "shell/ui/app_window.h"

class QStackedWidget;

namespace vn {

class ImportTextView;

// Window 11, data import: its menu opens the text import view; the table imports are offered
// disabled until they come.
class ImportDataWindow : public AppWindow {
    Q_OBJECT
public:
    ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void openTextView();

    QStackedWidget* m_views = nullptr;
    ImportTextView* m_text = nullptr;
};

// Window 11 for the program's window table.
AppWindow* makeImportDataWindow(Session& session, Navigator& navigator);

}  // namespace vn
