#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vn {

class DefaultLists;
class Prompter;
class RecordAccess;

// The window's "Default Selection Items" view: the twenty default lists, of which 14 to 20 can be
// edited. It shows DefaultLists' state and hands it every action.
class DefaultListsWidget : public QWidget {
    Q_OBJECT
public:
    DefaultListsWidget(RecordAccess& access, Prompter& prompter, QWidget* parent = nullptr);
    ~DefaultListsWidget() override;

    void open(bool grovantaPresent);

signals:
    void exited();

private:
    QWidget* buildChoices();
    QWidget* buildItems();
    void act(const std::function<void()>& action);
    void render();

    Prompter& m_prompter;
    std::unique_ptr<DefaultLists> m_lists;
    bool m_rendering = false;
    QButtonGroup* m_choices = nullptr;
    QListWidget* m_items = nullptr;
    QWidget* m_editRow = nullptr;
    QLineEdit* m_itemEdit = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace vn
