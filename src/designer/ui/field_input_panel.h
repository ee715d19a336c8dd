#pragma once

#include "designer/page_designer/field_inputs.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vn {

// The add and modify views of every field kind in one panel: it shows the inputs of the kind
// and mode, reports every edit as a whole FieldInputs, and shows what the rules kept.
class FieldInputPanel : public QWidget {
    Q_OBJECT
public:
    explicit FieldInputPanel(QWidget* parent = nullptr);

    void showKind(FieldKind kind, bool adding);
    void setInputs(const FieldInputs& inputs, int labelCharactersRemaining);
    FieldInputs inputs() const;
    void setButtons(bool placeEnabled, bool cancelEnabled);
    void setSelectionListEnabled(bool enabled);
    void setHelpShown(bool shown);  // the kind has a help text
    void focusName();

signals:
    void edited();
    void nameOrSizeLeft();
    void placeClicked();
    void cancelClicked();
    void continueClicked();
    void deleteClicked();
    void selectionListClicked();
    void helpClicked();

private:
    QLineEdit* addEdit(QFormLayout* form, const QString& caption, const char* objectName);
    QCheckBox* addCheck(QFormLayout* form, const QString& caption, const char* objectName);
    QSpinBox* addSpin(QFormLayout* form, const QString& caption, const char* objectName, int maximum);
    void buildText(QFormLayout* form);
    void buildRadio(QFormLayout* form);
    void buildLabel(QFormLayout* form);
    void buildTable(QFormLayout* form);
    void buildButtons(QFormLayout* form);
    void setRowsVisible(const QList<QWidget*>& widgets, bool visible);

    QFormLayout* m_form = nullptr;
    FieldKind m_kind = FieldKind::None;
    bool m_adding = true;
    bool m_rendering = false;
    QLabel* m_title = nullptr;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_size = nullptr;
    QComboBox* m_characterType = nullptr;
    QCheckBox* m_required = nullptr;
    QCheckBox* m_readOnly = nullptr;
    QCheckBox* m_standardList = nullptr;
    QCheckBox* m_exclusiveList = nullptr;
    QPushButton* m_selectionList = nullptr;
    std::array<QLineEdit*, 10> m_buttons{};
    QLabel* m_remaining = nullptr;
    QSpinBox* m_labelWidth = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QComboBox* m_colour = nullptr;
    QCheckBox* m_bold = nullptr;
    QSpinBox* m_columnCount = nullptr;
    QSpinBox* m_rowCount = nullptr;
    std::array<QLineEdit*, 5> m_columnTitles{};
    std::array<QSpinBox*, 5> m_columnSizes{};
    std::array<QLineEdit*, 10> m_rowNames{};
    QPushButton* m_help = nullptr;
    QPushButton* m_place = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_continue = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace vn
