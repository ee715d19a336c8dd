#pragma once

#include "shell/core/agent/agent.h"

#include <memory>

namespace vn {

class AgentWindow;
class Session;
class Voice;

// The help character of a run: its voice, its window and the agent that drives them.
class AgentHost {
public:
    AgentHost(Session& session, std::unique_ptr<Voice> voice, std::function<void(const QString& key)> editPhrase = {});
    ~AgentHost();

    Agent& agent() { return *m_agent; }
    AgentWindow& window() { return *m_window; }
    Voice& voice() { return *m_voice; }

private:
    std::unique_ptr<Voice> m_voice;
    std::unique_ptr<AgentWindow> m_window;
    std::unique_ptr<Agent> m_agent;
};

}  // namespace vn
