#include "setup/ui/wizard_view.h"

#include "setup/setup_texts.h"
#include "setup/setup_wizard.h"
#include "setup/ui/choice_buttons.h"
#include "setup/ui/choice_list.h"
#include "setup/ui/control_names.h"
#include "setup/ui/guarded_step.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vn {

namespace {

QGroupBox* groupBox(const char* title, const char* objectName, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QPushButton* button(const char* caption, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    return b;
}

void setCaptions(QButtonGroup* group, const QStringList& captions) {
    for (int id = 1; id <= captions.size(); ++id)
        if (QAbstractButton* b = group->button(id)) b->setText(captions.at(id - 1));
}

ChoiceList* listIn(QGroupBox* box, const char* objectName) {
    auto* list = new ChoiceList(box);
    nameControl(list, objectName, box->title());
    (new QVBoxLayout(box))->addWidget(list);
    return list;
}

// A hidden list has no title; it keeps its last name.
void setTitle(QGroupBox* box, QWidget* control, const QString& title) {
    if (title.isEmpty()) return;
    box->setTitle(title);
    control->setAccessibleName(spokenCaption(title));
}

}  // namespace

WizardView::WizardView(SetupWizard& wizard, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_wizard(wizard), m_prompter(prompter) {
    setObjectName(QStringLiteral("wizardView"));
    auto* welcome = new QLabel(welcomeLines().join(QLatin1Char('\n')), this);
    welcome->setObjectName(QStringLiteral("welcomeLabel"));
    m_help = new QLabel(this);
    m_help->setObjectName(QStringLiteral("helpLabel"));
    m_help->setWordWrap(true);
    m_help->setFrameShape(QFrame::Panel);
    m_help->setMinimumHeight(60);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildChoices());
    columns->addWidget(buildLists(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(welcome);
    layout->addLayout(columns, 1);
    layout->addWidget(buildButtons());
    layout->addWidget(m_help);
    connectSteps();
    render();
}

void WizardView::open() { act([this] { m_wizard.open(); }); }

QWidget* WizardView::buildChoices() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    m_passwordGroup = groupBox("Enter Setup Password...", "setupPasswordGroup", column);
    m_password = new QLineEdit(m_passwordGroup);
    nameControl(m_password, "setupPasswordEdit", m_passwordGroup->title());
    m_password->setEchoMode(QLineEdit::Password);
    (new QVBoxLayout(m_passwordGroup))->addWidget(m_password);
    m_typeGroup = groupBox("Organization Type", "typeGroup", column);
    m_types = addChoiceButtons(m_typeGroup, {"educationalRadio", "governmentalRadio", "privateEnterpriseRadio"});
    setCaptions(m_types, {typeName(1), typeName(2), typeName(3)});
    m_levelGroup = groupBox("Select Operation Level", "levelGroup", column);
    m_levels = addChoiceButtons(m_levelGroup, {"level1Radio", "level2Radio", "level3Radio"});
    m_flowGroup = groupBox("Data Flow Method...", "flowGroup", column);
    m_flows = addChoiceButtons(m_flowGroup, {"flow1Radio", "flow2Radio"});
    for (QWidget* w : {static_cast<QWidget*>(m_passwordGroup), static_cast<QWidget*>(m_typeGroup),
                       static_cast<QWidget*>(m_levelGroup), static_cast<QWidget*>(m_flowGroup)})
        layout->addWidget(w);
    layout->addStretch();
    return column;
}

QWidget* WizardView::buildLists() {
    auto* lists = new QWidget(this);
    auto* layout = new QHBoxLayout(lists);
    m_listGroup = groupBox("Select Office/County Id...", "locationGroup", lists);
    m_list = listIn(m_listGroup, "locationList");
    m_selectedGroup = groupBox("Counties Selected (0)...", "selectedCountiesGroup", lists);
    m_selected = listIn(m_selectedGroup, "selectedCountiesList");
    layout->addWidget(m_listGroup);
    layout->addWidget(m_selectedGroup);
    return lists;
}

QWidget* WizardView::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    m_next = button("Next", "nextButton", row);
    m_save = button("Save Setup", "saveSetupButton", row);
    m_exit = button("Exit", "exitButton", row);
    layout->addStretch();
    for (QPushButton* b : {m_next, m_save, m_exit}) layout->addWidget(b);
    return row;
}

void WizardView::connectSteps() {
    const auto plain = [this](void (SetupWizard::*step)()) {
        return [this, step] { act([this, step] { (m_wizard.*step)(); }); };
    };
    const auto numbered = [this](void (SetupWizard::*step)(int)) {
        return [this, step](int n) { act([this, step, n] { (m_wizard.*step)(n); }); };
    };
    connect(m_password, &QLineEdit::editingFinished, this,
            [this] { act([this] { m_wizard.enterPassword(m_password->text()); }); });
    connect(m_types, &QButtonGroup::idClicked, this, numbered(&SetupWizard::chooseType));
    connect(m_levels, &QButtonGroup::idClicked, this, numbered(&SetupWizard::chooseLevel));
    connect(m_flows, &QButtonGroup::idClicked, this, numbered(&SetupWizard::chooseFlow));
    connect(m_list, &ChoiceList::chosen, this, numbered(&SetupWizard::chooseListEntry));
    connect(m_selected, &ChoiceList::chosen, this, numbered(&SetupWizard::unselectCounty));
    connect(m_next, &QPushButton::clicked, this, plain(&SetupWizard::next));
    connect(m_save, &QPushButton::clicked, this, plain(&SetupWizard::save));
    connect(m_exit, &QPushButton::clicked, this, [this] {
        emit closed();
        act([this] { m_wizard.exit(); });
    });
}

template <typename Step>
void WizardView::act(Step&& step) {
    runGuarded(m_prompter, std::forward<Step>(step));
    render();
}

void WizardView::render() {
    const WizardScreen s = m_wizard.screen();
    m_passwordGroup->setVisible(s.passwordShown);
    if (s.passwordEmptied) m_password->clear();
    m_typeGroup->setVisible(s.typeShown);
    m_levelGroup->setVisible(s.levelShown);
    m_flowGroup->setVisible(s.flowShown);
    checkChoice(m_types, s.type);
    setCaptions(m_levels, s.levelCaptions);
    checkChoice(m_levels, s.level);
    setCaptions(m_flows, s.flowCaptions);
    checkChoice(m_flows, s.flow);
    m_flows->button(1)->setEnabled(s.firstFlowEnabled);
    renderLists(s);
    m_next->setEnabled(s.nextEnabled);
    m_save->setEnabled(s.saveEnabled);
    m_help->setText(s.help);
    renderFocus(s);
}

void WizardView::renderLists(const WizardScreen& s) {
    m_listGroup->setVisible(s.listShown);
    setTitle(m_listGroup, m_list, s.listTitle);
    m_list->setEntries(s.listEntries);
    m_selectedGroup->setVisible(s.selectedShown);
    setTitle(m_selectedGroup, m_selected, s.selectedTitle);
    m_selected->setEntries(s.selectedEntries);
}

void WizardView::renderFocus(const WizardScreen& s) {
    if (s.focus == WizardFocus::Exit) m_exit->setFocus();
    // The box is just losing the focus; it takes it back once that has happened.
    else if (s.focus == WizardFocus::Password) QTimer::singleShot(0, m_password, [this] { m_password->setFocus(); });
}

}  // namespace vn
