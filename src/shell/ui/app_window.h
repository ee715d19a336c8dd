#pragma once

#include <QMainWindow>

namespace vn {

class GotoMenu;
class Navigator;
class Session;

// The size of a window that shows a list page beside its panels: it fits a 1280 x 800 screen at
// 100 % scale, the desktop's panel and the window's title bar included.
inline constexpr QSize kPageWindowSize{1272, 720};

// A numbered application window: its caption and the "Goto" menu. The windows whose work comes
// later show just that; they gain their views in their own code.
class AppWindow : public QMainWindow {
    Q_OBJECT
public:
    AppWindow(Session& session, Navigator& navigator, int number, const char* objectName, const char* function,
              QWidget* parent = nullptr);
    int number() const { return m_number; }
    void refreshCaption();
    // Asks the Goto menu's rules again, after the window changed the current list.
    void refreshGotoMenu();

protected:
    // The window's caption: state, office, product and the window's function.
    virtual QString captionText() const;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Session& m_session;
    Navigator& m_navigator;
    int m_number;
    const char* m_function;
    GotoMenu* m_goto = nullptr;
};

}  // namespace vn
