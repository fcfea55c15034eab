// The traffic signs: prohibition, warning, mandatory and guide signs, one function each.
#include "Canvas.h"
#include "Pictograms.h"
#include "Picture.h"

#include <QPolygonF>

namespace art {

namespace {

QPainterPath Line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// Up the middle, then bending towards side (-1 left, +1 right) and ending horizontally.
QPainterPath TurnShaft(double side, double bottom, double bendY, double reach)
{
    QPainterPath path(QPointF(side * -8, bottom));
    path.lineTo(QPointF(side * -8, bendY + 14));
    path.quadTo(QPointF(side * -8, bendY), QPointF(side * 8, bendY));
    path.lineTo(QPointF(side * reach, bendY));
    return path;
}

// ---- prohibition ----

void NoThrough(QPainter& p)
{
    ProhibitionRing(p);
}

void NoEntry(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QPointF(0, 0), 62, 62);
    p.setBrush(White);
    p.drawRect(QRectF(-42, -10, 84, 20));
}

void NoMotorVehicles(QPainter& p)
{
    ProhibitionRing(p);
    CarSide(p, QPointF(0, 22), 74, Black);
    ProhibitionSlash(p);
}

void NoLeftTurn(QPainter& p)
{
    ProhibitionRing(p);
    Arrow(p, TurnShaft(-1, 36, -8, 20), 11, Black);
    ProhibitionSlash(p);
}

void NoUTurn(QPainter& p)
{
    ProhibitionRing(p);
    QPainterPath shaft(QPointF(12, 38));
    shaft.lineTo(QPointF(12, -12));
    shaft.arcTo(QRectF(-20, -28, 32, 32), 0, 180);
    shaft.lineTo(QPointF(-20, 6));
    Arrow(p, shaft, 10, Black);
    ProhibitionSlash(p);
}

void NoHorn(QPainter& p)
{
    ProhibitionRing(p);
    Horn(p, QPointF(-2, 0), 62, Black);
    ProhibitionSlash(p);
}

void NoPedestrians(QPainter& p)
{
    ProhibitionRing(p);
    Walker(p, QPointF(2, 36), 74, Black);
    ProhibitionSlash(p);
}

void NoParking(QPainter& p)
{
    ProhibitionRing(p, Blue);
    ProhibitionSlash(p);
    p.rotate(90);
    ProhibitionSlash(p);
}

void NoLongParking(QPainter& p)
{
    ProhibitionRing(p, Blue);
    ProhibitionSlash(p);
}

void SpeedLimit40(QPainter& p)
{
    ProhibitionRing(p);
    Text(p, QRectF(-48, -40, 96, 80), "40", 56, Black);
}

void HeightLimit(QPainter& p)
{
    ProhibitionRing(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPolygon(QPolygonF({QPointF(-12, -44), QPointF(12, -44), QPointF(0, -28)}));
    p.drawPolygon(QPolygonF({QPointF(-12, 44), QPointF(12, 44), QPointF(0, 28)}));
    Text(p, QRectF(-48, -24, 96, 48), "3.5m", 34, Black);
}

void WeightLimit(QPainter& p)
{
    ProhibitionRing(p);
    Text(p, QRectF(-48, -40, 96, 80), "10t", 48, Black);
}

void Stop(QPainter& p)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        octagon << QLineF::fromPolar(62, 22.5 + 45 * i).p2();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPolygon(octagon);
    p.setPen(QPen(White, 4));
    p.setBrush(Qt::NoBrush);
    QPolygonF inner;
    for (int i = 0; i < 8; ++i) {
        inner << QLineF::fromPolar(55, 22.5 + 45 * i).p2();
    }
    p.drawPolygon(inner);
    Text(p, QRectF(-50, -40, 100, 80), "停", 64, White);
}

void Yield(QPainter& p)
{
    const QPolygonF outer({QPointF(-62, -50), QPointF(62, -50), QPointF(0, 58)});
    const QPolygonF inner({QPointF(-42, -38), QPointF(42, -38), QPointF(0, 35)});
    p.setPen(QPen(Red, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Red);
    p.drawPolygon(outer);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawPolygon(inner);
    Text(p, QRectF(-30, -34, 60, 44), "让", 38, Black);
}

// ---- warning ----

void Crossroads(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRect(QRectF(-6, WarningMid - 26, 12, 54));
    p.drawRect(QRectF(-27, WarningMid - 2, 54, 12));
}

void TJunction(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRect(QRectF(-32, WarningMid - 18, 64, 12));
    p.drawRect(QRectF(-6, WarningMid - 18, 12, 48));
}

void SharpLeftCurve(QPainter& p)
{
    WarningTriangle(p);
    QPainterPath shaft(QPointF(10, WarningMid + 28));
    shaft.lineTo(QPointF(10, WarningMid - 2));
    shaft.quadTo(QPointF(10, WarningMid - 16), QPointF(-4, WarningMid - 16));
    shaft.lineTo(QPointF(-12, WarningMid - 16));
    Arrow(p, shaft, 10, Black);
}

void Slope(QPainter& p, bool uphill)
{
    WarningTriangle(p);
    const double x = uphill ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPolygon(QPolygonF({QPointF(-36, WarningMid + 30), QPointF(36, WarningMid + 30),
                             QPointF(36 * x, WarningMid - 4)}));
    p.save();
    p.translate(-2, WarningMid + 13);
    p.rotate(uphill ? -25 : 25);
    CarSide(p, QPointF(0, -2), 34, Black);
    p.restore();
}

void SteepUphill(QPainter& p)
{
    Slope(p, true);
}

void SteepDownhill(QPainter& p)
{
    Slope(p, false);
}

void Children(QPainter& p)
{
    WarningTriangle(p);
    Walker(p, QPointF(-12, WarningMid + 28), 58, Black);
    Walker(p, QPointF(16, WarningMid + 28), 44, Black);
}

void Pedestrians(QPainter& p)
{
    WarningTriangle(p);
    Walker(p, QPointF(2, WarningMid + 28), 62, Black);
}

void Slippery(QPainter& p)
{
    WarningTriangle(p);
    CarRear(p, QPointF(0, WarningMid + 6), 44, Black);
    p.setPen(QPen(Black, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {-14.0, 14.0}) {
        QPainterPath track(QPointF(x, WarningMid + 10));
        track.cubicTo(QPointF(x - 10, WarningMid + 18), QPointF(x + 10, WarningMid + 22),
                      QPointF(x, WarningMid + 28));
        p.drawPath(track);
    }
}

void NarrowsBothSides(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (double x : {-1.0, 1.0}) {
        p.drawPolyline(
            QPolygonF({QPointF(22 * x, WarningMid + 28), QPointF(22 * x, WarningMid + 8),
                       QPointF(10 * x, WarningMid - 6), QPointF(10 * x, WarningMid - 26)}));
    }
}

void UnguardedRailway(QPainter& p)
{
    WarningTriangle(p);
    Locomotive(p, QPointF(0, WarningMid + 24), 64, Black);
}

void TrafficSignals(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-13, WarningMid - 30, 26, 62), 6, 6);
    const QColor lamps[] = {Red, Yellow, QColor(0, 160, 70)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(0, WarningMid - 18 + 19 * i), 7.5, 7.5);
    }
}

