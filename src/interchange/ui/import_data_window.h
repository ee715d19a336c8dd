#pragma once

#include "interchange/tables/foreign_opener.h"
#include "interchange/ui/views_window.h"

#include <array>

class QAction;

namespace vn {

class ImportTextView;
class SiblingFilesView;
class TableImportView;

// Window 11, data import: its menu opens the text import view, the Paradox, dBase and Access
// views, and the sibling products' table files (each entry enabled when that product is found).
class ImportDataWindow : public ViewsWindow {
    Q_OBJECT
public:
    ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);

    // The readers of outside tables the table views use.
    void setForeignReaders(ForeignReaders readers);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void enableSiblings();

    ImportTextView* m_text = nullptr;
    TableImportView* m_table = nullptr;
    SiblingFilesView* m_siblings = nullptr;
    std::array<QAction*, 3> m_siblingEntries{};
};

// Window 11 for the program's window table.
AppWindow* makeImportDataWindow(Session& session, Navigator& navigator);

}  // namespace vn
