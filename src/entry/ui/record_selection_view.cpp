#include "entry/ui/record_selection_view.h"

#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kCountyLevel = 1, kDistrictLevel = 2, kStateLevel = 3;

QRadioButton* radio(const QString& caption, const char* name, QWidget* parent) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);
    return b;
}

}  // namespace

RecordSelectionView::RecordSelectionView(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("recordSelectionView"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildChoices());
    left->addWidget(buildLevels());
    m_process = button(QStringLiteral("Process"), "processButton", this);
    left->addWidget(m_process);
    QPushButton* newList = button(QStringLiteral("Select New List"), "selectNewListButton", this);
    QPushButton* exit = button(QStringLiteral("Exit"), "recordSelectionExitButton", this);
    left->addWidget(newList);
    left->addWidget(exit);
    left->addStretch();
    layout->addLayout(left, 1);
    auto* right = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Key                                 Last              First                  MI"), this);
    right->addWidget(heading);
    m_records = new QListWidget(this);
    m_records->setObjectName(QStringLiteral("recordList"));
    m_records->setAccessibleName(QStringLiteral("Records"));
    m_records->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    right->addWidget(m_records, 1);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("recordCountLabel"));
    right->addWidget(m_count);
    m_searchForm = new QFormLayout;
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("lastNameSearchEdit"));
    m_searchForm->addRow(QStringLiteral("Enter Record Last Name"), m_search);
    right->addLayout(m_searchForm);
    layout->addLayout(right, 2);
    connect(m_process, &QPushButton::clicked, this, [this] { process(); });
    connect(newList, &QPushButton::clicked, this, &RecordSelectionView::selectNewListRequested);
    connect(exit, &QPushButton::clicked, this, &RecordSelectionView::exitRequested);
    connect(m_records, &QListWidget::itemClicked, this, [this] { emit recordChosen(m_records->currentRow()); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
}

QWidget* RecordSelectionView::buildChoices() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* action = new QGroupBox(QStringLiteral("Action..."), box);
    auto* actions = new QVBoxLayout(action);
    m_review = radio(QStringLiteral("Review Existing Record"), "reviewRadio", action);
    m_new = radio(QStringLiteral("Enter New Record"), "newRecordRadio", action);
    actions->addWidget(m_review);
    actions->addWidget(m_new);
    layout->addWidget(action);
    auto* listing = new QGroupBox(QStringLiteral("Listing Method..."), box);
    auto* methods = new QVBoxLayout(listing);
    m_method = new QButtonGroup(this);
    const char* names[] = {"byNameRadio", "byIdRadio", "byWebCreationRadio"};
    const char* captions[] = {"By Name", "By Id", "By Web Creation Order"};
    for (int i = 0; i < 3; ++i) {
        QRadioButton* r = radio(QString::fromLatin1(captions[i]), names[i], listing);
        m_method->addButton(r, i + 1);
        methods->addWidget(r);
    }
    layout->addWidget(listing);
    connect(m_new, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        // A new record has no listing method; reviewing needs one chosen again.
        m_method->setExclusive(false);
        for (QAbstractButton* b : m_method->buttons()) b->setChecked(false);
        m_method->setExclusive(true);
        updateProcess();
    });
    connect(m_review, &QRadioButton::toggled, this, [this] { updateProcess(); });
    // Choices count however they were made: by click, by key or through assistive technology.
    connect(m_method, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (!on) return;
        m_records->clear();
        m_entries.clear();
        m_count->clear();
        updateProcess();
    });
    return box;
}

QWidget* RecordSelectionView::buildLevels() {
    m_levelBox = new QGroupBox(QStringLiteral("Select Level..."), this);
    m_levelBox->setObjectName(QStringLiteral("levelGroup"));
    auto* layout = new QVBoxLayout(m_levelBox);
    m_levels = new QButtonGroup(this);
    const char* captions[] = {"Counties", "Districts", "State", "All"};
    const char* names[] = {"countiesRadio", "districtsRadio", "stateRadio", "allLevelsRadio"};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        QRadioButton* r = radio(QString::fromLatin1(captions[i]), names[i], m_levelBox);
        m_levels->addButton(r, i + 1);
        row->addWidget(r);
        if (i == 2) m_stateLevel = r;
    }
    layout->addLayout(row);
    m_officesTitle = new QLabel(m_levelBox);
    layout->addWidget(m_officesTitle);
    m_offices = new QListWidget(m_levelBox);
    m_offices->setObjectName(QStringLiteral("officeList"));
    m_offices->setAccessibleName(QStringLiteral("Offices"));
    m_offices->setSelectionMode(QAbstractItemView::MultiSelection);
    layout->addWidget(m_offices);
    auto* buttons = new QHBoxLayout;
    m_none = button(QStringLiteral("None"), "noneButton", m_levelBox);
    m_all = button(QStringLiteral("All"), "allButton", m_levelBox);
    buttons->addWidget(m_none);
    buttons->addWidget(m_all);
    layout->addLayout(buttons);
    connect(m_levels, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) levelChosen(LevelChoice(id));
    });
    connect(m_offices, &QListWidget::itemSelectionChanged, this, [this] {
        m_records->clear();
        updateProcess();
    });
    connect(m_none, &QPushButton::clicked, this, [this] { m_offices->clearSelection(); });
    connect(m_all, &QPushButton::clicked, this, [this] { m_offices->selectAll(); });
    return m_levelBox;
}

