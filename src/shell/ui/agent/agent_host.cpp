#include "shell/ui/agent/agent_host.h"

#include "platform/voice/voice.h"
#include "shell/core/agent/session_agent_hooks.h"
#include "shell/ui/agent/agent_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace vn {

namespace {

QSize screenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

AgentHost::AgentHost(Session& session, std::unique_ptr<Voice> voice, std::function<void(const QString& key)> editPhrase)
    : m_voice(std::move(voice)), m_window(std::make_unique<AgentWindow>(*m_voice)),
      m_agent(std::make_unique<Agent>(*m_window, screenSize(), sessionAgentHooks(session, std::move(editPhrase)))) {
    m_window->setRequestDone([this] { m_agent->requestDone(); });
    m_window->setHideRequested([this] { m_agent->hide(); });
    m_agent->AgentAvailable();
}

AgentHost::~AgentHost() = default;

}  // namespace vn
