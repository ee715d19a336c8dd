#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>

namespace vn {

struct PrintFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const PrintFont&) const = default;
};

// The default family in the size, bold when asked: what most layouts switch between.
inline PrintFont printFont(double points, bool bold = false) {
    PrintFont f;
    f.pointSize = points;
    f.bold = bold;
    return f;
}

// Lines and outlines: colour (0xAARRGGBB) and width in the sink's units (0: the device's thinnest).
struct PrintPen {
    quint32 colour = 0xFF000000;
    double width = 0;
    bool operator==(const PrintPen&) const = default;
};

// Where layouts draw: a printer, a PDF, an image, or a recording for tests. Positions are in the
// sink's device units (pageSize() gives the printable page in the same units); y is the top of
// a text line.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual QSizeF pageSize() const = 0;
    virtual bool landscape() const = 0;
    virtual void setFont(const PrintFont& font) = 0;
    virtual void text(QPointF at, const QString& text) = 0;
    virtual void line(QPointF from, QPointF to) = 0;
    // Filled shapes take the fill colour; outlines the pen.
    virtual void rectangle(const QRectF& rect, bool filled) = 0;
    virtual void circle(QPointF centre, double radius, bool filled) = 0;
    virtual void setPen(const PrintPen& pen) = 0;
    virtual void setFillColour(quint32 colour) = 0;
    virtual void setTextColour(quint32 colour) = 0;
    // Text drawn after setClip shows only inside the area, until clearClip.
    virtual void setClip(const QRectF& area) = 0;
    virtual void clearClip() = 0;
    virtual void newPage() = 0;
};

}  // namespace vn
