// The traffic signs: prohibition, warning, mandatory and guide signs, one function each.
#include "Canvas.h"
#include "Pictograms.h"
#include "Picture.h"

#include <QPolygonF>
#include <cmath>
#include <utility>

namespace art {

namespace {

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
    CarFront(p, QPointF(0, 30), 76, Black);
    ProhibitionSlash(p);
}

// Up the right, over the top and back down on the left.
QPainterPath UTurnShaft()
{
    QPainterPath shaft(QPointF(12, 38));
    shaft.lineTo(QPointF(12, -12));
    shaft.arcTo(QRectF(-20, -28, 32, 32), 0, 180);
    shaft.lineTo(QPointF(-20, 6));
    return shaft;
}

// Black symbol in the red ring, crossed out: the shape of every ban on one manoeuvre.
void Forbidden(QPainter& p, const QPainterPath& arrow, double width)
{
    ProhibitionRing(p);
    Arrow(p, arrow, width, Black);
    ProhibitionSlash(p);
}

void NoLeftTurn(QPainter& p)
{
    Forbidden(p, TurnShaft(-1, 36, -8, 20), 11);
}

void NoRightTurn(QPainter& p)
{
    Forbidden(p, TurnShaft(1, 36, -8, 20), 11);
}

void NoStraightOn(QPainter& p)
{
    Forbidden(p, Line(QPointF(0, 40), QPointF(0, -20)), 12);
}

void NoUTurn(QPainter& p)
{
    Forbidden(p, UTurnShaft(), 10);
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

void NoLorries(QPainter& p)
{
    ProhibitionRing(p);
    Lorry(p, QPointF(0, 22), 76, Black);
    ProhibitionSlash(p);
}

void NoBicycles(QPainter& p)
{
    ProhibitionRing(p);
    Bicycle(p, QPointF(0, 24), 80, Black);
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

// A size limit: the figure between two arrowheads that point at it, up and down for a height,
// from the sides for a width.
void SizeLimit(QPainter& p, const QString& figure, double arrowsAngle)
{
    ProhibitionRing(p);
    p.save();
    p.rotate(arrowsAngle);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPolygon(QPolygonF({QPointF(-12, -44), QPointF(12, -44), QPointF(0, -28)}));
    p.drawPolygon(QPolygonF({QPointF(-12, 44), QPointF(12, 44), QPointF(0, 28)}));
    p.restore();
    Text(p, QRectF(-48, -24, 96, 48), figure, 34, Black);
}

void HeightLimit(QPainter& p)
{
    SizeLimit(p, "3.5m", 0);
}

void WidthLimit(QPainter& p)
{
    SizeLimit(p, "3m", 90);
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

// side: -1 for a bend to the left, +1 to the right.
void SharpCurve(QPainter& p, double side)
{
    WarningTriangle(p);
    p.scale(-side, 1);
    QPainterPath shaft(QPointF(10, WarningMid + 28));
    shaft.lineTo(QPointF(10, WarningMid - 2));
    shaft.quadTo(QPointF(10, WarningMid - 16), QPointF(-4, WarningMid - 16));
    shaft.lineTo(QPointF(-12, WarningMid - 16));
    Arrow(p, shaft, 10, Black);
}

void SharpLeftCurve(QPainter& p)
{
    SharpCurve(p, -1);
}

void SharpRightCurve(QPainter& p)
{
    SharpCurve(p, 1);
}

void WindingRoad(QPainter& p)
{
    // Three bends in a row; two would be a reverse bend, a sign of its own.
    WarningTriangle(p);
    QPainterPath shaft(QPointF(-4, WarningMid + 32));
    shaft.cubicTo(QPointF(-4, WarningMid + 24), QPointF(14, WarningMid + 24),
                  QPointF(14, WarningMid + 14));
    shaft.cubicTo(QPointF(14, WarningMid + 2), QPointF(-14, WarningMid + 6),
                  QPointF(-14, WarningMid - 6));
    shaft.cubicTo(QPointF(-14, WarningMid - 16), QPointF(8, WarningMid - 12),
                  QPointF(8, WarningMid - 22));
    Arrow(p, shaft, 8, Black);
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

// The two road edges seen from the driver's seat; each side either keeps its line or steps in.
void Narrows(QPainter& p, bool left, bool right)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, narrows] : {std::pair{-1.0, left}, {1.0, right}}) {
        const double top = narrows ? 10 : 22;
        p.drawPolyline(
            QPolygonF({QPointF(22 * x, WarningMid + 28), QPointF(22 * x, WarningMid + 8),
                       QPointF(top * x, WarningMid - 6), QPointF(top * x, WarningMid - 26)}));
    }
}

void NarrowsBothSides(QPainter& p)
{
    Narrows(p, true, true);
}

void NarrowsOnRight(QPainter& p)
{
    Narrows(p, false, true);
}

void NarrowBridge(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (double x : {-1.0, 1.0}) {
        p.drawPolyline(
            QPolygonF({QPointF(24 * x, WarningMid + 30), QPointF(12 * x, WarningMid + 18),
                       QPointF(12 * x, WarningMid - 12), QPointF(24 * x, WarningMid - 24)}));
    }
}

void Tunnel(QPainter& p)
{
    WarningTriangle(p);
    QPainterPath portal;
    portal.moveTo(QPointF(-36, WarningMid + 28));
    portal.lineTo(QPointF(-36, WarningMid - 2));
    portal.quadTo(QPointF(-34, WarningMid - 30), QPointF(0, WarningMid - 30));
    portal.quadTo(QPointF(34, WarningMid - 30), QPointF(36, WarningMid - 2));
    portal.lineTo(QPointF(36, WarningMid + 28));
    portal.closeSubpath();
    QPainterPath mouth;
    mouth.moveTo(QPointF(-20, WarningMid + 28));
    mouth.lineTo(QPointF(-20, WarningMid + 2));
    mouth.arcTo(QRectF(-20, WarningMid - 18, 40, 40), 180, -180);
    mouth.lineTo(QPointF(20, WarningMid + 28));
    mouth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPath(portal.subtracted(mouth));
}

void UnevenRoad(QPainter& p)
{
    WarningTriangle(p);
    QPainterPath ground(QPointF(-38, WarningMid + 28));
    ground.lineTo(QPointF(-38, WarningMid + 14));
    ground.quadTo(QPointF(-19, WarningMid - 16), QPointF(0, WarningMid + 14));
    ground.quadTo(QPointF(19, WarningMid - 16), QPointF(38, WarningMid + 14));
    ground.lineTo(QPointF(38, WarningMid + 28));
    ground.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPath(ground);
}

void Crosswind(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-26, WarningMid + 30), QPointF(-26, WarningMid - 24));
    // A windsock blown out to the right, its stripes left open.
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    const double rootHalf = 11;
    const double tipHalf = 5;
    const double length = 54;
    for (int i = 0; i < 3; ++i) {
        const double x0 = -24 + length * i / 3 + 2;
        const double x1 = -24 + length * (i + 1) / 3 - 2;
        const double h0 = rootHalf + (tipHalf - rootHalf) * (x0 + 24) / length;
        const double h1 = rootHalf + (tipHalf - rootHalf) * (x1 + 24) / length;
        const double y = WarningMid - 14;
        p.drawPolygon(QPolygonF({QPointF(x0, y - h0), QPointF(x1, y - h1 + 3),
                                 QPointF(x1, y + h1 + 3), QPointF(x0, y + h0)}));
    }
}

