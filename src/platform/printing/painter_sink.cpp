#include "platform/printing/painter_sink.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vn {

PainterSink::PainterSink(QPainter& painter, QPagedPaintDevice* device, QSizeF pageSize, bool landscape)
    : m_painter(painter), m_device(device), m_size(pageSize), m_landscape(landscape) {}

void PainterSink::setFont(const PrintFont& f) {
    QFont font(f.family);
    font.setPointSizeF(f.pointSize);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_painter.setFont(font);
}

void PainterSink::text(QPointF at, const QString& text) {
    m_painter.drawText(at + QPointF(0, QFontMetricsF(m_painter.font(), m_painter.device()).ascent()), text);
}

void PainterSink::line(QPointF from, QPointF to) { m_painter.drawLine(from, to); }

void PainterSink::rectangle(const QRectF& rect, bool filled) {
    if (filled) m_painter.fillRect(rect, m_painter.pen().color());
    else m_painter.drawRect(rect);
}

void PainterSink::newPage() {
    if (m_device) m_device->newPage();
}

}  // namespace vn
