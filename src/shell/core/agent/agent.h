#pragma once

#include "platform/help_agent.h"
#include "shell/core/agent/agent_stage.h"

#include <QSize>
#include <deque>
#include <functional>

namespace vn {

// What the agent asks of the rest of the program; unset hooks mean "no phrase", "not editing".
struct AgentHooks {
    std::function<QString(const QString& key)> phrase;  // a control's help phrase, empty when none
    std::function<bool()> phraseEditing;                 // administrators write phrases instead
    std::function<void(const QString& key)> editPhrase;  // shows the phrase editor for the key
    std::function<QString()> helpContext;                // the number of the window shown last
    int keyLimit = 60;                                    // longest phrase key the table holds
};

// The help character as the main window owns it: loaded with one character at a time, placed
// beside what the user asked about, and fed requests that it performs in order.
class Agent final : public HelpAgent {
public:
    Agent(AgentStage& stage, QSize screen, AgentHooks hooks = {});

    // The state the set-up panel and the askers read and change.
    bool helpOn = false;      // "AgentHelp"
    int number = 0;           // "AgentNumber": 0 none, 1 to 4
    bool installed = false;
    bool shown = false;
    QString speechText;
    QPoint speakingPoint;
    QString clickedControl;   // the object name of the control whose help was asked for

    // True: the characters are drawn by the program itself.
    bool AgentAvailable();
    void LoadAgent(int character);
    void GreetAgent(int character);
    void PlaceAgent(QPoint windowPoint);
    void SpeakAgent();
    void ControlHelp();
    void SpeakPhrase();
    void CloseAgent();
    // The deferred start: the chosen character loaded, not shown, no greeting.
    void start(bool helpSetting, int numberSetting);

    // A right click on a control: remembered, placed, helped, when help is on.
    void askControlHelp(const QString& controlName, QPoint windowPoint) override;
    QString phraseKey() const;
    bool loaded() const { return m_loaded != 0; }
    int loadedCharacter() const { return m_loaded; }

    // The stage finished the request under way.
    void requestDone();

    // HelpAgent
    bool enabled() const override;
    void speak(const QString& text, QPoint screenPoint) override;
    void hide() override { CloseAgent(); }

private:
    void enqueue(AgentRequest request);
    void performNext();
    void play(const char* animation);
    bool phraseEditable() const;
    bool takePhrase();

    AgentStage& m_stage;
    QSize m_screen;
    AgentHooks m_hooks;
    int m_loaded = 0;  // the character the control holds; 0: no control
    std::deque<AgentRequest> m_queue;
    bool m_busy = false;
};

}  // namespace vn
