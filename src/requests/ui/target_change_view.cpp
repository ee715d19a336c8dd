#include "requests/ui/target_change_view.h"

#include "platform/ui/named_button.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

namespace {

QListWidget* rowList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

void fill(QListWidget* list, const QStringList& rows, int current) {
    if (list->count() == rows.size()) {
        for (int i = 0; i < rows.size(); ++i) list->item(i)->setText(rows[i]);
    } else {
        list->clear();
        list->addItems(rows);
    }
    list->setCurrentRow(current);
}

}  // namespace

TargetChangeView::TargetChangeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("targetChangeView"));
    auto* layout = new QVBoxLayout(this);
    auto* selected = new QGroupBox(QStringLiteral("Selected Request from Queue..."), this);
    auto* selectedRow = new QVBoxLayout(selected);
    m_name = new QLabel(selected);
    m_name->setObjectName(QStringLiteral("selectedRequestName"));
    selectedRow->addWidget(m_name);
    layout->addWidget(selected);
    auto* change = new QGroupBox(QStringLiteral("SQL Request Target Change..."), this);
    auto* column = new QVBoxLayout(change);
    m_text = new QPlainTextEdit(change);
    m_text->setObjectName(QStringLiteral("targetChangeText"));
    m_text->setReadOnly(true);
    m_text->setFixedHeight(90);
    column->addWidget(captionFor(QStringLiteral("Select Target to Change..."), m_text, change));
    column->addWidget(m_text);
    auto* row = new QHBoxLayout;
    row->addWidget(buildTargets(), 2);
    row->addWidget(buildNewTarget(), 1);
    column->addLayout(row, 1);
    layout->addWidget(change, 1);
    auto* buttons = new QHBoxLayout;
    m_replace = namedButton(QStringLiteral("Replace Target"), "replaceTargetButton", this);
    auto* process = namedButton(QStringLiteral("Process"), "replayProcessButton", this);
    auto* back = namedButton(QStringLiteral("Return"), "targetChangeReturnButton", this);
    for (QPushButton* b : {m_replace, process, back}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_replace, &QPushButton::clicked, this, &TargetChangeView::replaceClicked);
    connect(process, &QPushButton::clicked, this, &TargetChangeView::processClicked);
    connect(back, &QPushButton::clicked, this, &TargetChangeView::returnClicked);
}

// Both lists choose the same condition.
QWidget* TargetChangeView::buildTargets() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    m_fields = rowList("targetFieldsList", box);
    m_targets = rowList("targetTargetsList", box);
    grid->addWidget(captionFor(QStringLiteral("Fields:"), m_fields, box), 0, 0);
    grid->addWidget(captionFor(QStringLiteral("Targets:"), m_targets, box), 0, 1);
    grid->addWidget(m_fields, 1, 0);
    grid->addWidget(m_targets, 1, 1);
    for (QListWidget* list : {m_fields, m_targets})
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            if (!selected.isEmpty()) emit rowChosen(list->row(selected.first()));
        });
    return box;
}

QWidget* TargetChangeView::buildNewTarget() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_edit = new QLineEdit(box);
    m_edit->setObjectName(QStringLiteral("newTargetEdit"));
    m_editCaption = captionFor(QStringLiteral("Enter Target Value:"), m_edit, box);
    m_entries = rowList("newTargetList", box);
    m_listCaption = captionFor(QStringLiteral("Select Target Value:"), m_entries, box);
    for (QWidget* w : std::initializer_list<QWidget*>{m_editCaption, m_edit, m_listCaption, m_entries}) column->addWidget(w);
    column->addStretch(1);
    connect(m_edit, &QLineEdit::textEdited, this, &TargetChangeView::targetTyped);
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        if (m_replace->isEnabled()) m_replace->setFocus();
    });
    connect(m_entries, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit entryPicked(m_entries->row(item)); });
    return box;
}

void TargetChangeView::render(const QString& name, const TargetChangeState& state) {
    const QSignalBlocker quietFields(m_fields), quietTargets(m_targets), quietEntries(m_entries);
    m_name->setText(name);
    if (m_text->toPlainText() != state.requestText) m_text->setPlainText(state.requestText);
    fill(m_fields, state.fields, state.chosenRow);
    fill(m_targets, state.targets, state.chosenRow);
    const bool edit = state.input == NewTargetInput::Edit;
    const bool list = state.input == NewTargetInput::List;
    m_editCaption->setVisible(edit);
    m_edit->setVisible(edit);
    m_listCaption->setVisible(list);
    m_entries->setVisible(list);
    if (m_edit->text() != state.editText) m_edit->setText(state.editText);
    if (state.chosenRow != m_drawnRow) {  // a new condition: its input, fresh
        fill(m_entries, state.entries, -1);
        if (edit) m_edit->setFocus();
        m_drawnRow = state.chosenRow;
    }
    m_replace->setEnabled(state.replaceEnabled);
}

}  // namespace vn