void FallingRocks(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPolygon(QPolygonF({QPointF(6, WarningMid - 30), QPointF(20, WarningMid - 30),
                             QPointF(44, WarningMid + 30), QPointF(16, WarningMid + 30),
                             QPointF(12, WarningMid + 4)}));
    const QPointF rocks[] = {{-6, WarningMid - 16}, {-16, WarningMid + 2}, {-26, WarningMid + 20}};
    const double sizes[] = {6, 8, 10};
    for (int i = 0; i < 3; ++i) {
        QPolygonF rock;
        for (int k = 0; k < 6; ++k) {
            rock << rocks[i] + QLineF::fromPolar(sizes[i] * (k % 2 ? 0.8 : 1), 30 + 60 * k).p2();
        }
        p.drawPolygon(rock);
    }
    p.drawRect(QRectF(-44, WarningMid + 28, 60, 4));
}

void Bicycles(QPainter& p)
{
    WarningTriangle(p);
    Bicycle(p, QPointF(0, WarningMid + 26), 70, Black);
}

void Slow(QPainter& p)
{
    WarningTriangle(p);
    Text(p, QRectF(-30, WarningMid - 22, 60, 48), "慢", 42, Black);
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

void Turn(QPainter& p, double side)
{
    MandatoryDisc(p);
    Arrow(p, TurnShaft(side, 44, -10, 14), 16, White);
}

void TurnLeft(QPainter& p)
{
    Turn(p, -1);
}

void TurnRight(QPainter& p)
{
    Turn(p, 1);
}

// side: -1 ahead or left, +1 ahead or right.
void AheadOrTurn(QPainter& p, double side)
{
    MandatoryDisc(p);
    Arrow(p, Line(QPointF(-12 * side, 46), QPointF(-12 * side, -26)), 13, White);
    QPainterPath branch(QPointF(-12 * side, 18));
    branch.quadTo(QPointF(-12 * side, -2), QPointF(10 * side, -2));
    branch.lineTo(QPointF(18 * side, -2));
    Arrow(p, branch, 13, White);
}

void AheadOrRight(QPainter& p)
{
    AheadOrTurn(p, 1);
}

void AheadOrLeft(QPainter& p)
{
    AheadOrTurn(p, -1);
}

void LeftOrRight(QPainter& p)
{
    MandatoryDisc(p);
    p.setPen(QPen(White, 14, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 46), QPointF(0, -13));
    for (double side : {-1.0, 1.0}) {
        QPainterPath branch(QPointF(0, 8));
        branch.quadTo(QPointF(0, -6), QPointF(14 * side, -6));
        branch.lineTo(QPointF(22 * side, -6));
        Arrow(p, branch, 14, White);
    }
}

// side: -1 keep left, +1 keep right.
void Keep(QPainter& p, double side)
{
    MandatoryDisc(p);
    Arrow(p, Line(QPointF(-28 * side, -28), QPointF(14 * side, 14)), 16, White);
}

void KeepRight(QPainter& p)
{
    Keep(p, 1);
}

void KeepLeft(QPainter& p)
{
    Keep(p, -1);
}

void UTurnAllowed(QPainter& p)
{
    MandatoryDisc(p);
    Arrow(p, UTurnShaft(), 12, White);
}

void MotorVehiclesLane(QPainter& p)
{
    MandatoryDisc(p);
    CarSide(p, QPointF(0, 20), 86, White);
}

void BicyclesLane(QPainter& p)
{
    MandatoryDisc(p);
    Bicycle(p, QPointF(0, 26), 86, White);
}

// Three arrows running anticlockwise round centre, as traffic runs round a roundabout.
void RoundaboutArrows(QPainter& p, QPointF centre, double radius, double width, const QColor& color)
{
    const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(-120 * i);
        QPainterPath arc;
        arc.arcMoveTo(circle, 200);
        arc.arcTo(circle, 200, 70);
        Arrow(p, arc, width, color);
        p.restore();
    }
}

