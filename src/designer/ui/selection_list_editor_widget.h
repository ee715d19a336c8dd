#pragma once

#include "platform/help_agent.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace vn {

class Prompter;
class RecordAccess;
class SelectionListEditor;

// Fills the list with the texts unless it shows them already: a list must not be rebuilt while
// it reports a click on one of its rows.
void showTexts(QListWidget* list, const QStringList& texts);

// "Enter List Contents..": a text field's selection list, with its view for loading a default
// list. It shows SelectionListEditor's state and hands it every action.
class SelectionListEditorWidget : public QWidget {
    Q_OBJECT
public:
    SelectionListEditorWidget(RecordAccess& access, Prompter& prompter, QWidget* parent = nullptr);
    ~SelectionListEditorWidget() override;

    // prefix: the field's Selc prefix; definitionKey: its Fdis row.
    void open(const QString& prefix, const QString& definitionKey);
    // The help character that explains "Lock Selection List" on a right click.
    void setHelpAgent(HelpAgent& agent);

signals:
    void exited();

private:
    QWidget* buildEditor();
    QWidget* buildDefaults();
    QPushButton* button(const QString& caption, const char* objectName, QWidget* parent);
    void act(const std::function<void()>& action);
    void render();
    void showDefaults();
    void showDefaultNames();
    void chooseDefault(int row);

    RecordAccess& m_access;
    Prompter& m_prompter;
    std::unique_ptr<SelectionListEditor> m_editor;
    bool m_rendering = false;
    QStackedWidget* m_pages = nullptr;
    QListWidget* m_items = nullptr;
    QLineEdit* m_itemEdit = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QCheckBox* m_lock = nullptr;
    HelpAgent* m_helpAgent = &noHelpAgent();
    QWidget* m_editorPage = nullptr;
    QWidget* m_defaultsPage = nullptr;
    QListWidget* m_defaults = nullptr;
    QPushButton* m_displayDefaults = nullptr;
    QPushButton* m_useDefault = nullptr;
    bool m_choosingDefault = false;  // the list shows the twenty names
};

}  // namespace vn
