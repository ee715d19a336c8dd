#pragma once

#include "shell/core/agent/agent.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace vn {

class AgentWindow;
class PhraseEditing;
class PhraseEditorDialog;
class Session;
class Voice;

// The help character of a run: its voice, its window, the agent that drives them and the phrase
// editor that asking opens while phrases are being written.
class AgentHost {
public:
    AgentHost(Session& session, std::unique_ptr<Voice> voice);
    ~AgentHost();

    Agent& agent() { return *m_agent; }
    AgentWindow& window() { return *m_window; }
    Voice& voice() { return *m_voice; }
    // Made on the first phrase asked for; nothing before.
    PhraseEditorDialog* phraseEditor() const { return m_editor.get(); }

private:
    void editPhrase(const QString& key);
    void markHelpAvailable();

    Session& m_session;
    std::unique_ptr<Voice> m_voice;
    std::unique_ptr<AgentWindow> m_window;
    std::unique_ptr<Agent> m_agent;
    std::unique_ptr<PhraseEditing> m_editing;
    std::unique_ptr<PhraseEditorDialog> m_editor;
    QPointer<QWidget> m_askedIn;  // the window whose control is being given a phrase
};

}  // namespace vn
