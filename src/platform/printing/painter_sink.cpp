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

template <class Draw>
void PainterSink::withTextPen(Draw draw) {
    const QPen pen = m_painter.pen();
    m_painter.setPen(QColor::fromRgba(m_textColour));
    draw();
    m_painter.setPen(pen);
}

void PainterSink::text(QPointF at, const QString& text) {
    withTextPen([&] {
        m_painter.drawText(at + QPointF(0, QFontMetricsF(m_painter.font(), m_painter.device()).ascent()), text);
    });
}

void PainterSink::line(QPointF from, QPointF to) { m_painter.drawLine(from, to); }

void PainterSink::rectangle(const QRectF& rect, bool filled) {
    if (filled) m_painter.fillRect(rect, QColor::fromRgba(m_fill));
    else m_painter.drawRect(rect);
}

void PainterSink::circle(QPointF centre, double radius, bool filled) {
    const QBrush brush = m_painter.brush();
    m_painter.setBrush(filled ? QBrush(QColor::fromRgba(m_fill)) : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(centre, radius, radius);
    m_painter.setBrush(brush);
}

void PainterSink::setPen(const PrintPen& pen) {
    m_pen = pen;
    QPen qpen(QColor::fromRgba(pen.colour));
    qpen.setWidthF(pen.width);
    m_painter.setPen(qpen);
}

void PainterSink::setFillColour(quint32 colour) { m_fill = colour; }

void PainterSink::setTextColour(quint32 colour) { m_textColour = colour; }

void PainterSink::setClip(const QRectF& area) { m_painter.setClipRect(area); }

void PainterSink::clearClip() { m_painter.setClipping(false); }

void PainterSink::newPage() {
    if (m_device) m_device->newPage();
}

}  // namespace vn
