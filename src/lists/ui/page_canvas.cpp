#include "lists/ui/page_canvas.h"

#include "lists/pages/field_order.h"
#include "lists/ui/page_canvas_accessible.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

constexpr int kMarkSize = 12;     // check squares and radio circles
constexpr int kMarkAdvance = 18;  // from the item's left to its caption
constexpr int kTextMargin = 3;
constexpr int kFocusFrame = 2;
const QColor kBoxBorder(0x80, 0x80, 0x80);

// The page's clickable parts: captions, grid lines and table texts belong to their field but do
// not select it.
bool selects(Kind kind) {
    return kind != Kind::Caption && kind != Kind::TableLine && kind != Kind::TableText;
}

void drawText(QPainter& p, const QRect& rect, const QString& text, const QFont& font, int flags,
              const QColor& colour = Qt::black) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, flags, text);
}

void drawBox(QPainter& p, const LayoutItem& item, std::optional<QColor> highlight) {
    p.fillRect(item.rect, highlight.value_or(Qt::white));
    p.setPen(kBoxBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(item.rect.adjusted(0, 0, -1, -1));
    const QRect inner = item.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const int vertical = item.kind == Kind::MemoBox ? Qt::AlignTop : Qt::AlignVCenter;
    drawText(p, inner, item.text, pageFont(item.pointSize), Qt::AlignLeft | vertical);
}

// A check square or radio circle at the item's left with the caption after it.
void drawMarked(QPainter& p, const LayoutItem& item, std::optional<QColor> highlight) {
    if (highlight) p.fillRect(item.rect, *highlight);
    const QRect mark(item.rect.left() + 2, item.rect.center().y() - kMarkSize / 2, kMarkSize, kMarkSize);
    p.setPen(kBoxBorder);
    p.setBrush(Qt::white);
    if (item.kind == Kind::RadioButton)
        p.drawEllipse(mark);
    else
        p.drawRect(mark);
    const QRect caption = item.rect.adjusted(kMarkAdvance, 0, 0, 0);
    drawText(p, caption, item.text, pageFont(item.pointSize), Qt::AlignLeft | Qt::AlignVCenter);
}

void drawGroup(QPainter& p, const LayoutItem& item, std::optional<QColor> highlight, const QColor& window) {
    const QColor background = highlight.value_or(window);
    if (highlight) p.fillRect(item.rect, background);
    const QFont font = pageFont(item.pointSize);
    const int titleMiddle = QFontMetrics(font).height() / 2;
    p.setPen(kBoxBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(item.rect.adjusted(0, titleMiddle, -1, -1));
    const int titleWidth = QFontMetrics(font).horizontalAdvance(item.text) + 2 * kTextMargin;
    const QRect title(item.rect.left() + 2 * kTextMargin, item.rect.top(), titleWidth, 2 * titleMiddle);
    p.fillRect(title, background);
    drawText(p, title, item.text, font, Qt::AlignCenter);
}

void drawLabel(QPainter& p, const LayoutItem& item, std::optional<QColor> highlight) {
    if (highlight) p.fillRect(item.rect, *highlight);
    drawText(p, item.rect, item.text, pageFont(item.pointSize, item.bold, item.underline),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QColor::fromRgba(item.colour));
}

void drawItem(QPainter& p, const LayoutItem& item, std::optional<QColor> highlight, const QColor& window) {
    switch (item.kind) {
    case Kind::Caption:
        drawText(p, item.rect, item.text, pageFont(item.pointSize), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        break;
    case Kind::TableText:
        drawText(p, item.rect.adjusted(1, 0, 0, 0), item.text, pageFont(item.pointSize), Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Kind::TextBox:
    case Kind::MemoBox: drawBox(p, item, highlight); break;
    case Kind::TableCell: drawBox(p, item, std::nullopt); break;
    case Kind::CheckBox:
    case Kind::RadioButton: drawMarked(p, item, highlight); break;
    case Kind::RadioGroup: drawGroup(p, item, highlight, window); break;
    case Kind::Label:
    case Kind::Link: drawLabel(p, item, highlight); break;
    case Kind::TableLine: p.fillRect(item.rect, highlight.value_or(QColor::fromRgba(item.colour))); break;
    }
}

// A selected field's parts that take its kind's colour: the grid lines of a table, the
// background of the other kinds' main part.
bool takesHighlight(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::MemoBox:
    case Kind::CheckBox:
    case Kind::RadioGroup:
    case Kind::Label:
    case Kind::Link:
    case Kind::TableLine: return true;
    default: return false;
    }
}

}  // namespace

QFont pageFont(int pointSize, bool bold, bool underline) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

int QtTextMeasure::width(const QString& text, int pointSize, bool bold) const {
    return QFontMetrics(pageFont(pointSize, bold)).horizontalAdvance(text);
}

PageCanvas::PageCanvas(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(pageCanvasAccessibleFactory), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("pageCanvas"));
    setAccessibleName(tr("Page"));
    setFixedSize(page::kWidth, page::kHeight);
    setFocusPolicy(Qt::StrongFocus);
}

void PageCanvas::setItems(const QList<LayoutItem>& items) {
    m_items = items;
    m_fields = fieldsInReadingOrder(items);
    if (!m_fields.contains(m_focusField)) m_focusField = 0;
    update();
    PageCanvasAccessible::fieldsChanged(*this);
}

void PageCanvas::setHighlight(int definitionNumber) {
    m_highlight = definitionNumber;
    update();
}

void PageCanvas::setFieldsEnabled(bool enabled) { m_fieldsEnabled = enabled; }

int PageCanvas::definitionAt(QPoint point) const {
    // Later items are drawn on top, so they are found first.
    for (auto it = m_items.crbegin(); it != m_items.crend(); ++it)
        if (selects(it->kind) && it->rect.contains(point)) return it->definitionNumber;
    return 0;
}

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor window = palette().color(QPalette::Window);
    p.fillRect(rect(), window);
    for (const LayoutItem& item : m_items) {
        std::optional<QColor> highlight;
        if (m_highlight != 0 && item.definitionNumber == m_highlight && takesHighlight(item.kind))
            highlight = QColor::fromRgba(highlightColour(item.fieldKind));
        drawItem(p, item, highlight, window);
    }
    if (hasFocus()) drawFocus(p);
}

