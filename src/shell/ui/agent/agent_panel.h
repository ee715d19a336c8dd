#pragma once

#include "shell/core/agent/agent_set_up.h"

#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vn {

class Agent;
class RecordAccess;
class Voice;

// The contents of the main window's agent set-up panel: the character and the switch, with
// controls to try right-click help on.
class AgentPanel final : public QWidget {
    Q_OBJECT
public:
    AgentPanel(Agent& agent, RecordAccess& access, const Voice& voice, QWidget* parent = nullptr);

    // The panel is being shown.
    void open();
    // A control of the panel that explains itself on a right click (the panel's "Return" too).
    void explainOnRightClick(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStatus();
    QWidget* buildCharacters();
    QWidget* buildDemonstration();
    QWidget* buildHints();
    void render();

    AgentSetUp m_setUp;
    QLabel* m_intro = nullptr;
    QLabel* m_missing = nullptr;
    QGroupBox* m_status = nullptr;
    QGroupBox* m_select = nullptr;
    QRadioButton* m_enabled = nullptr;
    QRadioButton* m_disabled = nullptr;
    QRadioButton* m_characters[4] = {};
    QPushButton* m_close = nullptr;
    QPushButton* m_show = nullptr;
};

}  // namespace vn
