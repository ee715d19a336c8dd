#pragma once

#include "requests/builder/label_choices.h"
#include "requests/labels/label_run.h"

#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class QueueNameBox;

// The label set-up view ("Select Label Setup..."): one label per record, family or address, the
// first line, the style or the custom layout, casing, sorting, and where the labels go.
class LabelSetupView : public QWidget {
    Q_OBJECT
public:
    QueueNameBox* queueBox() const { return m_queue; }
    // Hands one user event to the label choices, then has the window drawn again.
    using Drive = std::function<void(const std::function<void(LabelChoices&)>& event)>;

    explicit LabelSetupView(Drive drive, QWidget* parent = nullptr);
    void render(const LabelChoicesState& state, bool addToQueueShown);

signals:
    void outputChosen(LabelOutput output);

private:
    QWidget* buildChoices();
    QWidget* buildFirstLine();
    QWidget* buildStyles();
    QGroupBox* buildLayoutBoxes();
    QWidget* buildSample();
    QWidget* buildBottom();

    Drive m_drive;
    QButtonGroup* m_modes = nullptr;
    QButtonGroup* m_casings = nullptr;
    QButtonGroup* m_sorts = nullptr;
    QLabel* m_matches = nullptr;
    QGroupBox* m_firstLineGroup = nullptr;
    QButtonGroup* m_firstLines = nullptr;
    QWidget* m_userTextRow = nullptr;
    QLineEdit* m_userText = nullptr;
    QGroupBox* m_recordStyleGroup = nullptr;
    QButtonGroup* m_recordStyles = nullptr;
    QGroupBox* m_familyStyleGroup = nullptr;
    QButtonGroup* m_familyStyles = nullptr;
    QGroupBox* m_layoutGroup = nullptr;
    std::array<QLineEdit*, kLabelBoxCount> m_boxes{};
    QPushButton* m_clear = nullptr;
    QWidget* m_sampleColumn = nullptr;
    QLabel* m_sample = nullptr;
    QPlainTextEdit* m_hint = nullptr;
    QGroupBox* m_output = nullptr;
    QueueNameBox* m_queue = nullptr;
};

}  // namespace vn
