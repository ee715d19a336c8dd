#include "setup/ui/choice_list.h"

#include <QKeyEvent>

namespace vn {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { emit chosen(index.row()); });
}

void ChoiceList::setEntries(const QStringList& entries) {
    QStringList shown;
    for (int row = 0; row < count(); ++row) shown << item(row)->text();
    if (shown == entries) return;
    clear();
    addItems(entries);
}

void ChoiceList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool chooses = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (chooses && currentRow() >= 0) {
        emit chosen(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace vn
