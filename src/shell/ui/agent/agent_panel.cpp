#include "shell/ui/agent/agent_panel.h"

#include "platform/voice/voice.h"
#include "shell/core/agent/agent_characters.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vn {

namespace {

const char* const kHints =
    "The displayed agent can be moved by left clicking on it and dragging it to a new location.\n\n"
    "It can be put away by right clicking on it and choosing its 'Hide' item.\n\n"
    "A hidden agent comes back by itself the next time you right click an item with agent help.\n\n"
    "'Close Agent' does not just hide the agent but closes it down.  The system re-opens it whenever an item with "
    "agent help is right clicked.\n\n"
    "The 'Disable' choice closes the agent until the help agent is enabled again.";

template <typename W>
W* named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

AgentPanel::AgentPanel(Agent& agent, RecordAccess& access, const Voice& voice, QWidget* parent)
    : QWidget(parent), m_setUp(agent, access) {
    setObjectName(QStringLiteral("agentSetUp"));
    auto* layout = new QGridLayout(this);
    m_intro = named(note(QStringLiteral("Help Agents are on screen characters that can be displayed during the process of "
                                        "displaying help dialog.  The help dialog can be either shown on the screen, "
                                        "spoken, or both."), this), "agentIntroText");
    m_missing = named(note(QStringLiteral("Note: The help agent characters can not be shown on this system.  Please "
                                          "contact your state supporter if you need assistence."), this), "agentMissingText");
    layout->addWidget(m_intro, 0, 0, 1, 2);
    layout->addWidget(m_missing, 1, 0, 1, 2);
    if (!voice.available())
        layout->addWidget(named(note(QStringLiteral("Note: No voice or sound device was found.  The help agent will show "
                                                    "its help in a balloon without speaking."), this), "agentNoVoiceText"),
                          2, 0, 1, 2);
    layout->addWidget(note(QStringLiteral("Note: the various items on this screen have help associated with them."), this), 3, 0, 1, 2);
    layout->addWidget(note(QStringLiteral("Note: None of the examples on this page will work if the help Agent has not been "
                                          "enabled and an Agent has been selected."), this), 4, 0, 1, 2);
    layout->addWidget(buildCharacters(), 5, 0);
    layout->addWidget(buildStatus(), 5, 1);
    layout->addWidget(buildDemonstration(), 6, 0);
    layout->addWidget(buildHints(), 6, 1);
}

QWidget* AgentPanel::buildCharacters() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    m_select = named(new QGroupBox(QStringLiteral("Select An Agent..."), box), "selectAgentGroup");
    auto* choices = new QVBoxLayout(m_select);
    for (int n = 1; n <= agent_characters::kCount; ++n) {
        auto* radio = new QRadioButton(agent_characters::name(n), m_select);
        radio->setObjectName(agent_characters::name(n).toLower() + QStringLiteral("Radio"));
        connect(radio, &QRadioButton::clicked, this, [this, n] { m_setUp.chooseCharacter(n); render(); });
        explainOnRightClick(radio);
        choices->addWidget(radio);
        m_characters[n - 1] = radio;
    }
    m_close = named(new QPushButton(QStringLiteral("Close Agent"), box), "closeAgentButton");
    connect(m_close, &QPushButton::clicked, this, [this] { m_setUp.closeAgent(); render(); });
    explainOnRightClick(m_close);
    layout->addWidget(m_select);
    layout->addWidget(m_close);
    return box;
}

