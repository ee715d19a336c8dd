#include "shell/ui/agent/character_art.h"

#include <QPainter>
#include <QPainterPath>

namespace vn {

namespace {

const QColor kOutline(40, 40, 40);

void shape(QPainter& p, const QColor& fill) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(fill);
}

void eye(QPainter& p, QPointF at, qreal size) {
    shape(p, Qt::white);
    p.drawEllipse(at, size, size);
    p.setBrush(kOutline);
    p.drawEllipse(at + QPointF(size * 0.25, 0), size * 0.45, size * 0.45);
}

// An arm (or wing) hanging from the shoulder, raised by the pose's angle away from the body.
void limb(QPainter& p, QPointF shoulder, qreal angle, qreal side, const QRectF& shapeRect, const QColor& fill,
          bool ellipse) {
    p.save();
    p.translate(shoulder);
    p.rotate(-side * angle);
    shape(p, fill);
    if (ellipse) p.drawEllipse(shapeRect);
    else p.drawRoundedRect(shapeRect, 3, 3);
    p.restore();
}

void paintParrot(QPainter& p, const CharacterPose& pose) {
    shape(p, QColor(40, 120, 60));  // tail
    p.drawPolygon(QPolygonF({{44, 95}, {36, 120}, {50, 118}, {56, 96}}));
    shape(p, QColor(30, 170, 70));  // body
    p.drawEllipse(QRectF(30, 50, 40, 55));
    shape(p, QColor(250, 220, 90));  // belly
    p.drawEllipse(QRectF(40, 66, 22, 34));
    limb(p, {36, 62}, pose.armAngle, 1, QRectF(-8, 0, 14, 34), QColor(20, 130, 200), true);  // wing
    shape(p, QColor(230, 60, 50));  // head
    p.drawEllipse(QRectF(32, 18, 38, 38));
    eye(p, {58, 32}, 5);
    shape(p, QColor(245, 190, 40));  // beak: the upper part hooks down, the lower one drops to talk
    p.drawPolygon(QPolygonF({{66, 34}, {84, 38}, {78, 48}, {68, 44}}));
    const qreal drop = pose.mouthOpen ? 7 : 0;
    p.drawPolygon(QPolygonF({{67, 44}, {78, 46 + drop}, {68, 50 + drop}}));
    shape(p, QColor(245, 190, 40));  // feet
    p.drawRect(QRectF(42, 104, 4, 10));
    p.drawRect(QRectF(54, 104, 4, 10));
}

void paintRobot(QPainter& p, const CharacterPose& pose) {
    const QColor metal(170, 180, 195);
    shape(p, metal.darker(120));  // legs
    p.drawRect(QRectF(36, 95, 10, 22));
    p.drawRect(QRectF(54, 95, 10, 22));
    limb(p, {28, 58}, 0, 1, QRectF(-8, 0, 9, 34), metal, false);
    limb(p, {72, 58}, pose.armAngle, -1, QRectF(-1, 0, 9, 34), metal, false);
    shape(p, metal);  // body with a control panel
    p.drawRoundedRect(QRectF(26, 54, 48, 44), 4, 4);
    shape(p, QColor(230, 70, 60));
    p.drawEllipse(QRectF(38, 66, 7, 7));
    shape(p, QColor(70, 200, 90));
    p.drawEllipse(QRectF(55, 66, 7, 7));
    shape(p, metal.darker(110));  // antenna
    p.drawLine(QPointF(50, 14), QPointF(50, 22));
    shape(p, QColor(250, 80, 60));
    p.drawEllipse(QPointF(50, 12), 3.5, 3.5);
    shape(p, metal.lighter(110));  // head
    p.drawRoundedRect(QRectF(30, 22, 40, 30), 5, 5);
    shape(p, QColor(120, 220, 255));
    p.drawEllipse(QPointF(41, 34), 5, 5);
    p.drawEllipse(QPointF(59, 34), 5, 5);
    shape(p, kOutline);  // the speaker grille of a mouth
    p.drawRect(QRectF(40, 43, 20, pose.mouthOpen ? 6 : 2));
}

void paintMagician(QPainter& p, const CharacterPose& pose) {
    const QColor robe(60, 70, 170);
    shape(p, robe);  // robe
    p.drawPolygon(QPolygonF({{50, 48}, {22, 118}, {78, 118}}));
    limb(p, {64, 64}, pose.armAngle, -1, QRectF(-3, 0, 8, 30), robe, false);
    p.save();  // the wand with its star, held at the end of the arm
    p.translate(64, 64);
    p.rotate(pose.armAngle);
    shape(p, QColor(110, 70, 30));
    p.drawRect(QRectF(0, 28, 3, 16));
    shape(p, QColor(255, 220, 60));
    p.drawEllipse(QPointF(1.5, 46), 3.5, 3.5);
    p.restore();
    shape(p, QColor(245, 205, 170));  // face
    p.drawEllipse(QRectF(36, 28, 28, 26));
    eye(p, {45, 38}, 3);
    eye(p, {56, 38}, 3);
    shape(p, QColor(245, 245, 245));  // the long white beard
    p.drawPolygon(QPolygonF({{37, 44}, {63, 44}, {56, 78}, {50, 86}, {44, 78}}));
    shape(p, QColor(120, 40, 40));
    p.drawEllipse(QRectF(46, 47, 8, pose.mouthOpen ? 6 : 2));
    shape(p, robe.darker(115));  // the tall pointed hat with stars
    p.drawPolygon(QPolygonF({{50, 0}, {30, 32}, {70, 32}}));
    p.drawEllipse(QRectF(26, 28, 48, 8));
    shape(p, QColor(255, 220, 60));
    p.drawEllipse(QPointF(48, 16), 2.5, 2.5);
    p.drawEllipse(QPointF(55, 24), 2, 2);
}

void paintGenie(QPainter& p, const CharacterPose& pose) {
    shape(p, QColor(220, 170, 40));  // the lamp he rises from
    QPainterPath lamp;
    lamp.moveTo(24, 112);
    lamp.quadTo(50, 124, 76, 112);
    lamp.lineTo(90, 104);
    lamp.lineTo(70, 106);
    lamp.quadTo(50, 98, 24, 112);
    p.drawPath(lamp);
    const QColor skin(70, 150, 230);
    shape(p, skin);  // the smoky tail and the body
    QPainterPath body;
    body.moveTo(50, 104);
    body.cubicTo(30, 96, 70, 86, 44, 74);
    body.cubicTo(28, 66, 30, 50, 40, 46);
    body.lineTo(62, 46);
    body.cubicTo(72, 54, 70, 72, 58, 80);
    body.cubicTo(70, 90, 56, 98, 50, 104);
    p.drawPath(body);
    limb(p, {36, 50}, 0, 1, QRectF(-8, 0, 9, 26), skin, true);
    limb(p, {64, 50}, pose.armAngle, -1, QRectF(-1, 0, 9, 26), skin, true);
    shape(p, QColor(240, 200, 60));  // gold bands
    p.drawRect(QRectF(30, 64, 8, 4));
    shape(p, skin);  // head with a topknot
    p.drawEllipse(QRectF(36, 16, 28, 30));
    shape(p, kOutline);
    p.drawEllipse(QRectF(47, 6, 6, 12));
    eye(p, {45, 28}, 3.5);
    eye(p, {56, 28}, 3.5);
    shape(p, QColor(20, 40, 80));  // a wide grin that opens to talk
    QPainterPath mouth;
    mouth.moveTo(42, 36);
    mouth.quadTo(50, pose.mouthOpen ? 46 : 40, 58, 36);
    mouth.closeSubpath();
    p.drawPath(mouth);
}

}  // namespace

void paintCharacter(QPainter& painter, int character, const CharacterPose& pose, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = qMin(area.width() / 100.0, area.height() / 120.0);
    painter.translate(area.center().x(), area.bottom());
    painter.scale(unit * pose.scale, unit * pose.scale);
    painter.translate(0, pose.bob);
    painter.rotate(pose.lean);
    painter.translate(-50, -120);
    switch (character) {
    case 1: paintParrot(painter, pose); break;
    case 2: paintRobot(painter, pose); break;
    case 3: paintMagician(painter, pose); break;
    default: paintGenie(painter, pose); break;
    }
    painter.restore();
}

}  // namespace vn