void Danger(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPolygon(QPolygonF({QPointF(-7, WarningMid - 28), QPointF(7, WarningMid - 28),
                             QPointF(4, WarningMid + 14), QPointF(-4, WarningMid + 14)}));
    p.drawEllipse(QPointF(0, WarningMid + 25), 6.5, 6.5);
}

void TwoWayTraffic(QPainter& p)
{
    WarningTriangle(p);
    Arrow(p, Line(QPointF(12, WarningMid + 28), QPointF(12, WarningMid - 14)), 9, Black);
    Arrow(p, Line(QPointF(-12, WarningMid - 26), QPointF(-12, WarningMid + 18)), 9, Black);
}

// ---- mandatory ----

void AheadOnly(QPainter& p)
{
    MandatoryDisc(p);
    Arrow(p, Line(QPointF(0, 44), QPointF(0, -22)), 16, White);
}

void TurnLeft(QPainter& p)
{
    MandatoryDisc(p);
    Arrow(p, TurnShaft(-1, 44, -10, 14), 16, White);
}

void AheadOrRight(QPainter& p)
{
    MandatoryDisc(p);
    Arrow(p, Line(QPointF(-12, 46), QPointF(-12, -26)), 13, White);
    QPainterPath branch(QPointF(-12, 18));
    branch.quadTo(QPointF(-12, -2), QPointF(10, -2));
    branch.lineTo(QPointF(18, -2));
    Arrow(p, branch, 13, White);
}