// A frame around the whole field the keyboard is on, caption included.
void PageCanvas::drawFocus(QPainter& p) const {
    if (!m_focusField) return;
    p.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(fieldBounds(m_items, m_focusField).adjusted(-kFocusFrame, -kFocusFrame, kFocusFrame - 1, kFocusFrame - 1));
}

void PageCanvas::setFocusField(int definitionNumber) {
    if (!m_fields.contains(definitionNumber) || definitionNumber == m_focusField) return;
    m_focusField = definitionNumber;
    update();
    if (hasFocus()) PageCanvasAccessible::focusMoved(*this);
}

void PageCanvas::chooseField(int definitionNumber) {
    if (!m_fieldsEnabled || !m_fields.contains(definitionNumber)) return;
    setFocusField(definitionNumber);
    emit fieldChosen(definitionNumber);
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (const int number = definitionAt(event->position().toPoint())) chooseField(number);
}

// Moves the keyboard to the field `by` places on; false past either end.
bool PageCanvas::stepFocus(int by) {
    const qsizetype at = m_fields.indexOf(m_focusField);
    const qsizetype to = at < 0 ? (by > 0 ? 0 : m_fields.size() - 1) : at + by;
    if (to < 0 || to >= m_fields.size()) return false;
    setFocusField(m_fields[to]);
    return true;
}

void PageCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: stepFocus(1); break;
    case Qt::Key_Left:
    case Qt::Key_Up: stepFocus(-1); break;
    case Qt::Key_Home: setFocusField(m_fields.value(0)); break;
    case Qt::Key_End: setFocusField(m_fields.value(m_fields.size() - 1)); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: chooseField(m_focusField); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// Tab walks the fields and leaves the page after the last; while no field can be chosen the
// page is one stop.
bool PageCanvas::focusNextPrevChild(bool next) {
    if (hasFocus() && m_fieldsEnabled && stepFocus(next ? 1 : -1)) return true;
    return QWidget::focusNextPrevChild(next);
}

void PageCanvas::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason && !m_fields.isEmpty()) m_focusField = m_fields.first();
    else if (event->reason() == Qt::BacktabFocusReason && !m_fields.isEmpty()) m_focusField = m_fields.last();
    else if (!m_focusField && !m_fields.isEmpty()) m_focusField = m_fields.first();
    QWidget::focusInEvent(event);
    update();
    PageCanvasAccessible::focusMoved(*this);
}

void PageCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace vn
