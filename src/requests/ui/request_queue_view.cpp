#include "requests/ui/request_queue_view.h"

#include "platform/ui/named_button.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vn {

RequestQueueView::RequestQueueView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("requestQueueView"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Requests Found in Queue..."), this);
    group->setObjectName(QStringLiteral("queueGroup"));
    auto* column = new QVBoxLayout(group);
    m_keys = new QListWidget(group);
    m_keys->setObjectName(QStringLiteral("queueList"));
    m_keys->setAccessibleName(QStringLiteral("Requests Found in Queue"));
    column->addWidget(m_keys, 1);
    m_text = new QPlainTextEdit(group);
    m_text->setObjectName(QStringLiteral("queueRequestText"));
    m_text->setReadOnly(true);
    m_text->setFixedHeight(90);
    column->addWidget(captionFor(QStringLiteral("Request String..."), m_text, group));
    column->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    m_preProcess = namedButton(QStringLiteral("Pre - Process"), "preProcessButton", group);
    m_delete = namedButton(QStringLiteral("Delete"), "deleteRequestButton", group);
    auto* exit = namedButton(QStringLiteral("Exit"), "queueExitButton", group);
    for (QPushButton* b : {m_preProcess, m_delete, exit}) buttons->addWidget(b);
    buttons->addStretch(1);
    column->addLayout(buttons);
    layout->addWidget(group);
    // Selected, not merely current: the focus alone makes the first row current.
    connect(m_keys, &QListWidget::itemSelectionChanged, this, [this] {
        if (!chosenKey().isNull()) emit chosen(chosenKey());
    });
    connect(m_preProcess, &QPushButton::clicked, this, [this] { emit preProcessClicked(chosenKey()); });
    connect(m_delete, &QPushButton::clicked, this, [this] { emit deleteClicked(chosenKey()); });
    connect(exit, &QPushButton::clicked, this, &RequestQueueView::exitClicked);
    showKeys({});
}

// The whole key, however the list shows it.
QString RequestQueueView::chosenKey() const {
    const QList<QListWidgetItem*> selected = m_keys->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

void RequestQueueView::showKeys(const QStringList& keys) {
    const QSignalBlocker quiet(m_keys);
    m_keys->clear();
    for (const QString& key : keys) {
        auto* item = new QListWidgetItem(key, m_keys);
        item->setData(Qt::UserRole, key);
    }
    m_keys->setCurrentRow(-1);
    m_text->clear();
    m_preProcess->setEnabled(false);
    m_delete->setEnabled(false);
}

void RequestQueueView::showChosen(const QString& text) {
    m_text->setPlainText(text);
    m_preProcess->setEnabled(true);
    m_delete->setEnabled(true);
}

}  // namespace vn
