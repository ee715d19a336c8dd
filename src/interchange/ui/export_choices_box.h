#pragma once

#include "interchange/panels/export_choices.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vn {

class ExportTextPanel;

// The method with its size or delimiters, the character set or the CSV options, the process mode
// and the selection-list option. Each choice goes to the rules, then `changed` redraws the view.
class ExportChoicesBox : public QWidget {
    Q_OBJECT
public:
    ExportChoicesBox(ExportTextPanel& panel, std::function<void()> changed, QWidget* parent);
    void render(const ExportChoices& choices);
    // The edit of a focus request; nothing for the buttons of the view.
    QLineEdit* edit(ExportFocus focus) const;
    // Moves the focus without it counting as the user leaving an edit.
    void moveFocus(QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* methodGroup();
    QGroupBox* sizeGroup();
    QGroupBox* delimiterGroup();
    QGroupBox* charsetGroup();
    QGroupBox* csvGroup();
    QGroupBox* modeGroup();
    QGroupBox* optionGroup();
    QRadioButton* radio(QGroupBox* group, const QString& caption, const char* name, std::function<void()> chosen);
    QLineEdit* lineEdit(const char* name, void (ExportTextPanel::*edit)(const QString&),
                        void (ExportTextPanel::*enter)());
    void act(const std::function<void()>& action);

    ExportTextPanel& m_panel;
    std::function<void()> m_changed;
    QList<std::pair<QRadioButton*, std::function<bool(const ExportChoices&)>>> m_radios;
    QGroupBox* m_size = nullptr;
    QGroupBox* m_delimiters = nullptr;
    QGroupBox* m_charset = nullptr;
    QGroupBox* m_csv = nullptr;
    QGroupBox* m_mode = nullptr;
    QLineEdit* m_sizeEdit = nullptr;
    QLineEdit* m_delimiterEdit = nullptr;
    QLineEdit* m_separatorEdit = nullptr;
    QCheckBox* m_bom = nullptr;
    QCheckBox* m_guard = nullptr;
    bool m_movingFocus = false;
};

}  // namespace vn
