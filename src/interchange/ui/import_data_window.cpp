#include "interchange/ui/import_data_window.h"

#include "interchange/ui/import_text_view.h"
#include "shell/core/navigation.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

namespace {

const QString kComesWithTables = QStringLiteral("This comes with the import of data base tables, in a later version.");

struct TableEntry {
    const char* caption;
    const char* objectName;
};

constexpr TableEntry kTableEntries[] = {
    {"Access Table", "actionAccessTable"},
    {"Paradox Table", "actionParadoxTable"},
    {"DBase Table", "actionDBaseTable"},
    {"Halvorin's Data Systems", "actionHalvorinsDataSystems"},
};

}  // namespace

ImportDataWindow::ImportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, ImportWindow, "importWindow", "Data Import", parent) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("importViews"));
    auto* empty = new QLabel(m_views);
    empty->setObjectName(QStringLiteral("noImportView"));
    m_views->addWidget(empty);
    m_text = new ImportTextView(session, [this] { m_views->setCurrentIndex(0); }, m_views);
    m_views->addWidget(m_text);
    setCentralWidget(m_views);
    resize(kPageWindowSize);
    buildMenus();
}

void ImportDataWindow::buildMenus() {
    QAction* text = menuBar()->addAction(QStringLiteral("Import Text Based Data"));
    text->setObjectName(QStringLiteral("actionImportTextBasedData"));
    connect(text, &QAction::triggered, this, [this] { openTextView(); });
    QMenu* tables = menuBar()->addMenu(QStringLiteral("Import Data Base Data"));
    tables->setObjectName(QStringLiteral("importDataBaseDataMenu"));
    tables->setToolTipsVisible(true);
    for (const TableEntry& entry : kTableEntries) {
        QAction* action = tables->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        action->setEnabled(false);
        action->setToolTip(kComesWithTables);
    }
}

// Without a current list the view does not open; the rules say why.
void ImportDataWindow::openTextView() {
    m_views->setCurrentIndex(0);
    if (m_text->open()) m_views->setCurrentWidget(m_text);
}

// The current list may have changed while the window was hidden: it starts without a view.
void ImportDataWindow::showEvent(QShowEvent* event) {
    m_views->setCurrentIndex(0);
    AppWindow::showEvent(event);
}

AppWindow* makeImportDataWindow(Session& session, Navigator& navigator) { return new ImportDataWindow(session, navigator); }

}  // namespace vn
