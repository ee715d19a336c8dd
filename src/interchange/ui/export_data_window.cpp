#include "interchange/ui/export_data_window.h"

#include "interchange/ui/export_text_view.h"
#include "shell/core/navigation.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

namespace {

const QString kTablesLater = QStringLiteral("Export to Paradox and dBase tables comes with the export to new tables.");

}  // namespace

ExportDataWindow::ExportDataWindow(Session& session, Navigator& navigator, QWidget* parent)
    : AppWindow(session, navigator, ExportWindow, "exportWindow", "Data Export", parent) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("exportViews"));
    auto* empty = new QLabel(m_views);
    empty->setObjectName(QStringLiteral("noView"));
    m_views->addWidget(empty);
    m_text = new ExportTextView(session, m_views);
    m_views->addWidget(m_text);
    connect(m_text, &ExportTextView::returnClicked, this, [this] { m_views->setCurrentIndex(0); });
    setCentralWidget(m_views);
    resize(kPageWindowSize);
    buildMenus();
}

void ExportDataWindow::buildMenus() {
    QAction* text = menuBar()->addAction(QStringLiteral("Export To Text File"));
    text->setObjectName(QStringLiteral("actionExportToTextFile"));
    connect(text, &QAction::triggered, this, [this] { openTextView(); });
    QMenu* tables = menuBar()->addMenu(QStringLiteral("Export To Data Base File"));
    tables->setObjectName(QStringLiteral("exportToDataBaseMenu"));
    tables->setToolTipsVisible(true);
    for (const auto& [caption, name] : {std::pair{"Paradox", "actionExportParadox"}, std::pair{"Dbase", "actionExportDbase"}}) {
        QAction* action = tables->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);
        action->setToolTip(kTablesLater);
    }
}

void ExportDataWindow::openTextView() {
    m_views->setCurrentIndex(0);
    if (m_text->openView()) m_views->setCurrentWidget(m_text);
}

void ExportDataWindow::showEvent(QShowEvent* event) {
    m_views->setCurrentIndex(0);
    AppWindow::showEvent(event);
}

// Leaving the window ends a line-by-line run as Return does.
void ExportDataWindow::hideEvent(QHideEvent* event) {
    m_text->leave();
    AppWindow::hideEvent(event);
}

AppWindow* makeExportDataWindow(Session& session, Navigator& navigator) { return new ExportDataWindow(session, navigator); }

}  // namespace vn