void Roundabout(QPainter& p)
{
    MandatoryDisc(p);
    RoundaboutArrows(p, QPointF(0, 0), 32, 11, White);
}

void RoundaboutAhead(QPainter& p)
{
    WarningTriangle(p);
    RoundaboutArrows(p, QPointF(0, WarningMid + 2), 21, 7, Black);
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

void PedestrianCrossing(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(-60, -60, 120, 120), 8, 8);
    p.setBrush(White);
    p.drawPolygon(QPolygonF({QPointF(0, -52), QPointF(54, 44), QPointF(-54, 44)}));
    p.setBrush(Black);
    for (int i = 0; i < 4; ++i) {
        p.drawPolygon(QPolygonF({QPointF(-30 + 16 * i, 38), QPointF(-22 + 16 * i, 38),
                                 QPointF(-19 + 16 * i, 28), QPointF(-27 + 16 * i, 28)}));
    }
    Walker(p, QPointF(2, 24), 58, Black);
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

// ---- added: more prohibition, warning and mandatory signs ----

void NoOvertaking(QPainter& p)
{
    // Two cars side by side seen from behind; the one that would pull out to pass is red.
    ProhibitionRing(p);
    CarRear(p, QPointF(-21, 18), 40, Red);
    CarRear(p, QPointF(21, 18), 40, Black);
}

void NoLeftOrRightTurn(QPainter& p)
{
    ProhibitionRing(p);
    p.setPen(QPen(Black, 11, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 40), QPointF(0, -2));
    for (double side : {-1.0, 1.0}) {
        QPainterPath branch(QPointF(0, 8));
        branch.quadTo(QPointF(0, -8), QPointF(14 * side, -8));
        branch.lineTo(QPointF(20 * side, -8));
        Arrow(p, branch, 11, Black);
    }
    ProhibitionSlash(p);
}

void NoStraightOrRightTurn(QPainter& p)
{
    ProhibitionRing(p);
    Arrow(p, Line(QPointF(-10, 42), QPointF(-10, -26)), 10, Black);
    QPainterPath branch(QPointF(-10, 16));
    branch.quadTo(QPointF(-10, -4), QPointF(10, -4));
    branch.lineTo(QPointF(18, -4));
    Arrow(p, branch, 10, Black);
    ProhibitionSlash(p);
}

// The end of a limit: black ring, grey figure, and thin black strokes from upper right to lower
// left, kept inside the ring.
void EndOfSpeedLimit40(QPainter& p)
{
    p.setPen(QPen(Black, 5));
    p.setBrush(White);
    p.drawEllipse(QPointF(0, 0), 58, 58);
    Text(p, QRectF(-48, -40, 96, 80), "40", 56, QColor(120, 120, 120));
    QPainterPath inside;
    inside.addEllipse(QPointF(0, 0), 55, 55);
    p.save();
    p.setClipPath(inside);
    p.setPen(QPen(Black, 3, Qt::SolidLine, Qt::FlatCap));
    for (double offset : {-16.0, -8.0, 0.0, 8.0, 16.0}) {
        p.drawLine(QPointF(60 + offset, -60 + offset), QPointF(-60 + offset, 60 + offset));
    }
    p.restore();
}

void StopForCheck(QPainter& p)
{
    ProhibitionRing(p);
    Text(p, QRectF(-46, -30, 92, 60), "检查", 36, Black);
}

void SpeedLimit60(QPainter& p)
{
    ProhibitionRing(p);
    Text(p, QRectF(-48, -40, 96, 80), "60", 56, Black);
}

void NarrowsOnLeft(QPainter& p)
{
    Narrows(p, true, false);
}

void ReverseCurve(QPainter& p)
{
    // Left then right: two bends, where three would be a winding road.
    WarningTriangle(p);
    QPainterPath shaft(QPointF(10, WarningMid + 30));
    shaft.lineTo(QPointF(10, WarningMid + 20));
    shaft.cubicTo(QPointF(10, WarningMid + 6), QPointF(-12, WarningMid + 10),
                  QPointF(-12, WarningMid - 4));
    shaft.cubicTo(QPointF(-12, WarningMid - 16), QPointF(8, WarningMid - 10),
                  QPointF(8, WarningMid - 20));
    Arrow(p, shaft, 9, Black);
}

void HumpBridge(QPainter& p)
{
    WarningTriangle(p);
    QPainterPath bridge(QPointF(-40, WarningMid + 28));
    bridge.lineTo(QPointF(-40, WarningMid + 16));
    bridge.cubicTo(QPointF(-16, WarningMid + 14), QPointF(-14, WarningMid - 14),
                   QPointF(0, WarningMid - 14));
    bridge.cubicTo(QPointF(14, WarningMid - 14), QPointF(16, WarningMid + 14),
                   QPointF(40, WarningMid + 16));
    bridge.lineTo(QPointF(40, WarningMid + 28));
    bridge.closeSubpath();
    QPainterPath arch;
    arch.addEllipse(QPointF(0, WarningMid + 30), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPath(bridge.subtracted(arch));
}

void YJunction(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 11, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, WarningMid + 30), QPointF(0, WarningMid + 2));
    p.drawLine(QPointF(0, WarningMid + 4), QPointF(-22, WarningMid - 24));
    p.drawLine(QPointF(0, WarningMid + 4), QPointF(22, WarningMid - 24));
}

