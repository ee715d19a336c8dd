#include "entry/ui/page_form.h"

#include "lists/pages/field_order.h"
#include "lists/ui/page_canvas.h"
#include "entry/ui/editing_colour.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

QString columnName(const char* kind, int column) { return QStringLiteral("%1%2").arg(QString::fromLatin1(kind)).arg(column); }

bool asksHelp(Kind kind) { return kind == Kind::Caption || kind == Kind::CheckBox || kind == Kind::RadioGroup; }

}  // namespace

PageForm::PageForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageForm"));
    setFixedSize(page::kWidth, page::kHeight);
    setFocusPolicy(Qt::ClickFocus);  // Enter in a text box hands the focus to the page
    m_colour = new EditingColour(this);
}

void PageForm::build(const QList<LayoutItem>& items, ValueChanged changed) {
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    m_controls.clear();
    m_radios.clear();
    m_groups.clear();
    m_tabOrder.clear();
    m_textFields.clear();
    m_captions.clear();
    m_helpTargets.clear();
    m_firstCell = nullptr;
    m_changed = std::move(changed);
    // Radio buttons need their group first, and boxes their caption; the layout gives them first.
    QList<QWidget*> made;
    for (const LayoutItem& item : items) {
        made << addItem(item);
        if (made.last() && asksHelp(item.kind)) m_helpTargets.append({made.last(), item.definitionNumber});
    }
    chainFocus(items, made);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->show();
}

QWidget* PageForm::addItem(const LayoutItem& item) {
    switch (item.kind) {
    case Kind::TextBox:
    case Kind::TableCell: return addTextBox(item);
    case Kind::MemoBox: return addMemo(item);
    case Kind::CheckBox: return addCheckBox(item);
    case Kind::RadioGroup: return addRadioGroup(item);
    case Kind::RadioButton: return addRadioButton(item);
    case Kind::TableLine: return addLine(item);
    case Kind::Caption:
    case Kind::Label:
    case Kind::Link:
    case Kind::TableText: return addText(item);
    }
    return nullptr;
}

// Assistive technology announces a box by its caption, which the page draws apart from it.
void PageForm::nameAfterCaption(QWidget* control, const LayoutItem& item) {
    control->setAccessibleName(item.name);
    QLabel* caption = m_captions.value(item.definitionNumber);
    if (!caption) return;
    caption->setText(caption->text().replace(QLatin1Char('&'), QLatin1String("&&")));  // a buddy makes "&" a shortcut
    caption->setBuddy(control);
}

// Tab walks the page as the designer ordered it, not in the order the controls were made.
void PageForm::chainFocus(const QList<LayoutItem>& items, const QList<QWidget*>& made) {
    QWidget* previous = nullptr;
    for (int index : focusOrder(items)) {
        QWidget* control = made.value(index);
        if (!control) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void PageForm::report(int column, const QString& value) {
    if (!m_showing && m_changed) m_changed(column, value);
}

QWidget* PageForm::addTextBox(const LayoutItem& item) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(columnName("column", item.recordColumn));
    edit->setGeometry(item.rect);
    edit->setFont(pageFont(8));
    nameAfterCaption(edit, item);
    const int column = item.recordColumn;
    m_controls.insert(column, edit);
    m_colour->watch(edit);
    if (item.kind == Kind::TableCell) {
        connect(edit, &QLineEdit::textChanged, this, [this, column](const QString& text) { report(column, text); });
        connect(edit, &QLineEdit::returnPressed, this, [this, column] { enterInCell(column); });
        if (!m_firstCell) m_firstCell = edit;
        return edit;
    }
    m_textFields.insert(column, item.definitionNumber);
    if (item.tabOrder > 0) m_tabOrder.insert(item.tabOrder, column);
    return edit;
}

void PageForm::enterInCell(int column) {
    constexpr int kFirstCellColumn = 71, kColumnsPerRow = 5;
    const int index = column - kFirstCellColumn;  // 0-based: row * 5 + column
    const auto usable = [this](int c) {
        QWidget* w = m_controls.value(c);
        return w && w->isVisible() && w->isEnabled() ? w : nullptr;
    };
    const int rowStart = kFirstCellColumn + (index / kColumnsPerRow) * kColumnsPerRow;
    if (index % kColumnsPerRow < kColumnsPerRow - 1)
        if (QWidget* next = usable(column + 1)) {
            next->setFocus();
            return;
        }
    if (QWidget* below = usable(rowStart + kColumnsPerRow)) {
        below->setFocus();
        return;
    }
    if (m_gridEnd) m_gridEnd();
}

QWidget* PageForm::addMemo(const LayoutItem& item) {
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(columnName("column", item.recordColumn));
    memo->setGeometry(item.rect);
    nameAfterCaption(memo, item);
    const int column = item.recordColumn;
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, column] { report(column, memo->toPlainText()); });
    m_controls.insert(column, memo);
    return memo;
}

