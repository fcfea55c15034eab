// Traffic situations of the second written test: a breakdown, a school bus, a jam beside the
// emergency lane, fog, a flooded road, a mountain road, a tanker, a danger label and first aid.
#include "Canvas.h"
#include "Pictograms.h"
#include "Picture.h"

#include <QLinearGradient>
#include <QPolygonF>

namespace art {

namespace {

const QColor Verge{150, 190, 120};
const QColor Hazard{255, 150, 0};
const QColor BusYellow{250, 190, 20};
const QColor Skin{245, 205, 170};

// A road seen from above running up the picture, edgeX from the centre to each edge line, with
// broken white lane lines at the given offsets.
void TopRoad(QPainter& p, double edgeX, std::initializer_list<double> laneLines)
{
    p.fillRect(QRectF(-80, -60, 160, 120), Verge);
    p.fillRect(QRectF(-edgeX - 4, -60, 2 * edgeX + 8, 120), Asphalt);
    p.setPen(QPen(White, 2));
    p.drawLine(QPointF(-edgeX, -60), QPointF(-edgeX, 60));
    p.drawLine(QPointF(edgeX, -60), QPointF(edgeX, 60));
    QPen dashed(White, 2, Qt::SolidLine, Qt::FlatCap);
    dashed.setDashPattern({4, 3});
    p.setPen(dashed);
    for (double x : laneLines) {
        p.drawLine(QPointF(x, -60), QPointF(x, 60));
    }
}

// Four amber corner lamps on a car from above: its hazard warning lights.
void HazardLamps(QPainter& p, QPointF centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Hazard);
    for (double dx : {-9.0, 9.0}) {
        for (double dy : {-16.0, 16.0}) {
            p.drawEllipse(centre + QPointF(dx, dy), 3.5, 3.5);
        }
    }
}

// The red reflective warning triangle standing on the road, seen from above.
void WarningTriangleOnRoad(QPainter& p, QPointF centre)
{
    p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(
        QPolygonF({centre + QPointF(0, -9), centre + QPointF(9, 7), centre + QPointF(-9, 7)}));
}

void Breakdown(QPainter& p)
{
    TopRoad(p, 40, {0});
    CarTop(p, QPointF(20, -36), QColor(120, 120, 130));
    HazardLamps(p, QPointF(20, -36));
    WarningTriangleOnRoad(p, QPointF(20, 12));
    CarTop(p, QPointF(-20, 40), QColor(30, 90, 200));
    Walker(p, QPointF(60, -14), 28, QColor(230, 120, 0));
}

void SchoolBusStopped(QPainter& p)
{
    TopRoad(p, 44, {});
    p.setPen(QPen(QColor(250, 200, 0), 3));
    p.drawLine(QPointF(0, -60), QPointF(0, 60));
    p.setPen(QPen(Black, 1));
    p.setBrush(BusYellow);
    p.drawRoundedRect(QRectF(12, -56, 26, 62), 5, 5);
    Text(p, QRectF(12, -44, 26, 16), "校", 14, Black);
    Text(p, QRectF(12, -28, 26, 16), "车", 14, Black);
    HazardLamps(p, QPointF(25, -25));
    // The stop arm swung out on the driver's side.
    p.setPen(QPen(Black, 2));
    p.drawLine(QPointF(12, -40), QPointF(4, -40));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QPointF(-2, -40), 7, 7);
    Text(p, QRectF(-9, -47, 14, 14), "停", 9, White);
    CarTop(p, QPointF(25, 36), QColor(30, 90, 200));
    for (double x : {56.0, 66.0}) {
        Walker(p, QPointF(x, -22 + (x - 56)), 22, QColor(230, 120, 0));
    }
}

void EmergencyLane(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), Verge);
    p.fillRect(QRectF(-60, -60, 116, 120), Asphalt);
    p.setPen(QPen(QColor(250, 200, 0), 2));
    p.drawLine(QPointF(-56, -60), QPointF(-56, 60));
    QPen dashed(White, 2, Qt::SolidLine, Qt::FlatCap);
    dashed.setDashPattern({4, 3});
    p.setPen(dashed);
    p.drawLine(QPointF(-20, -60), QPointF(-20, 60));
    p.setPen(QPen(White, 3));
    p.drawLine(QPointF(16, -60), QPointF(16, 60));
    p.drawLine(QPointF(52, -60), QPointF(52, 60));
    for (double y : {-44.0, -6.0, 32.0}) {
        CarTop(p, QPointF(-38, y), QColor(30, 90, 200));
        CarTop(p, QPointF(-2, y + 10), QColor(200, 40, 40));
    }
    for (int i = 0; i < 4; ++i) {
        Text(p, QRectF(24, -50 + 17 * i, 20, 17), QString("应急车道").at(i), 13, White);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRoundedRect(QRectF(25, 22, 18, 34), 3, 3);
    p.setBrush(Red);
    p.drawRect(QRectF(32, 28, 4, 14));
    p.drawRect(QRectF(27, 33, 14, 4));
}

