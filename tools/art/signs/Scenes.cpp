// Signal lamps, road markings seen from above and traffic police gestures: plain diagrams.
#include "Canvas.h"
#include "Pictograms.h"
#include "Picture.h"

#include <QPolygonF>
#include <utility>

namespace art {

namespace {

const QColor Dark{60, 60, 60};
const QColor LampGreen{0, 170, 80};
const QColor MarkingYellow{250, 200, 0};

// A vertical three-lamp head, red at the top, with the lit lamps given.
void SignalHead(QPainter& p, bool red, bool amber, bool green)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-24, -62, 48, 124), 10, 10);
    const QColor lit[] = {Red, QColor(255, 170, 0), LampGreen};
    const bool on[] = {red, amber, green};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(on[i] ? lit[i] : Dark);
        p.drawEllipse(QPointF(0, -38 + 38 * i), 15, 15);
    }
}

void RedLight(QPainter& p)
{
    SignalHead(p, true, false, false);
}

void GreenLeftArrow(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-50, -50, 100, 100), 12, 12);
    p.setBrush(Dark);
    p.drawEllipse(QPointF(0, 0), 40, 40);
    QPainterPath shaft(QPointF(26, 0));
    shaft.lineTo(QPointF(-8, 0));
    Arrow(p, shaft, 14, LampGreen);
}

void LaneSignals(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-76, -40, 152, 80), 10, 10);
    p.setBrush(Dark);
    p.drawEllipse(QPointF(-36, 0), 30, 30);
    p.drawEllipse(QPointF(36, 0), 30, 30);
    p.setPen(QPen(Red, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-52, -16), QPointF(-20, 16));
    p.drawLine(QPointF(-52, 16), QPointF(-20, -16));
    QPainterPath down(QPointF(36, -20));
    down.lineTo(QPointF(36, 4));
    Arrow(p, down, 9, QColor(30, 80, 50));
}

// Grey road running up the picture, with white edge lines.
void Road(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), QColor(150, 190, 120));
    p.fillRect(QRectF(-56, -60, 112, 120), Asphalt);
    p.setPen(QPen(White, 2));
    p.drawLine(QPointF(-52, -60), QPointF(-52, 60));
    p.drawLine(QPointF(52, -60), QPointF(52, 60));
}

// A car from above, its nose pointing up.
void CarTop(QPainter& p, QPointF centre, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(centre.x() - 9, centre.y() - 17, 18, 34), 5, 5);
    p.setBrush(QColor(200, 220, 240));
    p.drawRect(QRectF(centre.x() - 7, centre.y() - 9, 14, 6));
}

void DoubleYellowLine(QPainter& p)
{
    Road(p);
    p.setPen(QPen(MarkingYellow, 3));
    p.drawLine(QPointF(-4, -60), QPointF(-4, 60));
    p.drawLine(QPointF(4, -60), QPointF(4, 60));
    CarTop(p, QPointF(28, 24), QColor(30, 90, 200));
    p.save();
    p.rotate(180);
    CarTop(p, QPointF(28, 20), QColor(200, 40, 40));
    p.restore();
}

void Crosswalk(QPainter& p)
{
    Road(p);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    for (int i = 0; i < 7; ++i) {
        p.drawRect(QRectF(-50 + 15 * i, -34, 9, 26));
    }
    p.setPen(QPen(White, 3));
    p.drawLine(QPointF(0, 2), QPointF(52, 2));
    Walker(p, QPointF(-18, -12), 30, QColor(230, 120, 0));
    CarTop(p, QPointF(26, 34), QColor(30, 90, 200));
}

void YellowGrid(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), QColor(150, 190, 120));
    p.fillRect(QRectF(-80, -30, 160, 60), Asphalt);
    p.fillRect(QRectF(-30, -60, 60, 120), Asphalt);
    const QRectF box(-28, -28, 56, 56);
    p.setPen(QPen(MarkingYellow, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.setClipRect(box);
    for (int k = -56; k <= 56; k += 14) {
        p.drawLine(QPointF(k - 28, -28), QPointF(k + 28, 28));
        p.drawLine(QPointF(k + 28, -28), QPointF(k - 28, 28));
    }
    p.setClipping(false);
    CarTop(p, QPointF(14, 48), QColor(30, 90, 200));
}

// A traffic police officer facing the driver. Angles are those of the officer's arms as the
// driver sees them, in degrees counter-clockwise from pointing right; the officer's left arm is
// on the driver's right.
void Officer(QPainter& p, double leftArm, double rightArm)
{
    const QColor uniform(20, 40, 90);
    p.translate(0, 8);
    const QPointF shoulderL(12, -26);
    const QPointF shoulderR(-12, -26);
    p.setPen(QPen(uniform, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(-6, 20), QPointF(-10, 54));
    p.drawLine(QPointF(6, 20), QPointF(10, 54));
    for (const auto& [shoulder, angle] : {std::pair{shoulderL, leftArm}, {shoulderR, rightArm}}) {
        const QPointF hand = QLineF::fromPolar(42, angle).translated(shoulder).p2();
        p.setPen(QPen(uniform, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder, hand);
        p.setPen(QPen(Black, 1));
        p.setBrush(White);
        p.drawEllipse(hand, 5.5, 5.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(uniform);
    p.drawRoundedRect(QRectF(-14, -30, 28, 52), 5, 5);
    p.setBrush(QColor(245, 205, 170));
    p.drawEllipse(QPointF(0, -40), 9, 10);
    p.setBrush(uniform);
    p.drawRect(QRectF(-11, -54, 22, 8));
    p.setBrush(White);
    p.drawRect(QRectF(-11, -48, 22, 2));
}

void GestureStop(QPainter& p)
{
    Officer(p, 75, 265);
}

void GestureStraight(QPainter& p)
{
    Officer(p, 0, 180);
}

} // namespace

std::vector<Picture> ScenePictures()
{
    return {
        {"l_red", SignSize, SignSize, RedLight},
        {"l_green_left", SignSize, SignSize, GreenLeftArrow},
        {"l_lane_x", SceneWidth, SceneHeight, LaneSignals},
        {"mk_double_yellow", SceneWidth, SceneHeight, DoubleYellowLine},
        {"mk_crosswalk", SceneWidth, SceneHeight, Crosswalk},
        {"mk_yellow_grid", SceneWidth, SceneHeight, YellowGrid},
        {"gs_stop", SignSize, SignSize, GestureStop},
        {"gs_straight", SignSize, SignSize, GestureStraight},
    };
}

} // namespace art
