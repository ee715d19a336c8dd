#include "shell/ui/application_windows.h"

#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/ui/app_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/window_captions.h"

#include <QApplication>
#include <QProgressDialog>

namespace vn {

ApplicationWindows::ApplicationWindows(Session& session, Navigator& navigator, const WindowFactories& factories)
    : m_session(session) {
    m_main = std::make_unique<MainWindow>(session, navigator, *this);
    for (const WindowCaption& w : applicationWindows()) {
        const WindowFactory make = factories.value(w.number);
        m_windows.insert(w.number, make ? make(session, navigator)
                                        : new AppWindow(session, navigator, w.number, w.objectName, w.function));
    }
}

ApplicationWindows::~ApplicationWindows() { qDeleteAll(m_windows); }

void ApplicationWindows::setWindowVisible(int window, bool visible) {
    QWidget* widget = window == MainWindowNo ? static_cast<QWidget*>(m_main.get()) : m_windows.value(window);
    if (!widget) return;
    widget->setVisible(visible);
    if (visible) {
        widget->raise();
        widget->activateWindow();
    }
}

void ApplicationWindows::setPanelVisible(int panel, bool visible) { m_main->setPanelVisible(panel, visible); }

void ApplicationWindows::setMainMenusEnabled(bool enabled) { m_main->setMenusEnabled(enabled); }

void ApplicationWindows::setTitle(const QString& title) {
    m_main->setWindowTitle(title);
    for (AppWindow* w : std::as_const(m_windows)) w->refreshCaption();
}

void ApplicationWindows::setWhatsNewText(const QString& text) { m_main->setWhatsNewText(text); }

void ApplicationWindows::setBackgroundPicture(const QString& path) { m_main->setBackgroundPicture(path); }

void ApplicationWindows::showSaveProgress(int maximum, int position) {
    if (!m_progress) {
        m_progress = std::make_unique<QProgressDialog>(QStringLiteral("Updating All Database Files..."), QString(), 0, 100);
        m_progress->setObjectName(QStringLiteral("progressWindow"));
        m_progress->setWindowTitle(QStringLiteral("Updating All Database Files..."));
        m_progress->setMinimumDuration(0);
        m_progress->setCancelButton(nullptr);
    }
    m_progress->setMaximum(maximum);
    m_progress->setValue(position);
    m_progress->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ApplicationWindows::hideSaveProgress() {
    if (m_progress) m_progress->hide();
}

void ApplicationWindows::setBusy(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void ApplicationWindows::quit() {
    m_session.exitFlag = true;
    m_main->close();
    for (AppWindow* w : std::as_const(m_windows)) w->close();
    QCoreApplication::quit();
}

}  // namespace vn
