#pragma once

#include "platform/printing/page_sink.h"

class QPainter;
class QPagedPaintDevice;

namespace vn {

// Draws on a printer, a PDF writer or an image through QPainter. Printed text is not shaped,
// so "fi" stays two letters.
class PainterSink : public PageSink {
public:
    // device: for newPage(); null for a single-page device such as an image.
    PainterSink(QPainter& painter, QPagedPaintDevice* device, QSizeF pageSize, bool landscape);

    QSizeF pageSize() const override { return m_size; }
    bool landscape() const override { return m_landscape; }
    void setFont(const PrintFont& font) override;
    void text(QPointF at, const QString& text) override;
    void line(QPointF from, QPointF to) override;
    void rectangle(const QRectF& rect, bool filled) override;
    void circle(QPointF centre, double radius, bool filled) override;
    void setPen(const PrintPen& pen) override;
    void setFillColour(quint32 colour) override;
    void setTextColour(quint32 colour) override;
    void setClip(const QRectF& area) override;
    void clearClip() override;
    void newPage() override;

private:
    // Text takes its own colour; lines and outlines the pen's.
    template <class Draw>
    void withTextPen(Draw draw);

    PrintPen m_pen;
    quint32 m_fill = 0xFF000000;
    quint32 m_textColour = 0xFF000000;
    QPainter& m_painter;
    QPagedPaintDevice* m_device;
    QSizeF m_size;
    bool m_landscape;
};

}  // namespace vn