QWidget* PageForm::addCheckBox(const LayoutItem& item) {
    auto* box = new QCheckBox(item.text, this);
    box->setObjectName(columnName("column", item.recordColumn));
    box->setGeometry(item.rect);
    box->setFont(pageFont(8));
    box->setAccessibleName(item.name);
    const int column = item.recordColumn;
    connect(box, &QCheckBox::toggled, this, [this, column](bool on) { report(column, on ? QStringLiteral("1") : QStringLiteral("0")); });
    m_controls.insert(column, box);
    return box;
}

QWidget* PageForm::addRadioGroup(const LayoutItem& item) {
    auto* group = new QGroupBox(item.text, this);
    group->setObjectName(columnName("group", item.recordColumn));
    group->setGeometry(item.rect);
    group->setFont(pageFont(8));
    group->setAccessibleName(item.name);
    m_groups.insert(item.recordColumn, group);
    auto* buttons = new QButtonGroup(group);
    buttons->setObjectName(columnName("buttons", item.recordColumn));
    const int column = item.recordColumn;
    connect(buttons, &QButtonGroup::idToggled, this, [this, column](int id, bool on) {
        if (on) report(column, QString::number(id));
    });
    m_radios.insert(column, {});
    return group;
}

QWidget* PageForm::addRadioButton(const LayoutItem& item) {
    QWidget* group = m_groups.value(item.recordColumn);
    if (!group) return nullptr;
    auto* button = new QRadioButton(item.text, group);
    button->setAccessibleName(item.name);
    button->setObjectName(QStringLiteral("column%1Button%2").arg(item.recordColumn).arg(item.buttonNumber));
    button->setGeometry(item.rect.translated(-group->geometry().topLeft()));
    button->setFont(pageFont(8));
    group->findChild<QButtonGroup*>()->addButton(button, item.buttonNumber);
    m_radios[item.recordColumn] << button;
    if (!m_controls.contains(item.recordColumn)) m_controls.insert(item.recordColumn, button);
    return button;
}

QWidget* PageForm::addText(const LayoutItem& item) {
    auto* label = new QLabel(item.text, this);
    if (item.kind == Kind::Caption) m_captions.insert(item.definitionNumber, label);
    label->setGeometry(item.rect);
    label->setWordWrap(item.kind != Kind::TableText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(pageFont(item.pointSize, item.bold, item.underline));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(item.colour));
    label->setPalette(palette);
    if (item.kind == Kind::Link) {
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        label->setOpenExternalLinks(true);
        label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(item.text.toHtmlEscaped(), item.text.toHtmlEscaped()));
    }
    return label;
}

QWidget* PageForm::addLine(const LayoutItem& item) {
    auto* line = new QFrame(this);
    line->setGeometry(item.rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(item.colour));
    line->setPalette(palette);
    return line;
}

void PageForm::showValues(const std::function<QString(int column)>& valueOf) {
    m_showing = true;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        const QString value = valueOf(it.key());
        if (auto* edit = qobject_cast<QLineEdit*>(it.value())) edit->setText(value);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(it.value())) memo->setPlainText(value);
        else if (auto* box = qobject_cast<QCheckBox*>(it.value())) box->setChecked(value == QLatin1String("1"));
    }
    for (auto it = m_radios.cbegin(); it != m_radios.cend(); ++it) {
        const int chosen = valueOf(it.key()).toInt();
        for (QAbstractButton* b : it.value()) {
            QButtonGroup* group = b->group();
            const bool exclusive = group->exclusive();
            group->setExclusive(false);
            b->setChecked(group->id(b) == chosen);
            group->setExclusive(exclusive);
        }
    }
    m_showing = false;
}

void PageForm::markHelp(const std::function<bool(int definitionNumber)>& hasHelp) {
    for (const auto& [control, number] : std::as_const(m_helpTargets)) {
        if (!hasHelp(number)) continue;
        control->setToolTip(QStringLiteral("Agent Help Available"));
        control->installEventFilter(this);
    }
}

// Radio buttons leave a right click to their group, so the group's filter sees it too.
bool PageForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
        return QWidget::eventFilter(watched, event);
    for (const auto& [control, number] : std::as_const(m_helpTargets))
        if (control == watched) {
            emit helpAsked(number);
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

QWidget* PageForm::textBoxAt(int tabOrder) const {
    return m_tabOrder.contains(tabOrder) ? m_controls.value(m_tabOrder.value(tabOrder)) : nullptr;
}

}  // namespace vn
