#include "interchange/ui/export_data_window.h"

#include "interchange/tables/new_table_writers.h"
#include "interchange/ui/export_text_view.h"
#include "interchange/ui/table_export_view.h"
#include "shell/core/navigation.h"

#include <QMenu>

namespace vn {

ExportDataWindow::ExportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : ViewsWindow(session, navigator, ExportWindow, "exportWindow", "Data Export", parent) {
    m_text = new ExportTextView(session, this);
    addView(m_text);
    connect(m_text, &ExportTextView::returnClicked, this, [this] { showNoView(); });
    addViewEntry(QStringLiteral("Export To Text File"), "actionExportToTextFile", m_text, [this] { return m_text->openView(); });
    QMenu* tables = addViewMenu(nullptr, QStringLiteral("Export To Data Base File"), "exportToDataBaseMenu");
    const std::pair<TableFormat, std::pair<const char*, const char*>> entries[] = {
        {TableFormat::Paradox, {"Paradox", "actionExportParadox"}}, {TableFormat::Dbase, {"Dbase", "actionExportDbase"}}};
    for (const auto& [format, entry] : entries) {
        auto* view = new TableExportView(session, format, makeNewTableWriter, this);
        addView(view);
        connect(view, &TableExportView::returnClicked, this, [this] { showNoView(); });
        addViewEntry(tables, QString::fromLatin1(entry.first), entry.second, view, [view] { return view->openView(); });
    }
}

// Leaving the window ends a line-by-line run as Return does.
void ExportDataWindow::hideEvent(QHideEvent* event) {
    m_text->leave();
    AppWindow::hideEvent(event);
}

AppWindow* makeExportDataWindow(Session& session, Navigator& navigator) { return new ExportDataWindow(session, navigator); }

}  // namespace vn
