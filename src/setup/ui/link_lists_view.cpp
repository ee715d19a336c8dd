#include "setup/ui/link_lists_view.h"

#include "platform/ui/busy_cursor.h"
#include "setup/links/link_lists.h"
#include "setup/links/match_text.h"
#include "setup/ui/choice_buttons.h"
#include "setup/ui/choice_list.h"
#include "setup/ui/control_names.h"
#include "setup/ui/guarded_step.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

namespace vn {

namespace {

const char* const kExplanations[] = {
    "Link Lists:  This process will compare each member of the primary list to all members in each of the "
    "secondary lists.",
    "Matches based upon the Match Condition selected will create a link between the primary list record key and "
    "the record key of the match in seconday list currently being tested.",
    "Any or all (one at a time) lists can be selected as the primary list and a linked list can be build based on "
    "the match conditions and the selected secondary lists.",
    "A very common use of the linked list data is the ability to change the header fields in one list and have "
    "that change automatically processed on all linked (matching records) in all other lists.",
    "Note: Spaces, casing, and punctuation will be ignored.",
};

const QList<const char*> kConditionButtons = {"nameConditionRadio", "phoneConditionRadio", "addressConditionRadio",
                                              "cityConditionRadio"};

int gaugeNumber(qint64 n) { return int(qMin<qint64>(n, INT_MAX)); }

ChoiceList* listIn(QGroupBox* group, const char* objectName) {
    auto* list = new ChoiceList(group);
    nameControl(list, objectName, group->title());
    (new QVBoxLayout(group))->addWidget(list);
    return list;
}

}  // namespace

LinkListsView::LinkListsView(LinkLists& links, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_links(links), m_prompter(prompter) {
    setObjectName(QStringLiteral("linkListsView"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Link Lists..."), this);
    title->setObjectName(QStringLiteral("linkListsTitleLabel"));
    layout->addWidget(title);
    layout->addWidget(buildExplanations());
    layout->addWidget(buildLists(), 1);
    layout->addWidget(buildActions());
    connectSteps();
    render();
}

void LinkListsView::open() { act([this] { m_links.open(); }); }

QWidget* LinkListsView::buildExplanations() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    int n = 0;
    for (const char* text : kExplanations) {
        auto* label = new QLabel(QString::fromLatin1(text), box);
        label->setObjectName(QStringLiteral("explanation%1Label").arg(++n));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    return box;
}

QWidget* LinkListsView::buildLists() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    auto* primaryGroup = new QGroupBox(QStringLiteral("Select Primary List..."), box);
    primaryGroup->setObjectName(QStringLiteral("primaryListGroup"));
    m_primary = listIn(primaryGroup, "primaryList");
    m_secondaryGroup = new QGroupBox(QStringLiteral("Select Secondary List(s)..."), box);
    m_secondaryGroup->setObjectName(QStringLiteral("secondaryListGroup"));
    m_secondary = listIn(m_secondaryGroup, "secondaryList");
    auto* choose = new QHBoxLayout;
    m_none = new QPushButton(QStringLiteral("None"), m_secondaryGroup);
    m_none->setObjectName(QStringLiteral("selectNoneButton"));
    m_all = new QPushButton(QStringLiteral("All"), m_secondaryGroup);
    m_all->setObjectName(QStringLiteral("selectAllButton"));
    choose->addWidget(m_none);
    choose->addWidget(m_all);
    static_cast<QVBoxLayout*>(m_secondaryGroup->layout())->addLayout(choose);
    auto* conditionGroup = new QGroupBox(QStringLiteral("Match Conditions..."), box);
    conditionGroup->setObjectName(QStringLiteral("matchConditionGroup"));
    m_conditions = addChoiceButtons(conditionGroup, kConditionButtons);
    const QStringList captions = matchConditionCaptions();
    for (int id = 1; id <= captions.size(); ++id) m_conditions->button(id)->setText(captions.at(id - 1));
    for (QGroupBox* group : {primaryGroup, m_secondaryGroup, conditionGroup}) layout->addWidget(group, 1);
    return box;
}

QPushButton* LinkListsView::addButton(const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QWidget* LinkListsView::buildActions() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    m_process = addButton(QStringLiteral("Process"), "processButton");
    m_clear = addButton(QStringLiteral("Clear current links for selected list"), "clearLinksButton");
    auto* gaugeCaption = new QLabel(QStringLiteral("Progress..."), box);
    gaugeCaption->setObjectName(QStringLiteral("progressCaptionLabel"));
    m_gauge = new QProgressBar(box);
    nameControl(m_gauge, "progressGauge", gaugeCaption->text());
    gaugeCaption->setBuddy(m_gauge);
    m_return = addButton(QStringLiteral("Return"), "returnButton");
    for (QWidget* w : {static_cast<QWidget*>(m_process), static_cast<QWidget*>(m_clear),
                       static_cast<QWidget*>(gaugeCaption), static_cast<QWidget*>(m_gauge),
                       static_cast<QWidget*>(m_return)})
        layout->addWidget(w);
    return box;
}

void LinkListsView::connectSteps() {
    connect(m_primary, &ChoiceList::chosen, this, [this](int row) { act([this, row] { m_links.choosePrimary(row); }); });
    connect(m_secondary, &ChoiceList::chosen, this,
            [this](int row) { act([this, row] { m_links.toggleSecondary(row); }); });
    connect(m_none, &QPushButton::clicked, this, [this] { act([this] { m_links.selectNone(); }); });
    connect(m_all, &QPushButton::clicked, this, [this] { act([this] { m_links.selectAll(); }); });
    connect(m_conditions, &QButtonGroup::idClicked, this,
            [this](int id) { act([this, id] { m_links.chooseCondition(id); }); });
    connect(m_process, &QPushButton::clicked, this, &LinkListsView::process);
    connect(m_clear, &QPushButton::clicked, this, [this] { act([this] { m_links.clearLinks(); }); });
    connect(m_return, &QPushButton::clicked, this, &LinkListsView::closed);
}

template <typename Step>
void LinkListsView::act(Step&& step) {
    runGuarded(m_prompter, std::forward<Step>(step));
    render();
}

// The gauge moves in small steps while the window keeps painting; clicks wait for the end.
void LinkListsView::process() {
    BusyCursor busy;
    qint64 shown = -1;
    const auto step = [this, &shown](qint64 done, qint64 total) {
        if (done != total && done - shown < qMax<qint64>(1, total / 200)) return;
        shown = done;
        m_gauge->setMaximum(gaugeNumber(total));
        m_gauge->setValue(gaugeNumber(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    act([this, &step] { m_links.process(step); });
}

void LinkListsView::render() {
    const LinkScreen& s = m_links.screen();
    m_primary->setEntries(s.primaryEntries);
    if (s.primary >= 0) m_primary->setCurrentRow(s.primary);
    m_secondaryGroup->setVisible(s.secondaryShown);
    renderSecondary();
    checkChoice(m_conditions, s.condition);
    m_none->setEnabled(s.noneEnabled);
    m_all->setEnabled(s.allEnabled);
    m_process->setEnabled(s.processEnabled);
    m_clear->setEnabled(s.clearEnabled);
    m_gauge->setMaximum(gaugeNumber(qMax<qint64>(1, s.gaugeMaximum)));
    m_gauge->setValue(gaugeNumber(s.gaugeValue));
}

// Chosen entries carry a check mark; only the list's own click toggles them.
void LinkListsView::renderSecondary() {
    const LinkScreen& s = m_links.screen();
    m_secondary->setEntries(s.secondaryEntries);
    for (int row = 0; row < m_secondary->count(); ++row) {
        QListWidgetItem* item = m_secondary->item(row);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(s.secondarySelected.value(row) ? Qt::Checked : Qt::Unchecked);
    }
}

}  // namespace vn
