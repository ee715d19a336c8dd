#include "interchange/ui/import_data_window.h"

#include "interchange/ui/import_text_view.h"
#include "shell/core/navigation.h"

namespace vn {

ImportDataWindow::ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : ViewsWindow(session, navigator, ImportWindow, "importWindow", "Data Import", parent) {
    m_text = new ImportTextView(session, [this] { showNoView(); }, this);
    addView(m_text);
    // Without a current list the view does not open; its rules say why.
    addViewEntry(QStringLiteral("Import Text Based Data"), "actionImportTextBasedData", m_text, [this] { return m_text->open(); });
    addWaitingMenu(QStringLiteral("Import Data Base Data"), "importDataBaseDataMenu",
                   {{"Access Table", "actionAccessTable"},
                    {"Paradox Table", "actionParadoxTable"},
                    {"DBase Table", "actionDBaseTable"},
                    {"Halvorin's Data Systems", "actionHalvorinsDataSystems"}},
                   QStringLiteral("This comes with the import of data base tables, in a later version."));
}

AppWindow* makeImportDataWindow(Session& session, Navigator& navigator) { return new ImportDataWindow(session, navigator); }

}  // namespace vn
