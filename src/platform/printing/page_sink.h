#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace vn {

struct PrintFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const PrintFont&) const = default;
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
    virtual void rectangle(const QRectF& rect, bool filled) = 0;
    virtual void newPage() = 0;
};

}  // namespace vn
