#include "requests/ui/math_view.h"

#include "platform/ui/named_button.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kRowsPerColumn = 10;   // a page's check boxes run in columns of this many
constexpr int kTotalCharacters = 22;  // the widest total: a sign, 15 digits, the point and 4 places

const char* const kPageNames[kPagesPerList] = {"One", "Two", "Three", "Four", "Five", "Six"};

struct OperatorButton {
    MathOperator op;
    const char* caption;
    const char* name;
};
const OperatorButton kOperators[] = {{MathOperator::Plus, "Plus", "plusButton"},
                                     {MathOperator::Minus, "Minus", "minusButton"},
                                     {MathOperator::Times, "Times", "timesButton"},
                                     {MathOperator::Divide, "Divide", "divideButton"},
                                     {MathOperator::Store, "Store", "storeButton"}};

QGroupBox* group(const QString& title, const char* name, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

MathOperand cell(MathOperand::Kind kind, int n) {
    MathOperand operand;
    operand.kind = kind;
    operand.cell = n;
    return operand;
}

}  // namespace

MathView::MathView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mathView"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("Math Operations..."), this);
    title->setObjectName(QStringLiteral("mathTitle"));
    auto* countCaption = new QLabel(QStringLiteral("Qualifing Record Count:"), this);
    m_count = new QLabel(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("qualifyingCountLabel"));
    countCaption->setBuddy(m_count);
    top->addWidget(title);
    top->addSpacing(40);
    top->addWidget(countCaption);
    top->addWidget(m_count);
    top->addStretch(1);
    layout->addLayout(top);

    auto* body = new QHBoxLayout;
    body->addWidget(buildPages(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildSteps());
    right->addWidget(buildOperators());
    right->addWidget(buildCells());
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("mathHintLabel"));
    m_hint->setWordWrap(true);
    right->addWidget(m_hint);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("mathProgress"));
    m_progress->setAccessibleName(QStringLiteral("Records calculated"));
    m_progress->hide();
    right->addWidget(m_progress);
    right->addStretch(1);
    right->addWidget(buildButtons());
    body->addLayout(right);
    layout->addLayout(body, 1);
}

// The six pages' fields are drawn by start(); the area scrolls when a list has many.
QWidget* MathView::buildPages() {
    m_pageArea = new QScrollArea(this);
    m_pageArea->setObjectName(QStringLiteral("numericFieldsArea"));
    m_pageArea->setAccessibleName(QStringLiteral("Numeric fields"));
    m_pageArea->setWidgetResizable(true);
    m_pageArea->setFrameShape(QFrame::NoFrame);
    return m_pageArea;
}

QWidget* MathView::buildSteps() {
    QGroupBox* g = group(QStringLiteral("Request ..."), "mathRequestGroup", this);
    auto* grid = new QGridLayout(g);
    for (int step = 1; step <= kMathSteps; ++step) {
        auto* choose = new QRadioButton(QStringLiteral("Step %1").arg(step), g);
        choose->setObjectName(QStringLiteral("step%1Radio").arg(step));
        auto* display = new QLineEdit(g);
        display->setObjectName(QStringLiteral("step%1Display").arg(step));
        display->setReadOnly(true);
        display->setAccessibleName(QStringLiteral("Step %1 calculation").arg(step));
        display->setMinimumWidth(display->fontMetrics().averageCharWidth() * 50);
        QPushButton* clear = namedButton(QStringLiteral("Clear"), qPrintable(QStringLiteral("step%1ClearButton").arg(step)), g);
        clear->setAccessibleDescription(QStringLiteral("Empties Step %1").arg(step));
        grid->addWidget(choose, step - 1, 0);
        grid->addWidget(display, step - 1, 1);
        grid->addWidget(clear, step - 1, 2);
        m_steps[std::size_t(step - 1)] = choose;
        m_displays[std::size_t(step - 1)] = display;
        connect(choose, &QRadioButton::clicked, this, [this, step] { emit stepChosen(step); });
        connect(clear, &QPushButton::clicked, this, [this, step] { emit clearClicked(step); });
    }
    return g;
}

