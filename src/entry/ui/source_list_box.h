#pragma once

#include "lists/siblings/sibling_table.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

class SourcePick;

// A sibling source's records in a selection view: its caption, the list (each entry's key kept
// as its data) and "By Id" / "By Name", the order shown in bold.
class SourceListBox : public QWidget {
    Q_OBJECT
public:
    explicit SourceListBox(const QString& name, QWidget* parent = nullptr);

    void show(const SourcePick& pick);
    QListWidget* list() const { return m_list; }

signals:
    void orderChosen(SiblingOrder order);
    void rowChosen(int row);

private:
    QLabel* m_caption = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_byId = nullptr;
    QPushButton* m_byName = nullptr;
};

}  // namespace vn
