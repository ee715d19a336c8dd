#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QProgressBar;
class QPushButton;

namespace vn {

class ChoiceList;
class LinkLists;
class Prompter;

// "Link Lists...": the explanations, the primary and secondary lists, the match conditions,
// Process, Clear and the gauge.
class LinkListsView : public QWidget {
    Q_OBJECT
public:
    LinkListsView(LinkLists& links, Prompter& prompter, QWidget* parent = nullptr);
    void open();

signals:
    void closed();

private:
    QWidget* buildExplanations();
    QWidget* buildLists();
    QWidget* buildActions();
    QPushButton* addButton(const QString& caption, const char* objectName);
    void connectSteps();
    template <typename Step>
    void act(Step&& step);
    void process();
    void render();
    void renderSecondary();

    LinkLists& m_links;
    Prompter& m_prompter;
    ChoiceList* m_primary = nullptr;
    QGroupBox* m_secondaryGroup = nullptr;
    ChoiceList* m_secondary = nullptr;
    QPushButton* m_none = nullptr;
    QPushButton* m_all = nullptr;
    QButtonGroup* m_conditions = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_clear = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPushButton* m_return = nullptr;
};

}  // namespace vn