// A road running into the distance, seen from the driver's seat.
void RoadAhead(QPainter& p, const QColor& sky)
{
    p.fillRect(QRectF(-80, -60, 160, 120), sky);
    p.fillRect(QRectF(-80, -10, 160, 70), Verge);
    p.setPen(Qt::NoPen);
    p.setBrush(Asphalt);
    p.drawPolygon(
        QPolygonF({QPointF(-8, -10), QPointF(8, -10), QPointF(70, 60), QPointF(-70, 60)}));
    p.setPen(QPen(White, 2));
    for (double t : {0.1, 0.35, 0.6, 0.85}) {
        p.drawLine(QPointF(0, -10 + 70 * t), QPointF(0, -10 + 70 * (t + 0.12)));
    }
}

void Fog(QPainter& p)
{
    RoadAhead(p, QColor(200, 205, 210));
    CarRear(p, QPointF(0, 30), 46, QColor(60, 60, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 60, 40));
    for (double x : {-16.0, 16.0}) {
        p.drawEllipse(QPointF(x, 16), 4, 3);
    }
    QLinearGradient mist(QPointF(0, -60), QPointF(0, 60));
    mist.setColorAt(0, QColor(235, 235, 235, 250));
    mist.setColorAt(0.55, QColor(235, 235, 235, 200));
    mist.setColorAt(1, QColor(235, 235, 235, 90));
    p.fillRect(QRectF(-80, -60, 160, 120), mist);
}

void FloodedRoad(QPainter& p)
{
    RoadAhead(p, QColor(150, 190, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 190));
    p.drawRect(QRectF(-80, 4, 160, 22));
    p.setPen(QPen(QColor(200, 225, 245), 1.5));
    for (double y : {10.0, 17.0, 23.0}) {
        for (double x = -76 + (y == 17.0 ? 8 : 0); x < 76; x += 18) {
            p.drawLine(QPointF(x, y), QPointF(x + 8, y));
        }
    }
    // A depth gauge standing in the water.
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRect(QRectF(46, -30, 8, 50));
    p.setBrush(Red);
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(46, -30 + 10 * i, 8, 5));
    }
    CarSide(p, QPointF(-30, 52), 44, QColor(30, 90, 200));
}

void MountainRoad(QPainter& p)
{
    // Rock on the left, a drop beyond the guard rail on the right.
    p.fillRect(QRectF(-80, -60, 44, 120), QColor(150, 110, 70));
    p.setPen(QPen(QColor(110, 80, 50), 2));
    for (int y = -56; y < 60; y += 14) {
        p.drawLine(QPointF(-78, y), QPointF(-44, y + 10));
    }
    p.fillRect(QRectF(36, -60, 44, 120), QColor(170, 200, 230));
    p.fillRect(QRectF(-36, -60, 72, 120), Asphalt);
    p.setPen(QPen(White, 4));
    p.drawLine(QPointF(38, -60), QPointF(38, 60));
    p.setPen(QPen(Black, 1));
    for (int y = -56; y < 60; y += 12) {
        p.drawLine(QPointF(38, y), QPointF(38, y + 5));
    }
    Text(p, QRectF(-80, -12, 44, 24), "山体", 13, White);
    Text(p, QRectF(42, -12, 38, 24), "悬崖", 13, QColor(40, 60, 90));
    CarTop(p, QPointF(16, 30), QColor(30, 90, 200));
    p.save();
    p.rotate(180);
    CarTop(p, QPointF(16, 26), QColor(200, 40, 40));
    p.restore();
}

// A tank lorry from the side carrying the plates of the current marking standard, which has no
// roof lamp: the class diamond and the rectangular plate, hazard number 33 over UN number 1203
// (petrol).
void Tanker(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), QColor(205, 225, 240));
    p.fillRect(QRectF(-80, 34, 160, 26), Asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(-72, -16, 100, 40), 18, 18);
    p.setBrush(QColor(30, 90, 160));
    p.drawRoundedRect(QRectF(34, -12, 36, 36), 4, 4);
    p.setBrush(QColor(200, 225, 245));
    p.drawRect(QRectF(52, -6, 14, 12));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(-72, 22, 142, 6));
    for (double x : {-54.0, -36.0, 50.0}) {
        p.setBrush(Black);
        p.drawEllipse(QPointF(x, 30), 8, 8);
        p.setBrush(QColor(170, 170, 170));
        p.drawEllipse(QPointF(x, 30), 3, 3);
    }
    p.save();
    p.translate(-38, 3);
    p.rotate(45);
    p.setPen(QPen(Black, 1));
    p.setBrush(Red);
    p.drawRect(QRectF(-11, -11, 22, 22));
    p.restore();
    Text(p, QRectF(-48, -7, 20, 20), "3", 12, Black);
    const QRectF plate(-14, -11, 34, 28);
    p.setPen(QPen(Black, 2));
    p.setBrush(QColor(255, 140, 0));
    p.drawRect(plate);
    p.drawLine(QPointF(plate.left(), plate.center().y()),
               QPointF(plate.right(), plate.center().y()));
    Text(p, QRectF(plate.left(), plate.top(), plate.width(), plate.height() / 2), "33", 11, Black);
    Text(p, QRectF(plate.left(), plate.center().y(), plate.width(), plate.height() / 2), "1203", 11,
         Black);
}

