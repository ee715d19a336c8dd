#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vn {

class ChoiceList;
class Prompter;
class SetupWizard;
struct WizardScreen;

// The setup wizard's view: every click goes to the wizard, then the view shows its screen.
class WizardView : public QWidget {
    Q_OBJECT
public:
    WizardView(SetupWizard& wizard, Prompter& prompter, QWidget* parent = nullptr);
    void open();

signals:
    void closed();

private:
    QWidget* buildChoices();
    QWidget* buildLists();
    QWidget* buildButtons();
    void connectSteps();
    template <typename Step>
    void act(Step&& step);
    void render();
    void renderLists(const WizardScreen& screen);
    void renderFocus(const WizardScreen& screen);

    SetupWizard& m_wizard;
    Prompter& m_prompter;
    QGroupBox* m_passwordGroup = nullptr;
    QLineEdit* m_password = nullptr;
    QGroupBox* m_typeGroup = nullptr;
    QButtonGroup* m_types = nullptr;
    QGroupBox* m_levelGroup = nullptr;
    QButtonGroup* m_levels = nullptr;
    QGroupBox* m_flowGroup = nullptr;
    QButtonGroup* m_flows = nullptr;
    QGroupBox* m_listGroup = nullptr;
    ChoiceList* m_list = nullptr;
    QGroupBox* m_selectedGroup = nullptr;
    ChoiceList* m_selected = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_exit = nullptr;
    QLabel* m_help = nullptr;
};

}  // namespace vn
