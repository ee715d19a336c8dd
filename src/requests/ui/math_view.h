#pragma once

#include "requests/math/calc_program.h"
#include "requests/math/numeric_fields.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vn {

// "Math Operations...": the numeric fields of each page, the five steps, the operators, the
// constant, memory and total cells. Draws what CalcProgram says and hands every click on.
class MathView : public QWidget {
    Q_OBJECT
public:
    explicit MathView(QWidget* parent = nullptr);

    // A new calculation: the record count and a check box per numeric field; totals and the
    // constant box empty.
    void start(int recordCount, const NumericFieldPages& fields);
    void render(const CalcProgramState& state);
    // The "Total" boxes, each text in full.
    void showTotals(const std::array<QString, kMathCells>& totals);
    void focusConstant();
    void clearConstant();
    void showProgress(qint64 done, qint64 total);
    void finishProgress();

signals:
    void stepChosen(int step);
    void clearClicked(int step);
    void operandClicked(const MathOperand& operand);
    void constantClicked();
    void constantLeft(const QString& text);
    void operatorChosen(MathOperator op);
    void processClicked();
    void instructionsClicked();
    void returnClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPages();
    QWidget* buildSteps();
    QWidget* buildOperators();
    QWidget* buildCells();
    QWidget* buildButtons();
    using Choices = QList<std::pair<QCheckBox*, MathOperand>>;
    QCheckBox* addChoice(Choices& choices, const QString& caption, const QString& name, const MathOperand& operand,
                         QWidget* parent);
    void leaveConstant();

    QLabel* m_count = nullptr;
    QScrollArea* m_pageArea = nullptr;
    Choices m_fields;
    Choices m_cells;  // memory and total cells
    std::array<QRadioButton*, kMathSteps> m_steps{};
    std::array<QLineEdit*, kMathSteps> m_displays{};
    QList<QPushButton*> m_operators;
    QCheckBox* m_constantCheck = nullptr;
    QLineEdit* m_constant = nullptr;
    bool m_constantEntered = false;  // the box has the focus: leaving it adds the constant
    std::array<QLineEdit*, kMathCells> m_totals{};
    QLabel* m_hint = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_process = nullptr;
};

}  // namespace vn
