#include "setup/ui/parameter_view.h"

#include "setup/parameter_editor.h"
#include "setup/ui/choice_buttons.h"
#include "setup/ui/choice_list.h"
#include "setup/ui/control_names.h"
#include "setup/ui/guarded_step.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

struct Detail {
    const char* caption;
    const char* objectName;
    QString ParameterRow::*field;
};

const Detail kDetails[] = {
    {"Key:", "keyValueLabel", &ParameterRow::key},
    {"Setting:", "settingValueLabel", &ParameterRow::setting},
    {"Number of Options:", "optionCountValueLabel", &ParameterRow::optionCount},
    {"Maximum Value:", "maximumValueLabel", &ParameterRow::maximum},
    {"Minimum Value:", "minimumValueLabel", &ParameterRow::minimum},
    {"Date:", "dateValueLabel", &ParameterRow::date},
    {"Locked:", "lockedValueLabel", &ParameterRow::locked},
};

const QList<const char*> kOptionButtons = {"option1Radio", "option2Radio", "option3Radio", "option4Radio",
                                           "option5Radio", "option6Radio", "option7Radio", "option8Radio",
                                           "option9Radio", "option10Radio"};

QLineEdit* boxIn(QGroupBox* group, const char* objectName) {
    auto* edit = new QLineEdit(group);
    nameControl(edit, objectName, group->title());
    (new QVBoxLayout(group))->addWidget(edit);
    return edit;
}

}  // namespace

ParameterView::ParameterView(ParameterEditor& editor, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_prompter(prompter) {
    setObjectName(QStringLiteral("parameterView"));
    m_prompts = new ChoiceList(this);
    nameControl(m_prompts, "parameterList", QStringLiteral("Parameters"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_prompts, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDetails());
    right->addWidget(buildChanges());
    right->addStretch();
    layout->addLayout(right, 1);
    connectSteps();
    render();
}

void ParameterView::open() { act([this] { m_editor.load(); }); }

QWidget* ParameterView::buildDetails() {
    auto* details = new QWidget(this);
    auto* form = new QFormLayout(details);
    for (const Detail& d : kDetails) {
        auto* value = new QLabel(details);
        value->setObjectName(QString::fromLatin1(d.objectName));
        form->addRow(QString::fromLatin1(d.caption), value);
        m_details << value;
    }
    return details;
}

QWidget* ParameterView::buildChanges() {
    auto* changes = new QWidget(this);
    auto* layout = new QVBoxLayout(changes);
    m_optionsGroup = new QGroupBox(QStringLiteral("Options..."), changes);
    m_optionsGroup->setObjectName(QStringLiteral("optionsGroup"));
    m_options = addChoiceButtons(m_optionsGroup, kOptionButtons);
    m_newSettingGroup = new QGroupBox(QStringLiteral("New Setting..."), changes);
    m_newSettingGroup->setObjectName(QStringLiteral("newSettingGroup"));
    m_newSetting = boxIn(m_newSettingGroup, "newSettingEdit");
    auto* overrideGroup = new QGroupBox(QStringLiteral("Enter Lock Override Password..."), changes);
    overrideGroup->setObjectName(QStringLiteral("lockOverrideGroup"));
    m_override = boxIn(overrideGroup, "lockOverrideEdit");
    m_override->setEchoMode(QLineEdit::Password);
    auto* exit = new QPushButton(QStringLiteral("Exit"), changes);
    exit->setObjectName(QStringLiteral("parameterExitButton"));
    connect(exit, &QPushButton::clicked, this, &ParameterView::closed);
    for (QWidget* w : {static_cast<QWidget*>(m_optionsGroup), static_cast<QWidget*>(m_newSettingGroup),
                       static_cast<QWidget*>(overrideGroup), static_cast<QWidget*>(exit)})
        layout->addWidget(w);
    return changes;
}

void ParameterView::connectSteps() {
    connect(m_prompts, &ChoiceList::chosen, this, [this](int row) { act([this, row] { m_editor.choose(row); }); });
    connect(m_options, &QButtonGroup::idClicked, this,
            [this](int id) { act([this, id] { m_editor.chooseOption(id - 1); }); });
    connect(m_newSetting, &QLineEdit::editingFinished, this,
            [this] { act([this] { m_editor.leaveNewSetting(m_newSetting->text()); }); });
    connect(m_override, &QLineEdit::editingFinished, this,
            [this] { act([this] { m_editor.enterOverridePassword(m_override->text()); }); });
}

template <typename Step>
void ParameterView::act(Step&& step) {
    runGuarded(m_prompter, std::forward<Step>(step));
    render();
}

void ParameterView::render() {
    const ParameterScreen s = m_editor.screen();
    m_prompts->setEntries(s.prompts);
    if (s.current >= 0) m_prompts->setCurrentRow(s.current);
    renderDetails(s);
    renderOptions(s);
    m_newSettingGroup->setVisible(s.newSettingShown);
    if (m_newSetting->text() != s.newSettingText) m_newSetting->setText(s.newSettingText);
}

void ParameterView::renderDetails(const ParameterScreen& s) {
    for (int n = 0; n < m_details.size(); ++n) m_details[n]->setText(s.row.*kDetails[n].field);
}

void ParameterView::renderOptions(const ParameterScreen& s) {
    m_optionsGroup->setVisible(s.optionsShown);
    int checked = 0;
    for (int id = 1; id <= kOptionButtons.size(); ++id) {
        QAbstractButton* b = m_options->button(id);
        const bool used = id <= s.row.options.size();
        b->setVisible(used);
        b->setText(used ? s.row.options.at(id - 1) : QString());
        if (used && s.row.options.at(id - 1) == s.row.setting) checked = id;
    }
    checkChoice(m_options, checked);
}

}  // namespace vn
