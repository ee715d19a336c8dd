#pragma once

#include "platform/printing/page_sink.h"

#include <QList>

namespace vn {

// Keeps every drawing operation, for tests and for checking layouts.
class RecordingSink : public PageSink {
public:
    struct Op {
        enum Kind { Font, Text, Line, Rectangle, NewPage } kind;
        PrintFont font;
        QPointF at;
        QPointF to;
        QString text;
        bool filled = false;
    };

    explicit RecordingSink(QSizeF size = {800, 1100}, bool isLandscape = false) : m_size(size), m_landscape(isLandscape) {}

    QSizeF pageSize() const override { return m_size; }
    bool landscape() const override { return m_landscape; }
    void setFont(const PrintFont& font) override { ops.append({Op::Font, font, {}, {}, {}, false}); }
    void text(QPointF at, const QString& text) override { ops.append({Op::Text, {}, at, {}, text, false}); }
    void line(QPointF from, QPointF to) override { ops.append({Op::Line, {}, from, to, {}, false}); }
    void rectangle(const QRectF& r, bool filled) override {
        ops.append({Op::Rectangle, {}, r.topLeft(), r.bottomRight(), {}, filled});
    }
    void newPage() override { ops.append({Op::NewPage, {}, {}, {}, {}, false}); }

    QList<Op> ops;

private:
    QSizeF m_size;
    bool m_landscape;
};

}  // namespace vn
