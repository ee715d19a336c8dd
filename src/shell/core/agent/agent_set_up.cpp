#include "shell/core/agent/agent_set_up.h"

#include "shell/core/agent/agent.h"
#include "shell/core/agent/agent_characters.h"
#include "store/access/record_access.h"
#include "store/settings/settings_slots.h"

#include <QHash>

namespace vn {

namespace {

const QHash<QString, QString>& demonstrationTexts() {
    static const QHash<QString, QString> texts = {
        {QStringLiteral("agentsPanelButton"),
         QStringLiteral("This is the Return button.  Clicking this button will return you to Grovanta's main menu image "
                        "screen.")},
        {QStringLiteral("showAgentButton"),
         QStringLiteral("Clicking this button will bring me out of hiding and, well, let me give you the message you are "
                        "now reading.  Calling me up to tell you how to call me up?  Weird huh?")},
        {QStringLiteral("closeAgentButton"),
         QStringLiteral("This button will hide me.  That's ok for those other guys, they should be hidden, but I am too "
                        "cute for that!")},
        {QStringLiteral("agentEnabledRadio"),
         QStringLiteral("Clicking this radio button will turn me on.  But you have already done that in the past or I "
                        "would not be here talking to you now!")},
        {QStringLiteral("agentDisabledRadio"),
         QStringLiteral("Clicking this radio button will turn me off until you click the radio button above some day and "
                        "turn me back on.  I hope it won't be too long!")},
        {QStringLiteral("demoLabel"),
         QStringLiteral("You have clicked a label.  A label usually describes an edit box such as an age or grade Field.  "
                        "My help would tell you what would be valid input for the box and if an input is required.")},
        {QStringLiteral("demoButton"),
         QStringLiteral("You have clicked a button.  Buttons are used to start some process such as printing or backup.  "
                        "My help would tell you what the process does, anything you should have done first and any "
                        "cautions.")},
        {QStringLiteral("demoList"),
         QStringLiteral("You have clicked a listbox.  List boxes are used to select one or more items out of a fixed set "
                        "of values.  My help would tell you what the selected value would do and how many you could "
                        "select.")},
        {QStringLiteral("demoRadio"),
         QStringLiteral("You have clicked a Radio Button.  Radio buttons are usually in groups.  You can only have one "
                        "button clicked or selected at a time.  My help would tell you what selecting a perticular radio "
                        "button would do.")},
        {QStringLiteral("demoCheck"),
         QStringLiteral("You have clicked a Check box.  Check boxes are usually in groups.  You can click or select as "
                        "many check boxes as you want. My help would tell you what the results of clicking an "
                        "individual check box would be.")},
    };
    return texts;
}

// The character choices are named "<name>Radio" in lower case: "peedyRadio" ... "genieRadio".
int characterOfControl(const QString& control) {
    for (int n = 1; n <= agent_characters::kCount; ++n)
        if (control == agent_characters::name(n).toLower() + QStringLiteral("Radio")) return n;
    return 0;
}

}  // namespace

AgentSetUp::AgentSetUp(Agent& agent, RecordAccess& access) : m_agent(agent), m_access(access) {}

AgentPanelState AgentSetUp::open() {
    AgentPanelState s;
    const bool installed = m_agent.AgentAvailable();
    s.introVisible = installed;
    s.missingNoteVisible = !installed;
    s.statusGroupVisible = installed;
    if (installed) {
        s.enabledChecked = m_agent.helpOn;
        s.disabledChecked = !m_agent.helpOn;
        s.selectGroupVisible = m_agent.helpOn;
        if (m_agent.helpOn && agent_characters::isCharacter(m_agent.number)) s.checkedCharacter = m_agent.number;
    }
    s.closeEnabled = m_agent.shown;
    s.showEnabled = !m_agent.shown;
    m_state = s;
    return m_state;
}

void AgentSetUp::chooseStatus(bool enabled) {
    m_agent.helpOn = enabled;
    m_state.enabledChecked = enabled;
    m_state.disabledChecked = !enabled;
    m_state.selectGroupVisible = enabled;
    writeSetting("AgentHelp", enabled ? QStringLiteral("True") : QStringLiteral("False"));
}

void AgentSetUp::chooseCharacter(int character) {
    if (!agent_characters::isCharacter(character)) return;
    m_agent.CloseAgent();
    m_agent.number = character;
    m_state.checkedCharacter = character;
    greet();
    writeSetting("AgentNumber", QString::number(character));
}

void AgentSetUp::showAgent() {
    greet();
}

void AgentSetUp::greet() {
    m_agent.LoadAgent(m_agent.number);
    m_agent.GreetAgent(m_agent.number);
    m_agent.shown = true;
    m_state.closeEnabled = true;
    m_state.showEnabled = false;
}

void AgentSetUp::closeAgent() {
    m_agent.CloseAgent();
    m_state.closeEnabled = false;
    m_state.showEnabled = true;
}

void AgentSetUp::explain(const QString& control, QPoint windowPoint) {
    if (!m_agent.enabled()) return;
    const QString text = explanation(control, m_agent.number);
    if (text.isEmpty()) return;
    m_agent.LoadAgent(m_agent.number);
    m_agent.speechText = text;
    m_agent.PlaceAgent(windowPoint);
    m_agent.SpeakAgent();
    if (control != QStringLiteral("demoButton")) m_state.closeEnabled = true;
}

QString AgentSetUp::explanation(const QString& control, int speaking) {
    if (const int pressed = characterOfControl(control)) return agent_characters::choiceRemark(pressed, speaking);
    return demonstrationTexts().value(control);
}

void AgentSetUp::writeSetting(const char* name, const QString& value) {
    if (!m_access.FindRecord(kParmSlot, QString::fromLatin1(name))) return;
    m_access.SetFieldText(kParmSlot, kParmValue, value);
}

}  // namespace vn
