#include "requests/ui/target_panel.h"

#include "requests/builder/builder_texts.h"
#include "requests/ui/builder_driver.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

TargetPanel::TargetPanel(BuilderDriver& drive, QWidget* parent) : QWidget(parent), m_drive(drive) {
    setObjectName(QStringLiteral("targetPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildOperators());
    m_targetCaption = new QLabel(QStringLiteral("Target..."), this);
    m_target = new QLineEdit(this);
    m_target->setObjectName(QStringLiteral("targetEdit"));
    m_targetCaption->setBuddy(m_target);
    m_target->installEventFilter(this);
    layout->addWidget(m_targetCaption);
    layout->addWidget(m_target);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("targetList"));
    m_list->setAccessibleName(QStringLiteral("Target list"));
    m_list->setToolTip(builder_text::kTargetListTip);
    layout->addWidget(m_list, 1);
    m_continueNote = new QLabel(builder_text::kContinueNote, this);
    m_continueNote->setObjectName(QStringLiteral("continueNote"));
    m_continueNote->setWordWrap(true);
    m_continue = new QPushButton(QStringLiteral("Continue"), this);
    m_continue->setObjectName(QStringLiteral("continueButton"));
    layout->addWidget(m_continueNote);
    layout->addWidget(m_continue);
    layout->addStretch(0);
    connect(m_target, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_drive([&text](RequestBuilder& b) { b.typeTarget(text); }); });
    connect(m_target, &QLineEdit::returnPressed, this, [this] { leaveForOperators(); });
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_drive([rows = pickedRows()](RequestBuilder& b) { b.pickTargets(rows); }); });
    connect(m_continue, &QPushButton::clicked, this, [this] { m_drive([](RequestBuilder& b) { b.continueTargets(); }); });
}

QGroupBox* TargetPanel::buildOperators() {
    m_operators = new QGroupBox(QStringLiteral("Operator..."), this);
    m_operators->setObjectName(QStringLiteral("operatorGroup"));
    auto* layout = new QVBoxLayout(m_operators);
    for (const OperatorCaption& o : operatorCaptions()) {
        auto* button = new QRadioButton(QString::fromLatin1(o.caption), m_operators);
        button->setObjectName(QString::fromLatin1(o.objectName));
        button->setAutoExclusive(false);  // the builder says which one is ticked
        const CompareOp op = o.op;
        connect(button, &QRadioButton::toggled, this, [this, op](bool on) {
            m_drive([op, on](RequestBuilder& b) {
                if (on) b.clickOperator(op);
            });
        });
        layout->addWidget(button);
        m_operatorButtons.append({op, button});
    }
    return m_operators;
}

void TargetPanel::render(const BuilderState& state) {
    m_operators->setVisible(state.operatorsShown);
    for (const auto& [op, button] : std::as_const(m_operatorButtons)) {
        const QSignalBlocker quiet(button);
        button->setChecked(state.tickedOperator == op);
    }
    m_target->setVisible(state.targetEditShown);
    if (m_target->text() != state.targetText) {
        const QSignalBlocker quiet(m_target);
        m_target->setText(state.targetText);
    }
    if (state.focusTargetEdit && !m_target->hasFocus()) m_target->setFocus(Qt::OtherFocusReason);
    renderList(state);
}

void TargetPanel::renderList(const BuilderState& state) {
    const bool listed = state.targetList != TargetInput::Edit;
    // One caption for the edit box and the list, whichever gives the target.
    m_targetCaption->setVisible(listed || state.targetEditShown);
    m_targetCaption->setBuddy(listed ? static_cast<QWidget*>(m_list) : m_target);
    m_list->setVisible(listed);
    m_continue->setVisible(listed);
    m_continueNote->setVisible(listed);
    m_continue->setEnabled(state.continueEnabled);
    const QSignalBlocker quiet(m_list);
    if (state.targetEntries != m_drawnEntries) {
        m_drawnEntries = state.targetEntries;
        m_list->clear();
        for (const TargetEntry& entry : state.targetEntries) m_list->addItem(entry.shown);
    }
    m_list->setSelectionMode(state.severalPicks ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    for (int row = 0; row < m_list->count(); ++row) m_list->item(row)->setSelected(state.picked.contains(row));
}

QList<int> TargetPanel::pickedRows() const {
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected()) rows << row;
    return rows;
}

// Return records the target and goes on to the operators.
void TargetPanel::leaveForOperators() {
    m_drive([](RequestBuilder& b) { b.leaveTarget(); });
    for (const auto& [op, button] : std::as_const(m_operatorButtons))
        if (button->isChecked()) button->setFocus(Qt::TabFocusReason);
}

// Leaving the box records its text, also an empty one; clicking (or tabbing) into it after its
// target was given takes the target back. The window losing or regaining the focus does neither.
bool TargetPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (watched != m_target || (!focusIn && event->type() != QEvent::FocusOut))
        return QWidget::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (focusIn && reason != Qt::OtherFocusReason) m_drive([](RequestBuilder& b) { b.enterTarget(); });
    if (!focusIn) m_drive([](RequestBuilder& b) { b.leaveTarget(); });
    return false;
}

}  // namespace vn
