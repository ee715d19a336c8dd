#include "entry/ui/selection_panel.h"

#include "entry/rules/selection_entries.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

SelectionPanel::SelectionPanel(QWidget* parent) : QGroupBox(QStringLiteral("Selection Options for"), parent) {
    setObjectName(QStringLiteral("selectionPanel"));
    auto* layout = new QVBoxLayout(this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("selectionFieldEdit"));
    m_field->setReadOnly(true);
    auto* caption = new QLabel(QStringLiteral("Field:"), this);
    caption->setBuddy(m_field);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("selectionList"));
    m_list->setAccessibleName(QStringLiteral("Selection entries"));
    m_lockedNote = new QLabel(kLockedListNote, this);
    m_lockedNote->setObjectName(QStringLiteral("lockedListNote"));
    m_lockedNote->setWordWrap(true);
    auto* clear = new QPushButton(QStringLiteral("Clear Edit Field"), this);
    clear->setObjectName(QStringLiteral("clearEditFieldButton"));
    auto* exit = new QPushButton(QStringLiteral("Exit - Do Not Change"), this);
    exit->setObjectName(QStringLiteral("exitNoChangeButton"));
    for (QWidget* w : std::initializer_list<QWidget*>{caption, m_field, m_list, m_lockedNote, clear, exit})
        layout->addWidget(w);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString text = item->text();
        m_list->setCurrentRow(0);
        emit chosen(text);
    });
    // Enter chooses the highlighted entry, as a click does.
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, this, [this] {
        if (QListWidgetItem* item = m_list->currentItem()) emit chosen(item->text());
    });
    connect(clear, &QPushButton::clicked, this, &SelectionPanel::clearRequested);
    connect(exit, &QPushButton::clicked, this, &SelectionPanel::exitRequested);
}

void SelectionPanel::showEntries(const QString& caption, const QStringList& entries, bool locked) {
    m_field->setText(caption);
    m_list->clear();
    m_list->addItems(entries);
    m_lockedNote->setVisible(locked);
}

}  // namespace vn
