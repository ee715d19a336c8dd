#include "interchange/ui/import_data_window.h"

#include "interchange/tables/outside_readers.h"

#include "interchange/ui/import_text_view.h"
#include "interchange/ui/sibling_files_view.h"
#include "interchange/ui/table_import_view.h"
#include "shell/core/navigation.h"

#include <QAction>
#include <QMenu>

namespace vn {

ImportDataWindow::ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : ViewsWindow(session, navigator, ImportWindow, "importWindow", "Data Import", parent) {
    m_text = new ImportTextView(session, [this] { showNoView(); }, this);
    m_table = new TableImportView(session, {}, [this] { showNoView(); }, this);
    m_siblings = new SiblingFilesView(
        session, [this](const QString& path) { showView(m_table, [this, path] { return m_table->openSibling(path); }); },
        [this] { showNoView(); }, this);
    for (QWidget* view : {static_cast<QWidget*>(m_text), static_cast<QWidget*>(m_table), static_cast<QWidget*>(m_siblings)})
        addView(view);
    // Without a current list the views do not open; their rules say why.
    addViewEntry(QStringLiteral("Import Text Based Data"), "actionImportTextBasedData", m_text, [this] { return m_text->open(); });
    QMenu* tables = addViewMenu(nullptr, QStringLiteral("Import Data Base Data"), "importDataBaseDataMenu");
    const std::pair<const char*, const char*> names[] = {
        {"Access Table", "actionAccessTable"}, {"Paradox Table", "actionParadoxTable"}, {"DBase Table", "actionDBaseTable"}};
    const TableSource kinds[] = {TableSource::Access, TableSource::Paradox, TableSource::DBase};
    for (int i = 0; i < 3; ++i)
        addViewEntry(tables, QString::fromLatin1(names[i].first), names[i].second, m_table,
                     [this, kind = kinds[i]] { return m_table->open(kind); });
    QMenu* siblings = addViewMenu(tables, QStringLiteral("Halvorin's Data Systems"), "halvorinsDataSystemsMenu");
    siblings->menuAction()->setObjectName(QStringLiteral("actionHalvorinsDataSystems"));
    const std::pair<const char*, const char*> products[] = {
        {"Grovanta", "actionGrovanta"}, {"Pavilo!", "actionPavilo"}, {"KOVRA", "actionKovra"}};
    for (int i = 0; i < 3; ++i)
        m_siblingEntries[std::size_t(i)] = addViewEntry(siblings, QString::fromLatin1(products[i].first), products[i].second,
                                                        m_siblings, [this, i] { return m_siblings->open(i); });
    enableSiblings();
}

void ImportDataWindow::setForeignReaders(ForeignReaders readers) { m_table->setReaders(std::move(readers)); }

// The sibling search may run after the window was made.
void ImportDataWindow::showEvent(QShowEvent* event) {
    enableSiblings();
    ViewsWindow::showEvent(event);
}

void ImportDataWindow::enableSiblings() {
    for (int i = 0; i < 3; ++i) m_siblingEntries[std::size_t(i)]->setEnabled(m_siblings->available(i));
}

AppWindow* makeImportDataWindow(Session& session, Navigator& navigator) {
    auto* window = new ImportDataWindow(session, navigator);
    window->setForeignReaders(outsideTableReaders());
    return window;
}

}  // namespace vn
