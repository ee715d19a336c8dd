#include "designer/ui/selection_list_editor_widget.h"

#include "lists/definitions/default_lists.h"
#include "designer/selection/default_lists_editor.h"
#include "designer/selection/selection_list_editor.h"
#include "platform/help_agent.h"
#include "platform/prompter.h"
#include "platform/ui/control_help_filter.h"
#include "store/engine/store_error.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vn {

void showTexts(QListWidget* list, const QStringList& texts) {
    bool same = list->count() == texts.size();
    for (int i = 0; same && i < texts.size(); ++i) same = list->item(i)->text() == texts[i];
    if (same) return;
    list->clear();
    list->addItems(texts);
}

SelectionListEditorWidget::SelectionListEditorWidget(RecordAccess& access, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_access(access), m_prompter(prompter) {
    setObjectName(QStringLiteral("selectionListEditorView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("selectionListPages"));
    m_editorPage = buildEditor();
    m_defaultsPage = buildDefaults();
    m_pages->addWidget(m_editorPage);
    m_pages->addWidget(m_defaultsPage);
    layout->addWidget(m_pages);
}

SelectionListEditorWidget::~SelectionListEditorWidget() = default;

void SelectionListEditorWidget::setHelpAgent(HelpAgent& agent) { m_helpAgent = &agent; }

QPushButton* SelectionListEditorWidget::button(const QString& caption, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(true);
    return b;
}

QWidget* SelectionListEditorWidget::buildEditor() {
    auto* box = new QGroupBox(QStringLiteral("Enter List Contents.."), this);
    box->setObjectName(QStringLiteral("selectionEditorPage"));
    auto* layout = new QVBoxLayout(box);
    m_items = new QListWidget(box);
    m_items->setObjectName(QStringLiteral("selectionItemsList"));
    m_items->setAccessibleName(QStringLiteral("Selection list items"));
    layout->addWidget(m_items, 1);
    auto* editLabel = new QLabel(QStringLiteral("Item"), box);
    m_itemEdit = new QLineEdit(box);
    m_itemEdit->setObjectName(QStringLiteral("selectionItemEdit"));
    editLabel->setBuddy(m_itemEdit);
    layout->addWidget(editLabel);
    layout->addWidget(m_itemEdit);
    auto* row = new QHBoxLayout;
    m_add = button(QStringLiteral("Add"), "selectionAddButton", box);
    m_delete = button(QStringLiteral("Delete"), "selectionDeleteButton", box);
    m_up = button(QStringLiteral("Move item up"), "selectionMoveUpButton", box);
    m_down = button(QStringLiteral("Move item down"), "selectionMoveDownButton", box);
    for (QPushButton* b : {m_add, m_delete, m_up, m_down}) row->addWidget(b);
    layout->addLayout(row);
    m_lock = new QCheckBox(QStringLiteral("Lock Selection List"), box);
    m_lock->setObjectName(QStringLiteral("lockSelectionListCheck"));
    m_lock->setToolTip(QStringLiteral("Checking this box will prevent the user from entering additional items to the "
                                      "selection list for this text field"));
    // A right click lets the help character say the same.
    auto* help = new ControlHelpFilter([this]() -> HelpAgent& { return *m_helpAgent; }, m_lock);
    help->explain(m_lock, m_lock->toolTip());
    layout->addWidget(m_lock);
    QPushButton* defaults = button(QStringLiteral("View / Load Default List(s)"), "viewDefaultListsButton", box);
    QPushButton* exit = button(QStringLiteral("Exit"), "selectionExitButton", box);
    layout->addWidget(defaults);
    layout->addWidget(exit);

    connect(m_itemEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString kept = m_editor ? m_editor->checkLength(text) : text;
        if (kept != text) m_itemEdit->setText(kept);
        m_add->setEnabled(!m_itemEdit->text().isEmpty());
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        act([this] { m_editor->add(m_itemEdit->text()); });
        m_itemEdit->clear();
        m_itemEdit->setFocus();
        m_add->setEnabled(false);
    });
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_rendering) act([this, row] { m_editor->select(row); });
    });
    connect(m_delete, &QPushButton::clicked, this, [this] { act([this] { m_editor->deleteSelected(); }); });
    connect(m_up, &QPushButton::clicked, this, [this] { act([this] { m_editor->moveUp(); }); });
    connect(m_down, &QPushButton::clicked, this, [this] { act([this] { m_editor->moveDown(); }); });
    connect(m_lock, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_rendering) act([this, on] { m_editor->setLocked(on); });
    });
    connect(defaults, &QPushButton::clicked, this, [this] { showDefaults(); });
    connect(exit, &QPushButton::clicked, this, &SelectionListEditorWidget::exited);
    return box;
}