void RecordSelectionView::reset() {
    const int level = m_session.identity.operationalLevel;
    m_levels->setExclusive(false);
    for (QAbstractButton* b : m_levels->buttons()) b->setChecked(false);
    m_levels->setExclusive(true);
    m_offices->clear();
    m_offices->hide();
    m_officesTitle->clear();
    m_levelBox->setVisible(level == kDistrictLevel || level == kStateLevel);
    m_stateLevel->setVisible(level == kStateLevel);
    if (level == kStateLevel) m_levels->button(int(LevelChoice::All))->setChecked(true);
    m_review->setChecked(true);
    m_method->button(int(ListingOrder::ByName))->setChecked(true);
    m_records->clear();
    m_entries.clear();
    m_count->clear();
    m_searchForm->setRowVisible(m_search, false);
    updateProcess();
}

void RecordSelectionView::levelChosen(LevelChoice level) {
    m_records->clear();
    const bool counties = level == LevelChoice::Counties;
    const bool districts = level == LevelChoice::Districts;
    m_offices->setVisible(counties || districts);
    m_offices->clear();
    m_officesTitle->setText(counties ? QStringLiteral("Counties...") : districts ? QStringLiteral("Districts...") : QString());
    if (counties) m_offices->addItems(CountyChoices(m_session.access, m_session.identity));
    if (districts) m_offices->addItems(DistrictChoices(m_session.access, m_session.identity));
    updateProcess();
}

void RecordSelectionView::updateProcess() {
    const int situation = m_session.identity.userSituation;
    const int level = m_session.identity.operationalLevel;
    const bool allowed = situation == 1 || situation == 2 || level == kStateLevel || level == kDistrictLevel;
    const bool listable = m_method->checkedId() > 0;
    const int chosenLevel = m_levels->checkedId();
    const bool officesNeeded = (chosenLevel == 1 || chosenLevel == 2) && m_offices->selectedItems().isEmpty();
    const bool levelNeeded = m_levelBox->isVisible() && chosenLevel <= 0;
    m_process->setEnabled(allowed && (m_new->isChecked() || (m_review->isChecked() && listable)) && !officesNeeded && !levelNeeded);
    m_none->setEnabled(!m_offices->selectedItems().isEmpty());
    m_all->setEnabled(m_offices->selectedItems().size() < m_offices->count());
}

void RecordSelectionView::process() {
    if (m_new->isChecked()) {
        emit newRecordRequested();
        return;
    }
    listRecords();
    if (m_method->checkedId() == int(ListingOrder::ByName)) {
        m_searchForm->setRowVisible(m_search, true);
        m_search->setFocus();
    }
}

void RecordSelectionView::listAgain() {
    if (m_method->checkedId() > 0) listRecords();
}

void RecordSelectionView::listRecords() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        OfficeChoice choice{LevelChoice(std::max(0, m_levels->checkedId())), {}};
        for (QListWidgetItem* item : m_offices->selectedItems()) choice.selected << item->text();
        if (m_session.identity.operationalLevel == kCountyLevel) choice.level = LevelChoice::All;
        const auto accepted = AcceptedOfficeCodes(m_session.access, m_session.identity, choice);
        m_entries = RecordListing(m_session.access).list(m_session.currentListCode, ListingOrder(m_method->checkedId()), accepted);
    } catch (const StoreError& e) {
        QApplication::restoreOverrideCursor();
        m_session.prompter.error(e.message());
        return;
    }
    QApplication::restoreOverrideCursor();
    m_records->clear();
    for (const ListingEntry& entry : m_entries) m_records->addItem(entry.text);
    m_count->setText(QString::number(m_entries.size()));
}

void RecordSelectionView::search(const QString& typed) {
    const auto row = findLastName(m_entries, typed);
    if (!row) {
        m_session.prompter.beep();
        return;
    }
    m_records->scrollToItem(m_records->item(*row), QAbstractItemView::PositionAtTop);
}

}  // namespace vn
