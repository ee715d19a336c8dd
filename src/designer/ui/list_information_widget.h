#pragma once

#include <QWidget>

#include <functional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class ListInformation;
class HelpAgent;
class Prompter;

// The "Enter List Information" view: shows ListInformation's state and hands it every action.
class ListInformationWidget : public QWidget {
    Q_OBJECT
public:
    ListInformationWidget(ListInformation& rules, Prompter& prompter, QWidget* parent = nullptr);
    void render();
    // Right clicks on the view's captions, buttons, list and password boxes ask agent() for
    // their help phrases.
    void offerControlHelp(std::function<HelpAgent&()> agent);

signals:
    void fieldsAccessChanged(bool enabled);
    void exitRequested();

private:
    QWidget* buildListBox();
    QWidget* buildDescriptionBox();
    QWidget* buildPasswordBox();
    QWidget* buildCloneBox();
    void after(const std::function<void()>& action);
    void applyFocus();

    ListInformation& m_rules;
    Prompter& m_prompter;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_title = nullptr;
    QListWidget* m_lists = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_exit = nullptr;
    QGroupBox* m_descriptionBox = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QGroupBox* m_passwordBox = nullptr;
    QGroupBox* m_createPassword = nullptr;
    QGroupBox* m_accessPassword = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QLineEdit* m_verifyPassword = nullptr;
    QLineEdit* m_enterPassword = nullptr;
    QLineEdit* m_oldCode = nullptr;
    QLineEdit* m_newCode = nullptr;
    QLineEdit* m_newTitle = nullptr;
    QPushButton* m_createClone = nullptr;
    bool m_rendering = false;
};

}  // namespace vn
