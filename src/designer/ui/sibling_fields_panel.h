#pragma once

#include <QStackedWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

class SiblingFieldList;

// "List Fields From...": the sibling data sets as buttons under their products' names and, once
// one is chosen, the list of its fields. Every choice is reported; the window acts on it.
class SiblingFieldsPanel : public QStackedWidget {
    Q_OBJECT
public:
    explicit SiblingFieldsPanel(QWidget* parent = nullptr);
    void render(const SiblingFieldList& list);

signals:
    void setChosen(int set);
    void fieldChosen(int number);
    void exitClicked();    // back to the options
    void returnClicked();  // from the field list back to the sets

private:
    QWidget* buildSets();
    QWidget* buildFields();

    QWidget* m_sets = nullptr;
    QWidget* m_fieldsView = nullptr;
    QList<QPushButton*> m_setButtons;  // by set number - 1
    QLabel* m_caption = nullptr;
    QListWidget* m_fields = nullptr;
    QLabel* m_note = nullptr;
};

}  // namespace vn