// The diamond label of flammable liquids: a black flame on red, class number 3 at the foot.
void FlammableLabel(QPainter& p)
{
    const QPolygonF diamond({QPointF(0, -60), QPointF(60, 0), QPointF(0, 60), QPointF(-60, 0)});
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPolygon(diamond);
    p.setPen(QPen(Black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(0, -54), QPointF(54, 0), QPointF(0, 54), QPointF(-54, 0)}));
    QPainterPath flame(QPointF(-16, 2));
    flame.cubicTo(QPointF(-22, -14), QPointF(-6, -22), QPointF(-4, -40));
    flame.cubicTo(QPointF(4, -28), QPointF(2, -20), QPointF(8, -14));
    flame.cubicTo(QPointF(10, -22), QPointF(12, -26), QPointF(12, -30));
    flame.cubicTo(QPointF(24, -16), QPointF(22, -2), QPointF(16, 2));
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPath(flame);
    p.drawRect(QRectF(-22, 6, 44, 4));
    Text(p, QRectF(-12, 28, 24, 22), "3", 20, Black);
}

// A casualty laid on the side: upper knee bent forward, upper hand under the cheek, head tilted
// back so the airway stays open.
void RecoveryPosition(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), QColor(150, 190, 120));
    p.fillRect(QRectF(-80, 30, 160, 30), QColor(120, 160, 95));
    const QColor shirt(40, 100, 170);
    const QColor trousers(50, 50, 70);
    p.setPen(QPen(trousers, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(14, 22), QPointF(44, 24), QPointF(68, 26)}));
    p.drawPolyline(QPolygonF({QPointF(14, 16), QPointF(34, 0), QPointF(50, 22)}));
    p.setPen(QPen(shirt, 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-34, 14), QPointF(12, 18));
    p.setPen(QPen(shirt, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(-30, 8), QPointF(-20, -8), QPointF(-46, 2)}));
    p.drawLine(QPointF(-30, 22), QPointF(-64, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(-52, 8), 11, 10);
    p.drawEllipse(QPointF(-48, 2), 4, 4);
    p.setBrush(QColor(60, 40, 30));
    p.drawChord(QRectF(-63, -2, 22, 20), 30 * 16, 150 * 16);
}

// Chest compressions: the rescuer kneels beyond the casualty, arms straight down onto the centre
// of the chest.
void ChestCompressions(QPainter& p)
{
    p.fillRect(QRectF(-80, -60, 160, 120), QColor(235, 240, 245));
    p.fillRect(QRectF(-80, 36, 160, 24), QColor(150, 150, 150));
    const QColor rescuer(200, 60, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(rescuer);
    p.drawRoundedRect(QRectF(-30, -36, 24, 60), 8, 8);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(-16, -46), 9, 9);
    p.setBrush(QColor(40, 100, 170));
    p.drawRoundedRect(QRectF(-44, 16, 56, 20), 6, 6);
    p.setBrush(QColor(50, 50, 70));
    p.drawRoundedRect(QRectF(10, 22, 64, 14), 6, 6);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(-56, 25), 10, 9);
    p.setPen(QPen(rescuer, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-22, -28), QPointF(-18, 12));
    p.drawLine(QPointF(-12, -28), QPointF(-16, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(-17, 14), 6, 4);
    QPainterPath push(QPointF(-40, -14));
    push.lineTo(QPointF(-40, 8));
    Arrow(p, push, 3, Red);
}

} // namespace

std::vector<Picture> SituationPictures()
{
    return {
        {"s_breakdown", SceneWidth, SceneHeight, Breakdown},
        {"s_school_bus", SceneWidth, SceneHeight, SchoolBusStopped},
        {"s_emergency_lane", SceneWidth, SceneHeight, EmergencyLane},
        {"s_fog", SceneWidth, SceneHeight, Fog},
        {"s_flooded_road", SceneWidth, SceneHeight, FloodedRoad},
        {"s_mountain_road", SceneWidth, SceneHeight, MountainRoad},
        {"s_tanker", SceneWidth, SceneHeight, Tanker},
        {"s_label_flammable", SignSize, SignSize, FlammableLabel},
        {"s_recovery_position", SceneWidth, SceneHeight, RecoveryPosition},
        {"s_chest_compressions", SceneWidth, SceneHeight, ChestCompressions},
    };
}

} // namespace art
