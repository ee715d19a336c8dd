#pragma once

#include "requests/builder/builder_state.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vn {

class BuilderDriver;

// "Connector..." (And, Or, Process) and "Parenthesize..." with its four buttons and counters.
class ConnectorPanel : public QWidget {
    Q_OBJECT
public:
    ConnectorPanel(BuilderDriver& drive, QWidget* parent = nullptr);
    void render(const BuilderState& state);

signals:
    void processClicked();

private:
    QGroupBox* buildConnectors();
    QGroupBox* buildParentheses();

    BuilderDriver& m_drive;
    QGroupBox* m_connectors = nullptr;
    QRadioButton* m_and = nullptr;
    QRadioButton* m_or = nullptr;
    QPushButton* m_process = nullptr;
    QGroupBox* m_parentheses = nullptr;
    QPushButton* m_addOpen = nullptr;
    QPushButton* m_addClose = nullptr;
    QPushButton* m_deleteOpen = nullptr;
    QPushButton* m_deleteClose = nullptr;
    QLabel* m_openCount = nullptr;
    QLabel* m_closeCount = nullptr;
};

}  // namespace vn