void GuardedRailway(QPainter& p)
{
    // A level crossing with gates: a fence of posts and two rails.
    WarningTriangle(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(-34 + 15 * i, WarningMid - 14, 7, 42));
    }
    p.drawRect(QRectF(-38, WarningMid - 6, 76, 6));
    p.drawRect(QRectF(-38, WarningMid + 12, 76, 6));
}

void IcyRoad(QPainter& p)
{
    WarningTriangle(p);
    p.setPen(QPen(Black, 5, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(0, WarningMid + 2);
    for (int i = 0; i < 3; ++i) {
        const QLineF arm = QLineF::fromPolar(26, 90 + 60 * i).translated(c);
        p.drawLine(QLineF(c - (arm.p2() - c), arm.p2()));
        for (double end : {1.0, -1.0}) {
            const QPointF tip = c + (arm.p2() - c) * end * 0.7;
            const double a = 90 + 60 * i + (end < 0 ? 180 : 0);
            p.drawLine(QLineF::fromPolar(7, a + 135).translated(tip));
            p.drawLine(QLineF::fromPolar(7, a - 135).translated(tip));
        }
    }
}

void MergingTraffic(QPainter& p)
{
    // The main road runs straight up; a road joins it from the right.
    WarningTriangle(p);
    Arrow(p, Line(QPointF(-6, WarningMid + 30), QPointF(-6, WarningMid - 20)), 10, Black);
    p.setPen(QPen(Black, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(22, WarningMid + 30), QPointF(-2, WarningMid - 2));
}

void OneWay(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(-42, -62, 84, 124), 8, 8);
    Arrow(p, Line(QPointF(0, 50), QPointF(0, -26)), 18, White);
}

void PriorityOverOncoming(QPainter& p)
{
    // The white arrow (one's own way) is the wider: one goes first when meeting.
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(-60, -60, 120, 120), 8, 8);
    Arrow(p, Line(QPointF(-16, 48), QPointF(-16, -20)), 14, White);
    Arrow(p, Line(QPointF(18, -48), QPointF(18, 22)), 9, Red);
}

void ExpresswayStart(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRoundedRect(QRectF(-60, -60, 120, 120), 8, 8);
    p.setPen(QPen(White, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-55, -55, 110, 110), 6, 6);
    // The expressway pictogram: a road in perspective between two carriageway bands.
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawPolygon(
        QPolygonF({QPointF(-44, 40), QPointF(-8, -30), QPointF(-3, -30), QPointF(-24, 40)}));
    p.drawPolygon(QPolygonF({QPointF(44, 40), QPointF(8, -30), QPointF(3, -30), QPointF(24, 40)}));
    p.drawRect(QRectF(-46, -40, 92, 7));
    Text(p, QRectF(-50, 40, 100, 14), "起点", 12, White);
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
        {"p_no_right", s, s, NoRightTurn},
        {"p_no_straight", s, s, NoStraightOn},
        {"p_no_uturn", s, s, NoUTurn},
        {"p_no_horn", s, s, NoHorn},
        {"p_no_pedestrians", s, s, NoPedestrians},
        {"p_no_lorries", s, s, NoLorries},
        {"p_no_bicycles", s, s, NoBicycles},
        {"p_no_parking", s, s, NoParking},
        {"p_no_long_parking", s, s, NoLongParking},
        {"p_speed_40", s, s, SpeedLimit40},
        {"p_height_35", s, s, HeightLimit},
        {"p_width_3", s, s, WidthLimit},
        {"p_weight_10", s, s, WeightLimit},
        {"p_stop", s, s, Stop},
        {"p_yield", s, s, Yield},
        {"w_crossroads", s, s, Crossroads},
        {"w_t_junction", s, s, TJunction},
        {"w_left_curve", s, s, SharpLeftCurve},
        {"w_right_curve", s, s, SharpRightCurve},
        {"w_winding", s, s, WindingRoad},
        {"w_steep_up", s, s, SteepUphill},
        {"w_steep_down", s, s, SteepDownhill},
        {"w_children", s, s, Children},
        {"w_pedestrians", s, s, Pedestrians},
        {"w_slippery", s, s, Slippery},
        {"w_narrow_both", s, s, NarrowsBothSides},
        {"w_narrow_right", s, s, NarrowsOnRight},
        {"w_narrow_bridge", s, s, NarrowBridge},
        {"w_tunnel", s, s, Tunnel},
        {"w_uneven", s, s, UnevenRoad},
        {"w_crosswind", s, s, Crosswind},
        {"w_falling_rocks", s, s, FallingRocks},
        {"w_bicycles", s, s, Bicycles},
        {"w_slow", s, s, Slow},
        {"w_roundabout", s, s, RoundaboutAhead},
        {"w_railway", s, s, UnguardedRailway},
        {"w_signals", s, s, TrafficSignals},
        {"w_danger", s, s, Danger},
        {"w_two_way", s, s, TwoWayTraffic},
        {"m_straight", s, s, AheadOnly},
        {"m_left", s, s, TurnLeft},
        {"m_right", s, s, TurnRight},
        {"m_straight_right", s, s, AheadOrRight},
        {"m_straight_left", s, s, AheadOrLeft},
        {"m_left_right", s, s, LeftOrRight},
        {"m_keep_right", s, s, KeepRight},
        {"m_keep_left", s, s, KeepLeft},
        {"m_uturn", s, s, UTurnAllowed},
        {"m_motor", s, s, MotorVehiclesLane},
        {"m_bicycles", s, s, BicyclesLane},
        {"m_crosswalk", s, s, PedestrianCrossing},
        {"m_roundabout", s, s, Roundabout},
        {"m_min_speed_60", s, s, MinimumSpeed60},
        {"m_horn", s, s, SoundHorn},
        {"m_walk", s, s, Footpath},
        {"g_parking", s, s, Parking},
        {"g_exit", SceneWidth, SceneHeight, MotorwayExit},
        {"p_no_overtaking", s, s, NoOvertaking},
        {"p_no_left_right", s, s, NoLeftOrRightTurn},
        {"p_no_straight_right", s, s, NoStraightOrRightTurn},
        {"p_end_speed_40", s, s, EndOfSpeedLimit40},
        {"p_check", s, s, StopForCheck},
        {"p_speed_60", s, s, SpeedLimit60},
        {"w_narrow_left", s, s, NarrowsOnLeft},
        {"w_reverse_curve", s, s, ReverseCurve},
        {"w_hump_bridge", s, s, HumpBridge},
        {"w_y_junction", s, s, YJunction},
        {"w_guarded_railway", s, s, GuardedRailway},
        {"w_icy", s, s, IcyRoad},
        {"w_merge", s, s, MergingTraffic},
        {"m_one_way", s, s, OneWay},
        {"m_priority", s, s, PriorityOverOncoming},
        {"g_expressway_start", s, s, ExpresswayStart},
    };
}

} // namespace art