QWidget* MathView::buildOperators() {
    QGroupBox* g = group(QStringLiteral("Operations..."), "operationsGroup", this);
    auto* row = new QHBoxLayout(g);
    for (const OperatorButton& o : kOperators) {
        QPushButton* b = namedButton(QString::fromLatin1(o.caption), o.name, g);
        connect(b, &QPushButton::clicked, this, [this, op = o.op] {
            clearConstant();
            emit operatorChosen(op);
        });
        row->addWidget(b);
        m_operators << b;
    }
    return g;
}

QCheckBox* MathView::addChoice(Choices& choices, const QString& caption, const QString& name, const MathOperand& operand,
                               QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [this, operand] { emit operandClicked(operand); });
    choices.append({box, operand});
    return box;
}

// Constant, Memory and Total side by side.
QWidget* MathView::buildCells() {
    auto* cells = new QWidget(this);
    auto* row = new QHBoxLayout(cells);
    row->setContentsMargins(0, 0, 0, 0);

    QGroupBox* constant = group(QStringLiteral("Constant"), "constantGroup", cells);
    auto* constantLayout = new QVBoxLayout(constant);
    m_constantCheck = new QCheckBox(QStringLiteral("Constant"), constant);
    m_constantCheck->setObjectName(QStringLiteral("constantCheck"));
    m_constant = new QLineEdit(constant);
    m_constant->setObjectName(QStringLiteral("constantEdit"));
    m_constant->setAccessibleName(QStringLiteral("Constant value"));
    m_constant->setMaxLength(CalcProgram::kConstantLength);
    m_constant->installEventFilter(this);
    constantLayout->addWidget(m_constantCheck);
    constantLayout->addWidget(m_constant);
    constantLayout->addStretch(1);
    connect(m_constantCheck, &QCheckBox::clicked, this, &MathView::constantClicked);
    // Return moves on to the operators, which the constant just added has enabled.
    connect(m_constant, &QLineEdit::returnPressed, this, [this] {
        leaveConstant();
        for (QPushButton* b : std::as_const(m_operators))
            if (b->isEnabled()) return b->setFocus(Qt::TabFocusReason);
    });

    QGroupBox* memory = group(QStringLiteral("Memory"), "memoryGroup", cells);
    auto* memoryLayout = new QVBoxLayout(memory);
    QGroupBox* total = group(QStringLiteral("Total"), "totalGroup", cells);
    auto* totalLayout = new QGridLayout(total);
    for (int n = 1; n <= kMathCells; ++n) {
        memoryLayout->addWidget(addChoice(m_cells, QStringLiteral("Memory %1").arg(n), QStringLiteral("memory%1Check").arg(n),
                                          cell(MathOperand::Kind::Memory, n), memory));
        totalLayout->addWidget(addChoice(m_cells, QStringLiteral("Total %1").arg(n), QStringLiteral("total%1Check").arg(n),
                                         cell(MathOperand::Kind::Total, n), total),
                               n - 1, 0);
        auto* value = new QLineEdit(total);
        value->setObjectName(QStringLiteral("total%1Edit").arg(n));
        value->setAccessibleName(QStringLiteral("Total %1 value").arg(n));
        value->setReadOnly(true);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString(kTotalCharacters, u'8')) + 12);
        totalLayout->addWidget(value, n - 1, 1);
        m_totals[std::size_t(n - 1)] = value;
    }
    row->addWidget(constant, 1);
    row->addWidget(memory);
    row->addWidget(total);
    return cells;
}

