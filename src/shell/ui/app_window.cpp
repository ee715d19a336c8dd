#include "shell/ui/app_window.h"

#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/goto_menu.h"
#include "shell/ui/window_captions.h"

#include <QCloseEvent>
#include <QLabel>

namespace vn {

AppWindow::AppWindow(Session& session, Navigator& navigator, int number, const char* objectName, const char* function,
                     QWidget* parent)
    : QMainWindow(parent), m_session(session), m_navigator(navigator), m_number(number), m_function(function) {
    setObjectName(QString::fromLatin1(objectName));
    m_goto = new GotoMenu(*this, navigator, session, number);
    auto* label = new QLabel(QString::fromLatin1(function), this);
    label->setObjectName(QStringLiteral("functionLabel"));
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(1000, 700);
    refreshCaption();
}

QString AppWindow::captionText() const {
    return windowCaption(m_session.identity.stateName, m_session.identity.installationName, m_function);
}

void AppWindow::refreshCaption() { setWindowTitle(captionText()); }

void AppWindow::refreshGotoMenu() { m_goto->refresh(); }

void AppWindow::showEvent(QShowEvent* event) {
    refreshCaption();
    QMainWindow::showEvent(event);
}

// Closing a working window leads back to the main window; the program ends only through Exit.
void AppWindow::closeEvent(QCloseEvent* event) {
    if (m_session.exitFlag) {
        event->accept();
        return;
    }
    event->ignore();
    m_navigator.gotoMain(m_number);
}

}  // namespace vn
