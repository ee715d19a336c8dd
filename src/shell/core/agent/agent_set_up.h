#pragma once

#include <QPoint>
#include <QString>

namespace vn {

class Agent;
class RecordAccess;

// What the agent set-up panel shows.
struct AgentPanelState {
    bool introVisible = false;        // the text about on-screen characters
    bool missingNoteVisible = false;  // the note that the characters cannot be shown
    bool statusGroupVisible = false;  // "Help Agent Status..."
    bool selectGroupVisible = false;  // "Select An Agent..."
    bool enabledChecked = false;
    bool disabledChecked = false;
    int checkedCharacter = 0;
    bool closeEnabled = false;
    bool showEnabled = false;

    friend bool operator==(const AgentPanelState&, const AgentPanelState&) = default;
};

// The rules of the main window's agent set-up panel; the choices are written to the settings.
class AgentSetUp {
public:
    AgentSetUp(Agent& agent, RecordAccess& access);

    AgentPanelState open();
    const AgentPanelState& state() const { return m_state; }

    void chooseStatus(bool enabled);
    void chooseCharacter(int character);
    void showAgent();
    void closeAgent();
    // A right click on one of the panel's controls (by object name), at a point of the window.
    void explain(const QString& control, QPoint windowPoint);

    // The text spoken about a control of the panel while `speaking` is the character.
    static QString explanation(const QString& control, int speaking);

private:
    void writeSetting(const char* name, const QString& value);
    void greet();

    Agent& m_agent;
    RecordAccess& m_access;
    AgentPanelState m_state;
};

}  // namespace vn