void KeepRight(QPainter& p)
{
    MandatoryDisc(p);
    Arrow(p, Line(QPointF(-28, -28), QPointF(14, 14)), 16, White);
}

void Roundabout(QPainter& p)
{
    MandatoryDisc(p);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.rotate(-120 * i);
        QPainterPath arc;
        arc.arcMoveTo(QRectF(-32, -32, 64, 64), 200);
        arc.arcTo(QRectF(-32, -32, 64, 64), 200, 70);
        Arrow(p, arc, 11, White);
        p.restore();
    }
}

void MinimumSpeed60(QPainter& p)
{
    MandatoryDisc(p);
    Text(p, QRectF(-48, -40, 96, 80), "60", 58, White);
}

void SoundHorn(QPainter& p)
{
    MandatoryDisc(p);
    Horn(p, QPointF(-2, 0), 70, White);
}

void Footpath(QPainter& p)
{
    MandatoryDisc(p);
    Walker(p, QPointF(2, 40), 82, White);
}

// ---- guide ----

void Parking(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(-60, -60, 120, 120), 10, 10);
    Text(p, QRectF(-50, -52, 100, 104), "P", 92, White);
}

void MotorwayExit(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRoundedRect(QRectF(-78, -58, 156, 116), 8, 8);
    p.setPen(QPen(White, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-73, -53, 146, 106), 6, 6);
    Text(p, QRectF(-66, -46, 100, 52), "出口", 40, White);
    Text(p, QRectF(-66, 6, 100, 30), "EXIT", 24, White);
    Arrow(p, Line(QPointF(38, 36), QPointF(52, -24)), 10, White);
}

} // namespace

std::vector<Picture> SignPictures()
{
    const int s = SignSize;
    return {
        {"p_no_through", s, s, NoThrough},
        {"p_no_entry", s, s, NoEntry},
        {"p_no_motor", s, s, NoMotorVehicles},
        {"p_no_left", s, s, NoLeftTurn},
        {"p_no_uturn", s, s, NoUTurn},
        {"p_no_horn", s, s, NoHorn},
        {"p_no_pedestrians", s, s, NoPedestrians},
        {"p_no_parking", s, s, NoParking},
        {"p_no_long_parking", s, s, NoLongParking},
        {"p_speed_40", s, s, SpeedLimit40},
        {"p_height_35", s, s, HeightLimit},
        {"p_weight_10", s, s, WeightLimit},
        {"p_stop", s, s, Stop},
        {"p_yield", s, s, Yield},
        {"w_crossroads", s, s, Crossroads},
        {"w_t_junction", s, s, TJunction},
        {"w_left_curve", s, s, SharpLeftCurve},
        {"w_steep_up", s, s, SteepUphill},
        {"w_steep_down", s, s, SteepDownhill},
        {"w_children", s, s, Children},
        {"w_pedestrians", s, s, Pedestrians},
        {"w_slippery", s, s, Slippery},
        {"w_narrow_both", s, s, NarrowsBothSides},
        {"w_railway", s, s, UnguardedRailway},
        {"w_signals", s, s, TrafficSignals},
        {"w_danger", s, s, Danger},
        {"w_two_way", s, s, TwoWayTraffic},
        {"m_straight", s, s, AheadOnly},
        {"m_left", s, s, TurnLeft},
        {"m_straight_right", s, s, AheadOrRight},
        {"m_keep_right", s, s, KeepRight},
        {"m_roundabout", s, s, Roundabout},
        {"m_min_speed_60", s, s, MinimumSpeed60},
        {"m_horn", s, s, SoundHorn},
        {"m_walk", s, s, Footpath},
        {"g_parking", s, s, Parking},
        {"g_exit", SceneWidth, SceneHeight, MotorwayExit},
    };
}

} // namespace art
