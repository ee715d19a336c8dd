#pragma once

#include "platform/printing/page_sink.h"

#include <QList>

namespace vn {

// Keeps every drawing operation, for tests and for checking layouts.
class RecordingSink : public PageSink {
public:
    struct Op {
        enum Kind { Font, Text, Line, Rectangle, Circle, Pen, FillColour, TextColour, Clip, ClearClip, NewPage } kind = NewPage;
        PrintFont font;
        QPointF at;
        QPointF to;  // a rectangle's or a clip's bottom right
        QString text;
        bool filled = false;
        double radius = 0;
        PrintPen pen;
        quint32 colour = 0;
    };

    explicit RecordingSink(QSizeF size = {800, 1100}, bool isLandscape = false) : m_size(size), m_landscape(isLandscape) {}

    QSizeF pageSize() const override { return m_size; }
    bool landscape() const override { return m_landscape; }
    void setFont(const PrintFont& font) override { add(Op::Font).font = font; }
    void text(QPointF at, const QString& text) override {
        Op& op = add(Op::Text);
        op.at = at;
        op.text = text;
    }
    void line(QPointF from, QPointF to) override {
        Op& op = add(Op::Line);
        op.at = from;
        op.to = to;
    }
    void rectangle(const QRectF& r, bool filled) override {
        Op& op = add(Op::Rectangle);
        op.at = r.topLeft();
        op.to = r.bottomRight();
        op.filled = filled;
    }
    void circle(QPointF centre, double radius, bool filled) override {
        Op& op = add(Op::Circle);
        op.at = centre;
        op.radius = radius;
        op.filled = filled;
    }
    void setPen(const PrintPen& pen) override { add(Op::Pen).pen = pen; }
    void setFillColour(quint32 colour) override { add(Op::FillColour).colour = colour; }
    void setTextColour(quint32 colour) override { add(Op::TextColour).colour = colour; }
    void setClip(const QRectF& area) override {
        Op& op = add(Op::Clip);
        op.at = area.topLeft();
        op.to = area.bottomRight();
    }
    void clearClip() override { add(Op::ClearClip); }
    void newPage() override { add(Op::NewPage); }

    QList<Op> ops;

private:
    Op& add(Op::Kind kind) {
        ops.append(Op{});
        ops.last().kind = kind;
        return ops.last();
    }

    QSizeF m_size;
    bool m_landscape;
};

}  // namespace vn
