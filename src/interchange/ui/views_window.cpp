#include "interchange/ui/views_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace vn {

ViewsWindow::ViewsWindow(Session& session, Navigator& navigator, int number, const char* objectName,
                         const char* function, QWidget* parent)
    : AppWindow(session, navigator, number, objectName, function, parent) {
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QString::fromLatin1(objectName).replace(QStringLiteral("Window"), QStringLiteral("Views")));
    auto* empty = new QLabel(m_views);
    empty->setObjectName(QStringLiteral("noView"));
    m_views->addWidget(empty);
    setCentralWidget(m_views);
    resize(kPageWindowSize);
}

void ViewsWindow::addView(QWidget* view) { m_views->addWidget(view); }

void ViewsWindow::addViewEntry(const QString& caption, const char* name, QWidget* view, std::function<bool()> open) {
    QAction* action = menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, view, open = std::move(open)] { showView(view, open); });
}

QAction* ViewsWindow::addViewEntry(QMenu* menu, const QString& caption, const char* name, QWidget* view,
                                   std::function<bool()> open) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, view, open = std::move(open)] { showView(view, open); });
    return action;
}

QMenu* ViewsWindow::addViewMenu(QMenu* parentMenu, const QString& title, const char* name) {
    QMenu* menu = parentMenu ? parentMenu->addMenu(title) : menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void ViewsWindow::showView(QWidget* view, const std::function<bool()>& open) {
    showNoView();
    if (open()) m_views->setCurrentWidget(view);
}

void ViewsWindow::addWaitingMenu(const QString& title, const char* name, MenuEntries entries, const QString& toolTip) {
    QMenu* menu = addViewMenu(nullptr, title, name);
    menu->setToolTipsVisible(true);
    for (const auto& [caption, objectName] : entries) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(objectName));
        action->setEnabled(false);
        action->setToolTip(toolTip);
    }
}

void ViewsWindow::showNoView() { m_views->setCurrentIndex(0); }

// The current list may have changed while the window was hidden.
void ViewsWindow::showEvent(QShowEvent* event) {
    showNoView();
    AppWindow::showEvent(event);
}

}  // namespace vn
