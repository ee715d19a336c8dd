#include "shell/core/agent/agent.h"

#include "shell/core/agent/agent_characters.h"

namespace vn {

using Kind = AgentRequest::Kind;

Agent::Agent(AgentStage& stage, QSize screen, AgentHooks hooks)
    : m_stage(stage), m_screen(screen), m_hooks(std::move(hooks)) {}

bool Agent::AgentAvailable() {
    installed = true;
    return installed;
}

void Agent::LoadAgent(int character) {
    if (!installed || m_loaded != 0 || !agent_characters::isCharacter(character)) return;
    m_loaded = character;
    m_stage.load(character);
}

void Agent::GreetAgent(int character) {
    if (m_loaded == 0) return;
    speechText = agent_characters::greeting(character);
    enqueue({Kind::MoveTo, QPoint(m_screen.width() / 2, m_screen.height() / 2), {}});
    enqueue({Kind::Show, {}, {}});
    play("Greet");
    play("Explain");
    enqueue({Kind::Speak, {}, speechText});
    play("Pleased");
    play("Wave");
    play("RestPose");
}

void Agent::PlaceAgent(QPoint windowPoint) {
    const int w = m_screen.width(), h = m_screen.height();
    int x = windowPoint.x() + w / 4;
    if (x > w - w / 4) x = windowPoint.x() - w / 4;
    int y = windowPoint.y() + h / 3;
    if (y > h - h / 3) y = windowPoint.y() - h / 3;
    speakingPoint = QPoint(x, y);
}

void Agent::SpeakAgent() {
    if (m_loaded == 0) return;
    enqueue({Kind::MoveTo, speakingPoint, {}});
    enqueue({Kind::Show, {}, {}});
    enqueue({Kind::Speak, {}, speechText});
}

QString Agent::phraseKey() const {
    return (m_hooks.helpContext ? m_hooks.helpContext() : QString()) + clickedControl;
}

// A control without a name of its own would share the bare window number with every other.
bool Agent::phraseEditable() const {
    return !clickedControl.isEmpty() && phraseKey().size() <= m_hooks.keyLimit;
}

bool Agent::takePhrase() {
    if (!enabled() || clickedControl.isEmpty() || !m_hooks.phrase) return false;
    const QString phrase = m_hooks.phrase(phraseKey());
    if (phrase.isEmpty()) return false;
    speechText = phrase;
    return true;
}

void Agent::ControlHelp() {
    if (m_hooks.phraseEditing && m_hooks.phraseEditing() && phraseEditable()) {
        if (m_hooks.editPhrase) m_hooks.editPhrase(phraseKey());
        return;
    }
    SpeakPhrase();
}

void Agent::SpeakPhrase() {
    if (!takePhrase()) return;
    LoadAgent(number);
    SpeakAgent();
}

void Agent::CloseAgent() {
    m_queue.clear();
    m_busy = false;
    if (m_loaded != 0) m_stage.release();
    m_loaded = 0;
    shown = false;
}

void Agent::start(bool helpSetting, int numberSetting) {
    helpOn = helpSetting;
    if (!AgentAvailable() || !agent_characters::isCharacter(numberSetting)) return;
    number = numberSetting;
    CloseAgent();
    LoadAgent(number);
    shown = true;
}

void Agent::askControlHelp(const QString& controlName, QPoint windowPoint) {
    if (!enabled()) return;
    clickedControl = controlName;
    PlaceAgent(windowPoint);
    ControlHelp();
}

bool Agent::enabled() const { return helpOn && agent_characters::isCharacter(number); }

void Agent::speak(const QString& text, QPoint screenPoint) {
    if (!enabled()) return;
    LoadAgent(number);
    speechText = text;
    speakingPoint = screenPoint;
    SpeakAgent();
}

void Agent::enqueue(AgentRequest request) {
    m_queue.push_back(std::move(request));
    if (!m_busy) performNext();
}

void Agent::play(const char* animation) { enqueue({Kind::Play, {}, QString::fromLatin1(animation)}); }

void Agent::performNext() {
    if (m_queue.empty() || m_loaded == 0) {
        m_busy = false;
        return;
    }
    m_busy = true;
    const AgentRequest request = m_queue.front();
    m_queue.pop_front();
    m_stage.perform(request);
}

void Agent::requestDone() {
    if (!m_busy) return;
    m_busy = false;
    performNext();
}

}  // namespace vn