QWidget* MathView::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    m_process = namedButton(QStringLiteral("Process"), "mathProcessButton", buttons);
    QPushButton* instructions = namedButton(QStringLiteral("Instructions"), "mathInstructionsButton", buttons);
    QPushButton* back = namedButton(QStringLiteral("Return"), "mathReturnButton", buttons);
    row->addWidget(m_process);
    row->addWidget(instructions);
    row->addStretch(1);
    row->addWidget(back);
    connect(m_process, &QPushButton::clicked, this, &MathView::processClicked);
    connect(instructions, &QPushButton::clicked, this, &MathView::instructionsClicked);
    connect(back, &QPushButton::clicked, this, &MathView::returnClicked);
    return buttons;
}

// The page groups side by side in two rows, each field's check box in columns of ten.
void MathView::start(int recordCount, const NumericFieldPages& fields) {
    m_count->setNum(recordCount);
    m_fields.clear();
    auto* pages = new QWidget;
    pages->setObjectName(QStringLiteral("numericFieldPages"));
    auto* layout = new QGridLayout(pages);
    for (int page = 1; page <= kPagesPerList; ++page) {
        QGroupBox* g = group(QStringLiteral("Page %1 Numeric Fields...").arg(QString::fromLatin1(kPageNames[page - 1])),
                             qPrintable(QStringLiteral("page%1FieldsGroup").arg(page)), pages);
        auto* grid = new QGridLayout(g);
        const QList<MathOperand>& operands = fields[std::size_t(page - 1)];
        for (qsizetype i = 0; i < operands.size(); ++i) {
            const MathOperand& o = operands[i];
            QCheckBox* box = addChoice(m_fields, o.caption, QStringLiteral("page%1Column%2Check").arg(page).arg(o.column), o, g);
            grid->addWidget(box, int(i % kRowsPerColumn), int(i / kRowsPerColumn));
        }
        layout->addWidget(g, (page - 1) / 3, (page - 1) % 3, Qt::AlignTop);
    }
    layout->setRowStretch(2, 1);
    m_pageArea->setWidget(pages);  // the old boxes go with the old widget
    showTotals({});
    clearConstant();
    finishProgress();
}

void MathView::render(const CalcProgramState& state) {
    for (int i = 0; i < kMathSteps; ++i) {
        m_steps[std::size_t(i)]->setChecked(state.currentStep == i + 1);
        m_displays[std::size_t(i)]->setText(state.displays[std::size_t(i)]);
        m_displays[std::size_t(i)]->setCursorPosition(0);
    }
    for (const Choices* choices : {&m_fields, &m_cells})
        for (const auto& [box, operand] : *choices) box->setChecked(state.ticked && state.ticked->sameChoice(operand));
    m_constantCheck->setChecked(state.ticked && state.ticked->kind == MathOperand::Kind::Constant);
    for (QPushButton* b : std::as_const(m_operators)) b->setEnabled(state.operatorsEnabled);
    m_process->setEnabled(state.processEnabled);
    m_hint->setText(state.hint);
}

void MathView::showTotals(const std::array<QString, kMathCells>& totals) {
    for (std::size_t i = 0; i < totals.size(); ++i) {
        m_totals[i]->setText(totals[i]);
        m_totals[i]->setCursorPosition(0);
    }
}

void MathView::focusConstant() { m_constant->setFocus(Qt::OtherFocusReason); }

void MathView::clearConstant() { m_constant->clear(); }

void MathView::showProgress(qint64 done, qint64 total) {
    m_progress->setRange(0, int(total));
    m_progress->setValue(int(done));
    m_progress->show();
}

void MathView::finishProgress() { m_progress->hide(); }

// Leaving the constant box adds the constant; a window that merely loses the focus, or a menu
// that opens over it, is not leaving it.
bool MathView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_constant && event->type() == QEvent::FocusIn) m_constantEntered = true;
    if (watched == m_constant && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leaveConstant();
    }
    return QWidget::eventFilter(watched, event);
}

void MathView::leaveConstant() {
    if (!m_constantEntered) return;
    m_constantEntered = false;
    emit constantLeft(m_constant->text());
}

}  // namespace vn
