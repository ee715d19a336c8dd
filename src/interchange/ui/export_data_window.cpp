#include "interchange/ui/export_data_window.h"

#include "interchange/ui/export_text_view.h"
#include "shell/core/navigation.h"

namespace vn {

namespace {

const QString kTablesLater = QStringLiteral("Export to Paradox and dBase tables comes with the export to new tables.");

}  // namespace

ExportDataWindow::ExportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : ViewsWindow(session, navigator, ExportWindow, "exportWindow", "Data Export", parent) {
    m_text = new ExportTextView(session, this);
    addView(m_text);
    connect(m_text, &ExportTextView::returnClicked, this, [this] { showNoView(); });
    addViewEntry(QStringLiteral("Export To Text File"), "actionExportToTextFile", m_text, [this] { return m_text->openView(); });
    addWaitingMenu(QStringLiteral("Export To Data Base File"), "exportToDataBaseMenu",
                   {{"Paradox", "actionExportParadox"}, {"Dbase", "actionExportDbase"}}, kTablesLater);
}

// Leaving the window ends a line-by-line run as Return does.
void ExportDataWindow::hideEvent(QHideEvent* event) {
    m_text->leave();
    AppWindow::hideEvent(event);
}

AppWindow* makeExportDataWindow(Session& session, Navigator& navigator) { return new ExportDataWindow(session, navigator); }

}  // namespace vn
