#pragma once

#include "exchange/panels/multi_choice.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

// A list to pick any number of entries from, under its caption, with "None" and "All" beside it.
// Its children are named after `name`: <name>List, <name>Caption, <name>NoneButton,
// <name>AllButton.
class MultiChoiceList : public QWidget {
    Q_OBJECT
public:
    MultiChoiceList(const QString& caption, const QString& name, QWidget* parent);

    void setCaption(const QString& caption);
    void render(const MultiChoice& choice, bool enabled);

signals:
    void chosen(const QList<int>& rows);
    void noneClicked();
    void allClicked();
    // The entry under the mouse or just clicked.
    void pointed(int row);

private:
    QLabel* m_caption;
    QListWidget* m_list;
    QPushButton* m_none;
    QPushButton* m_all;
};

}  // namespace vn
