#include "shell/ui/agent/agent_host.h"

#include "platform/voice/voice.h"
#include "shell/core/agent/phrase_editing.h"
#include "shell/core/agent/session_agent_hooks.h"
#include "shell/core/session.h"
#include "shell/ui/agent/agent_window.h"
#include "shell/ui/agent/phrase_editor_dialog.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

namespace vn {

namespace {

QSize screenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

AgentHost::AgentHost(Session& session, std::unique_ptr<Voice> voice)
    : m_session(session), m_voice(std::move(voice)), m_window(std::make_unique<AgentWindow>(*m_voice)),
      m_agent(std::make_unique<Agent>(*m_window, screenSize(),
                                      sessionAgentHooks(session, [this](const QString& key) { editPhrase(key); }))) {
    m_window->setRequestDone([this] { m_agent->requestDone(); });
    m_window->setHideRequested([this] { m_agent->hide(); });
    m_agent->AgentAvailable();
}

AgentHost::~AgentHost() = default;

void AgentHost::editPhrase(const QString& key) {
    if (!m_editor) {
        m_editing = std::make_unique<PhraseEditing>(m_session.access, *m_agent);
        m_editor = std::make_unique<PhraseEditorDialog>(*m_editing, m_session.prompter);
        QObject::connect(m_editor.get(), &PhraseEditorDialog::saved, m_editor.get(), [this] { markHelpAvailable(); });
    }
    m_askedIn = QApplication::activeWindow();
    if (m_askedIn) {
        m_editor->adjustSize();
        m_editor->move(m_askedIn->frameGeometry().center() - m_editor->rect().center());
    }
    m_editor->edit(key);
}

// The control now has a phrase: its hint says so.
void AgentHost::markHelpAvailable() {
    if (!m_askedIn) return;
    const QString name = m_agent->clickedControl;
    const QString hint = QStringLiteral("Help Available");
    if (auto* control = m_askedIn->findChild<QWidget*>(name)) control->setToolTip(hint);
    else if (auto* action = m_askedIn->findChild<QAction*>(name)) action->setToolTip(hint);
}

}  // namespace vn
