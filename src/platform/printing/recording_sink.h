#pragma once

#include "platform/printing/page_sink.h"

#include <QList>

namespace vn {

// Keeps every drawing operation, for tests and for checking layouts.
class RecordingSink : public PageSink {
public:
    struct Op {
        enum Kind { Font, Text, Line, Rectangle, Circle, Pen, FillColour, TextColour, NewPage } kind;
        PrintFont font;
        QPointF at;
        QPointF to;  // a rectangle's bottom right
        QString text;
        bool filled = false;
        double radius = 0;
        PrintPen pen;
        quint32 colour = 0;
    };

    explicit RecordingSink(QSizeF size = {800, 1100}, bool isLandscape = false) : m_size(size), m_landscape(isLandscape) {}

    QSizeF pageSize() const override { return m_size; }
    bool landscape() const override { return m_landscape; }
    void setFont(const PrintFont& font) override { add({Op::Font, font}); }
    void text(QPointF at, const QString& text) override { add({Op::Text, {}, at, {}, text}); }
    void line(QPointF from, QPointF to) override { add({Op::Line, {}, from, to}); }
    void rectangle(const QRectF& r, bool filled) override { add({Op::Rectangle, {}, r.topLeft(), r.bottomRight(), {}, filled}); }
    void circle(QPointF centre, double radius, bool filled) override {
        add({Op::Circle, {}, centre, {}, {}, filled, radius});
    }
    void setPen(const PrintPen& pen) override { add({Op::Pen, {}, {}, {}, {}, false, 0, pen}); }
    void setFillColour(quint32 colour) override { add({Op::FillColour, {}, {}, {}, {}, false, 0, {}, colour}); }
    void setTextColour(quint32 colour) override { add({Op::TextColour, {}, {}, {}, {}, false, 0, {}, colour}); }
    void newPage() override { add({Op::NewPage}); }

    QList<Op> ops;

private:
    void add(Op op) { ops.append(std::move(op)); }

    QSizeF m_size;
    bool m_landscape;
};

}  // namespace vn
