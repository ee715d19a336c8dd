#include "designer/ui/page_canvas.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

namespace vn {

namespace {

using Kind = LayoutItem::Kind;

constexpr int kMarkSize = 12;     // check squares and radio circles
constexpr int kMarkAdvance = 18;  // from the item's left to its caption
constexpr int kTextMargin = 3;
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
    setObjectName(QStringLiteral("pageCanvas"));
    setAccessibleName(tr("Page"));
    setFixedSize(page::kWidth, page::kHeight);
}

void PageCanvas::setItems(const QList<LayoutItem>& items) {
    m_items = items;
    update();
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
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_fieldsEnabled) return QWidget::mousePressEvent(event);
    if (const int number = definitionAt(event->position().toPoint())) emit fieldClicked(number);
}

}  // namespace vn