QWidget* SelectionListEditorWidget::buildDefaults() {
    auto* box = new QGroupBox(QStringLiteral("Default Selection Lists...."), this);
    box->setObjectName(QStringLiteral("selectionDefaultsPage"));
    auto* layout = new QVBoxLayout(box);
    m_displayDefaults = button(QStringLiteral("Display Default Lists"), "displayDefaultListsButton", box);
    layout->addWidget(m_displayDefaults);
    m_defaults = new QListWidget(box);
    m_defaults->setObjectName(QStringLiteral("defaultListChoice"));
    m_defaults->setAccessibleName(QStringLiteral("Default lists"));
    layout->addWidget(m_defaults, 1);
    m_useDefault = button(QStringLiteral("Use Selected List"), "useSelectedListButton", box);
    QPushButton* back = button(QStringLiteral("Return"), "defaultListsReturnButton", box);
    layout->addWidget(m_useDefault);
    layout->addWidget(back);
    connect(m_displayDefaults, &QPushButton::clicked, this, [this] { showDefaultNames(); });
    // Later, not while the list reports the click: choosing replaces the list's rows.
    connect(m_defaults, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_defaults->row(item);
        QMetaObject::invokeMethod(this, [this, row] { chooseDefault(row); }, Qt::QueuedConnection);
    });
    connect(m_useDefault, &QPushButton::clicked, this, [this] {
        QStringList texts;
        for (int i = 0; i < m_defaults->count(); ++i) texts << m_defaults->item(i)->text();
        act([this, texts] { m_editor->append(texts); });
    });
    connect(back, &QPushButton::clicked, this, [this] {
        m_pages->setCurrentWidget(m_editorPage);
        act([] {});
    });
    return box;
}

void SelectionListEditorWidget::open(const QString& prefix, const QString& definitionKey) {
    m_editor = std::make_unique<SelectionListEditor>(m_access, m_prompter, prefix, definitionKey);
    m_pages->setCurrentWidget(m_editorPage);
    m_itemEdit->clear();
    m_add->setEnabled(false);
    act([this] { m_editor->open(); });
    m_itemEdit->setFocus();
}

void SelectionListEditorWidget::showDefaults() {
    m_defaults->clear();
    m_choosingDefault = false;
    m_displayDefaults->setEnabled(true);
    m_useDefault->setEnabled(false);
    m_pages->setCurrentWidget(m_defaultsPage);
}

void SelectionListEditorWidget::showDefaultNames() {
    m_defaults->clear();
    m_defaults->addItems(defaultListNames());
    m_choosingDefault = true;
    m_displayDefaults->setEnabled(false);
    m_useDefault->setEnabled(false);
}

void SelectionListEditorWidget::chooseDefault(int row) {
    if (!m_choosingDefault || row < 0) return;
    QStringList texts;
    try {
        texts = DefaultListTexts(m_access, row + 1);
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
        return;
    }
    m_defaults->clear();
    m_defaults->addItems(texts);
    m_choosingDefault = false;
    m_displayDefaults->setEnabled(true);
    m_useDefault->setEnabled(true);
}

void SelectionListEditorWidget::act(const std::function<void()>& action) {
    if (!m_editor || m_rendering) return;
    try {
        action();
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    render();
}

void SelectionListEditorWidget::render() {
    m_rendering = true;
    showTexts(m_items, m_editor->texts());
    m_items->setCurrentRow(m_editor->selected());
    m_delete->setEnabled(m_editor->canDelete());
    m_up->setEnabled(m_editor->canMoveUp());
    m_down->setEnabled(m_editor->canMoveDown());
    m_lock->setChecked(m_editor->locked());
    m_rendering = false;
}

}  // namespace vn
