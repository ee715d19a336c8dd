#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace vn {

class ChoiceList;
class Factory;
class PasswordBox;
class Prompter;

// "Factory": the password, the maintenance tasks, Process, the gauge, the packing display and
// the two server buttons.
class FactoryView : public QWidget {
    Q_OBJECT
public:
    FactoryView(Factory& factory, Prompter& prompter, QWidget* parent = nullptr);
    // Shows the warning; false when the view is not to be shown.
    bool open();

signals:
    void closed();
    void exitProgram();

private:
    QWidget* buildPassword();
    QWidget* buildTasks();
    QWidget* buildPacking();
    QPushButton* addButton(const QString& caption, const char* objectName);
    void connectSteps();
    template <typename Step>
    void act(Step&& step);
    void process();
    void render();

    Factory& m_factory;
    Prompter& m_prompter;
    QLabel* m_passwordCaption = nullptr;
    PasswordBox* m_password = nullptr;
    QLineEdit* m_input1 = nullptr;
    QLineEdit* m_input2 = nullptr;
    QGroupBox* m_taskGroup = nullptr;
    ChoiceList* m_tasks = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_exitProgram = nullptr;
    QPushButton* m_testServer = nullptr;
    QPushButton* m_productionServer = nullptr;
    QLabel* m_webHost = nullptr;
    QProgressBar* m_gauge = nullptr;
    QGroupBox* m_packingGroup = nullptr;
    QTableWidget* m_packing = nullptr;
};

}  // namespace vn
