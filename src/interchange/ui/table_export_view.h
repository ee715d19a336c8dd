#pragma once

#include "exchange/ui/panel_parts.h"
#include "interchange/panels/table_export_panel.h"

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vn {

class LeavingEdit;

// "Export to Paradox Table..." or "Export to DBase Table...": header names and page lists clicked
// into the new table's structure, the table's name, and the buttons that make and fill it. Drawn
// from its rules' state after every action.
class TableExportView : public PanelView {
    Q_OBJECT
public:
    TableExportView(Session& session, TableFormat format, NewTableWriterFactory writers, QWidget* parent);
    // The menu entry: false, said to the user, without a current list.
    bool openView();

signals:
    void returnClicked();

protected:
    void reopen() override {}
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

private:
    QWidget* instructions();
    QWidget* headerGroup();
    QWidget* pageLists();
    QWidget* structureColumn();
    QPushButton* button(const QString& caption, const char* name, std::function<void()> action);
    void act(const std::function<void()>& action);
    void applyFocus();

    TableExportPanel m_panel;
    QList<QListWidget*> m_pages;
    QListWidget* m_structure = nullptr;
    QLineEdit* m_fileName = nullptr;
    LeavingEdit* m_leaving = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace vn