QWidget* AgentPanel::buildStatus() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    m_status = named(new QGroupBox(QStringLiteral("Help Agent Status..."), box), "agentStatusGroup");
    auto* choices = new QVBoxLayout(m_status);
    m_enabled = named(new QRadioButton(QStringLiteral("Enabled - Yes, I want to use one."), m_status), "agentEnabledRadio");
    m_disabled = named(new QRadioButton(QStringLiteral("Disabled - No, turn them off."), m_status), "agentDisabledRadio");
    for (QRadioButton* radio : {m_enabled, m_disabled}) {
        connect(radio, &QRadioButton::clicked, this, [this] { m_setUp.chooseStatus(m_enabled->isChecked()); render(); });
        explainOnRightClick(radio);
        choices->addWidget(radio);
    }
    m_show = named(new QPushButton(QStringLiteral("Show Agent"), box), "showAgentButton");
    connect(m_show, &QPushButton::clicked, this, [this] { m_setUp.showAgent(); render(); });
    explainOnRightClick(m_show);
    layout->addWidget(m_status);
    layout->addWidget(m_show);
    return box;
}

QWidget* AgentPanel::buildDemonstration() {
    auto* group = named(new QGroupBox(QStringLiteral("How to use Agents..."), this), "howToUseGroup");
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(note(QStringLiteral("The help agent can be displayed along the help information by RIGHT clicking on "
                                          "any of the following:"), group));
    layout->addWidget(new QLabel(QStringLiteral("Try these !"), group));
    auto* label = named(new QLabel(QStringLiteral("An Underlined Label"), group), "demoLabel");
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    auto* list = named(new QListWidget(group), "demoList");
    list->addItems({QStringLiteral("A List box"), QString(), QStringLiteral("Line 3"), QStringLiteral("Line4")});
    list->setAccessibleName(QStringLiteral("A List box"));
    list->setMaximumHeight(80);
    const QList<QWidget*> demos = {label, named(new QPushButton(QStringLiteral("A Button"), group), "demoButton"), list,
                                   named(new QRadioButton(QStringLiteral("A Radio Button"), group), "demoRadio"),
                                   named(new QCheckBox(QStringLiteral("A Check Box"), group), "demoCheck")};
    for (QWidget* demo : demos) {
        explainOnRightClick(demo);
        layout->addWidget(demo);
    }
    return group;
}

QWidget* AgentPanel::buildHints() {
    auto* group = named(new QGroupBox(QStringLiteral("Agent Control Hints..."), this), "agentHintsGroup");
    auto* hints = named(new QTextEdit(group), "agentHintsText");
    hints->setReadOnly(true);
    hints->setPlainText(QString::fromLatin1(kHints));
    hints->setAccessibleName(QStringLiteral("Agent Control Hints"));
    (new QVBoxLayout(group))->addWidget(hints);
    return group;
}

void AgentPanel::explainOnRightClick(QWidget* control) {
    control->installEventFilter(this);
    if (auto* list = qobject_cast<QListWidget*>(control)) list->viewport()->installEventFilter(this);
}

bool AgentPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* control = widget->objectName().isEmpty() ? widget->parentWidget() : widget;  // a list's viewport
    m_setUp.explain(control->objectName(), widget->mapToGlobal(press->position().toPoint()));
    render();
    return true;
}

void AgentPanel::open() {
    m_setUp.open();
    render();
}

void AgentPanel::render() {
    const AgentPanelState& s = m_setUp.state();
    m_intro->setVisible(s.introVisible);
    m_missing->setVisible(s.missingNoteVisible);
    m_status->setVisible(s.statusGroupVisible);
    m_show->setVisible(s.statusGroupVisible);
    m_select->setVisible(s.selectGroupVisible);
    m_close->setVisible(s.statusGroupVisible);
    m_enabled->setChecked(s.enabledChecked);
    m_disabled->setChecked(s.disabledChecked);
    for (int n = 1; n <= agent_characters::kCount; ++n) {
        QRadioButton* radio = m_characters[n - 1];
        radio->setAutoExclusive(false);  // none checked is a state the panel can show
        radio->setChecked(s.checkedCharacter == n);
        radio->setAutoExclusive(true);
    }
    m_close->setEnabled(s.closeEnabled);
    m_show->setEnabled(s.showEnabled);
}

}  // namespace vn
