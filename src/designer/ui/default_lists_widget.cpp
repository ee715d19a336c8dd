#include "designer/ui/default_lists_widget.h"

#include "lists/definitions/default_lists.h"
#include "designer/selection/default_lists_editor.h"
#include "designer/ui/selection_list_editor_widget.h"
#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <QButtonGroup>
#include <QGridLayout>
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

constexpr int kChoiceRows = 10;

QPushButton* button(const QString& caption, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(true);
    return b;
}

}  // namespace

DefaultListsWidget::DefaultListsWidget(RecordAccess& access, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_lists(std::make_unique<DefaultLists>(access, prompter)) {
    setObjectName(QStringLiteral("defaultListsView"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildChoices());
    layout->addWidget(buildItems(), 1);
}

DefaultListsWidget::~DefaultListsWidget() = default;

QWidget* DefaultListsWidget::buildChoices() {
    auto* box = new QGroupBox(QStringLiteral("Default (Canned) Item Selection Lists..."), this);
    box->setObjectName(QStringLiteral("defaultListChoices"));
    auto* grid = new QGridLayout(box);
    m_choices = new QButtonGroup(box);
    const QStringList names = defaultListNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* radio = new QRadioButton(names[i], box);
        radio->setObjectName(QStringLiteral("defaultList%1Radio").arg(i + 1));
        m_choices->addButton(radio, i + 1);
        grid->addWidget(radio, i % kChoiceRows, i / kChoiceRows);
    }
    connect(m_choices, &QButtonGroup::idToggled, this, [this](int list, bool on) {
        if (!on) return;
        act([this, list] { m_lists->choose(list); });
        m_itemEdit->clear();
        m_add->setEnabled(false);
    });
    return box;
}

QWidget* DefaultListsWidget::buildItems() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    auto* itemsLabel = new QLabel(QStringLiteral("Selection List Items..."), box);
    m_items = new QListWidget(box);
    m_items->setObjectName(QStringLiteral("defaultListItems"));
    itemsLabel->setBuddy(m_items);
    layout->addWidget(itemsLabel);
    layout->addWidget(m_items, 1);
    m_editRow = new QWidget(box);
    auto* edit = new QVBoxLayout(m_editRow);
    edit->setContentsMargins(0, 0, 0, 0);
    auto* editLabel = new QLabel(QStringLiteral("Enter List Item... (in desired display order)"), m_editRow);
    m_itemEdit = new QLineEdit(m_editRow);
    m_itemEdit->setObjectName(QStringLiteral("defaultItemEdit"));
    m_itemEdit->setMaxLength(kDefaultItemLength);
    editLabel->setBuddy(m_itemEdit);
    m_add = button(QStringLiteral("Add Item to List"), "addDefaultItemButton", m_editRow);
    m_delete = button(QStringLiteral("Delete Item from List"), "deleteDefaultItemButton", m_editRow);
    for (QWidget* w : {static_cast<QWidget*>(editLabel), static_cast<QWidget*>(m_itemEdit), static_cast<QWidget*>(m_add),
                       static_cast<QWidget*>(m_delete)})
        edit->addWidget(w);
    layout->addWidget(m_editRow);
    m_exit = button(QStringLiteral("Exit"), "defaultListsExitButton", box);
    layout->addWidget(m_exit);

    connect(m_itemEdit, &QLineEdit::textChanged, this, [this](const QString& text) { m_add->setEnabled(!text.isEmpty()); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        act([this] { m_lists->add(m_itemEdit->text()); });
        m_itemEdit->clear();
        m_itemEdit->setFocus();
    });
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_rendering) return;
        act([this, row] { m_lists->select(row); });
        // The shipped lists are shown, not edited.
        if (row >= 0 && !m_lists->editable()) m_exit->setFocus();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] { act([this] { m_lists->removeSelected(); }); });
    connect(m_exit, &QPushButton::clicked, this, &DefaultListsWidget::exited);
    return box;
}

void DefaultListsWidget::open(bool grovantaPresent) {
    m_itemEdit->clear();
    m_add->setEnabled(false);
    m_choices->setExclusive(false);
    for (QAbstractButton* b : m_choices->buttons()) b->setChecked(false);
    m_choices->setExclusive(true);
    act([this, grovantaPresent] { m_lists->open(grovantaPresent); });
}

void DefaultListsWidget::act(const std::function<void()>& action) {
    if (m_rendering) return;
    try {
        action();
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    render();
}

void DefaultListsWidget::render() {
    m_rendering = true;
    QStringList texts;
    for (const DefaultListItem& item : m_lists->items()) texts << item.text;
    showTexts(m_items, texts);
    m_items->setCurrentRow(m_lists->selected());
    m_editRow->setVisible(m_lists->editable());
    m_delete->setEnabled(m_lists->selected() >= 0);
    m_rendering = false;
}

}  // namespace vn
