#pragma once

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QTextEdit;

namespace vn {

class Agent;
class AgentPanel;
class GotoMenu;
class Navigator;
class Session;
class ShellView;
class Voice;

// Window 1, the hub: the menus, the four panels over the background picture, the refusal of any
// close but Goto, Exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, Navigator& navigator, ShellView& view, QWidget* parent = nullptr);

    void setPanelVisible(int panel, bool visible);
    void setMenusEnabled(bool enabled);
    void setWhatsNewText(const QString& text);
    void setBackgroundPicture(const QString& path);
    // The help character: its set-up panel, and right-click help on the menus and panels.
    void attachAgent(Agent& agent, const Voice& voice);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    QFrame* addPanel(int panel, const char* objectName, const QString& caption, const QString& button);
    void showWebOverview();
    void updateDisk();
    void openAddress(const QString& address);
    void updateDocumentation();

    Session& m_session;
    Navigator& m_navigator;
    ShellView& m_view;
    QLabel* m_background = nullptr;
    QFrame* m_panels[5] = {};
    QTextEdit* m_whatsNew = nullptr;
    QTextEdit* m_overview = nullptr;
    GotoMenu* m_goto = nullptr;
    QAction* m_agentSetUp = nullptr;  // enabled, as the Goto entries, once the deferred start has run
    AgentPanel* m_agentPanel = nullptr;
    bool m_shown = false;
};

}  // namespace vn
