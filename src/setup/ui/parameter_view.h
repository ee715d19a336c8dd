#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace vn {

class ChoiceList;
class ParameterEditor;
class Prompter;
struct ParameterScreen;

// The parameter editor's view: the prompts, the chosen setting, its options or a new value.
class ParameterView : public QWidget {
    Q_OBJECT
public:
    ParameterView(ParameterEditor& editor, Prompter& prompter, QWidget* parent = nullptr);
    void open();

signals:
    void closed();

private:
    QWidget* buildDetails();
    QWidget* buildChanges();
    void connectSteps();
    template <typename Step>
    void act(Step&& step);
    void render();
    void renderDetails(const ParameterScreen& screen);
    void renderOptions(const ParameterScreen& screen);

    ParameterEditor& m_editor;
    Prompter& m_prompter;
    ChoiceList* m_prompts = nullptr;
    QList<QLabel*> m_details;
    QGroupBox* m_optionsGroup = nullptr;
    QButtonGroup* m_options = nullptr;
    QGroupBox* m_newSettingGroup = nullptr;
    QLineEdit* m_newSetting = nullptr;
    QLineEdit* m_override = nullptr;
};

}  // namespace vn
