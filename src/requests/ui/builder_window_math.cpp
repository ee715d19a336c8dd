// Window 9 after the evaluation of a Math Operations request: the steps entered on the math
// view, the run over the matches, the instructions.
#include "requests/ui/builder_window.h"

#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"
#include "requests/math/calc_runner.h"
#include "requests/math/numeric_fields.h"
#include "platform/ui/busy_cursor.h"
#include "requests/ui/math_instructions_view.h"
#include "requests/ui/math_view.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QStackedWidget>

namespace vn {

namespace {

constexpr qsizetype kMathProgressStep = 50;  // records between two updates of the progress bar

}  // namespace

void RequestBuilderWindow::connectMath() {
    m_mathView = new MathView(m_views);
    m_views->addWidget(m_mathView);
    m_mathInstructions = new MathInstructionsView(m_views);
    m_views->addWidget(m_mathInstructions);
    using V = MathView;
    using C = CalcProgram;
    connect(m_mathView, &V::stepChosen, this, [this](int step) { onMath([step](C& c) { c.chooseStep(step); }); });
    connect(m_mathView, &V::clearClicked, this, [this](int step) { onMath([step](C& c) { c.clearStep(step); }); });
    connect(m_mathView, &V::operandClicked, this,
            [this](const MathOperand& operand) { onMath([operand](C& c) { c.clickOperand(operand); }); });
    connect(m_mathView, &V::operatorChosen, this, [this](MathOperator op) { onMath([op](C& c) { c.chooseOperator(op); }); });
    connect(m_mathView, &V::constantClicked, this, [this] {
        bool enter = false;
        onMath([&enter](C& c) { enter = c.clickConstant(); });
        enter ? m_mathView->focusConstant() : m_mathView->clearConstant();
    });
    connect(m_mathView, &V::constantLeft, this, [this](const QString& text) { leaveConstant(text); });
    connect(m_mathView, &V::processClicked, this, [this] { processMath(); });
    connect(m_mathView, &V::instructionsClicked, this, [this] {
        m_instructionsShown = true;
        redraw();
    });
    connect(m_mathView, &V::returnClicked, this, [this] { m_drive([](RequestBuilder& b) { b.openRequestMenu(); }); });
    connect(m_mathInstructions, &MathInstructionsView::printClicked, this, [this] { printMathInstructions(m_session); });
    connect(m_mathInstructions, &MathInstructionsView::returnClicked, this, [this] {
        m_instructionsShown = false;
        redraw();
    });
}

// A fresh calculation on the matches just found.
void RequestBuilderWindow::startMath() {
    m_calc = CalcProgram();
    m_instructionsShown = false;
    m_mathView->start(int(m_builder.matchList().size()), numericFields(*m_definitions));
}

QWidget* RequestBuilderWindow::drawMath() {
    m_mathView->render(m_calc.state());
    return m_instructionsShown ? static_cast<QWidget*>(m_mathInstructions) : m_mathView;
}

void RequestBuilderWindow::onMath(const std::function<void(CalcProgram&)>& event) {
    if (m_drive.drawing()) return;
    event(m_calc);
    m_drive.redraw();
}

void RequestBuilderWindow::leaveConstant(const QString& text) {
    QString refusal;
    onMath([&refusal, &text](CalcProgram& c) { refusal = c.leaveConstant(text); });
    if (refusal.isEmpty()) return;
    m_mathView->clearConstant();
    m_session.prompter.warning(refusal);
}

// Every match in one transaction; the totals in full, then one message for the records skipped.
void RequestBuilderWindow::processMath() {
    if (m_drive.drawing()) return;
    const MatchList matches = m_builder.matchList();
    m_mathView->showTotals({});
    std::optional<CalcOutcome> outcome;
    QString failure;
    {
        BusyCursor busy;
        const auto progress = [this, total = matches.size()](qsizetype done) {
            if (done % kMathProgressStep != 0) return;
            m_mathView->showProgress(done, total);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
        try {
            outcome = runCalculation(m_session.access, m_builder.listCode(), matches, m_calc.steps(),
                                     numericFieldSizes(*m_definitions, m_session.access), progress);
        } catch (const StoreError& e) {
            failure = e.message();
        }
        m_mathView->finishProgress();
    }
    m_calc.finishRun();
    if (outcome) m_mathView->showTotals(totalTexts(m_calc.steps(), *outcome));
    m_drive.redraw();
    if (!failure.isEmpty()) m_session.prompter.error(failure);
    else if (!outcome->skipped.isEmpty()) m_session.prompter.warning(skippedMessage(outcome->skipped));
}

}  // namespace vn
