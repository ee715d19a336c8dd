#pragma once

#include <QObject>

class QMainWindow;
class QMenu;

namespace vn {

class Navigator;
class Session;

// The "Goto" menu every window carries: Exit, Main and the other windows. Which entries can be
// chosen follows the session's current list (and, in the main window, the deferred start); the
// menu asks again whenever its window is shown or the menu opens, and on refresh().
class GotoMenu : public QObject {
    Q_OBJECT
public:
    GotoMenu(QMainWindow& window, Navigator& navigator, const Session& session, int ownNumber);

    QMenu* menu() const { return m_menu; }
    void setStarted(bool started);
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Session& m_session;
    int m_number;
    bool m_started = true;
    QMenu* m_menu = nullptr;
};

}  // namespace vn
