#pragma once

#include "requests/builder/builder_state.h"

#include <QList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vn {

class BuilderDriver;

// "Operator...", "Target..." with its edit box, the target list and "Continue".
class TargetPanel : public QWidget {
    Q_OBJECT
public:
    TargetPanel(BuilderDriver& drive, QWidget* parent = nullptr);
    void render(const BuilderState& state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildOperators();
    void renderList(const BuilderState& state);
    QList<int> pickedRows() const;
    void leaveForOperators();

    BuilderDriver& m_drive;
    QGroupBox* m_operators = nullptr;
    QList<std::pair<CompareOp, QRadioButton*>> m_operatorButtons;
    QLabel* m_targetCaption = nullptr;
    QLineEdit* m_target = nullptr;
    QListWidget* m_list = nullptr;
    QList<TargetEntry> m_drawnEntries;
    QPushButton* m_continue = nullptr;
    QLabel* m_continueNote = nullptr;
};

}  // namespace vn
