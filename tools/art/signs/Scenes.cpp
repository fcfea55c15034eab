// Signal lamps, road markings seen from above and traffic police gestures: plain diagrams.
#include "Canvas.h"
#include "Pictograms.h"
#include "Picture.h"

#include <QPolygonF>

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

void AmberLight(QPainter& p)
{
    SignalHead(p, false, true, false);
}

void GreenLight(QPainter& p)
{
    SignalHead(p, false, false, true);
}

// A direction signal: one lamp lit as an arrow, turned by angle from pointing left.
void ArrowLamp(QPainter& p, const QColor& color, double angle)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-50, -50, 100, 100), 12, 12);
    p.setBrush(Dark);
    p.drawEllipse(QPointF(0, 0), 40, 40);
    p.rotate(angle);
    QPainterPath shaft(QPointF(26, 0));
    shaft.lineTo(QPointF(-8, 0));
    Arrow(p, shaft, 14, color);
}

void GreenLeftArrow(QPainter& p)
{
    ArrowLamp(p, LampGreen, 0);
}

void RedStraightArrow(QPainter& p)
{
    ArrowLamp(p, Red, 90);
}

void RedLeftArrow(QPainter& p)
{
    ArrowLamp(p, Red, 0);
}

void GreenStraightArrow(QPainter& p)
{
    ArrowLamp(p, LampGreen, 90);
}

void GreenRightArrow(QPainter& p)
{
    ArrowLamp(p, LampGreen, 180);
}

// The crossing signal for pedestrians: red standing figure above, green walking figure below;
// the green one is lit.
void PedestrianSignalGreen(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-34, -64, 68, 128), 10, 10);
    p.setBrush(Dark);
    p.drawRect(QRectF(-28, -58, 56, 56));
    p.drawRect(QRectF(-28, 2, 56, 56));
    p.setBrush(QColor(90, 50, 50));
    p.drawEllipse(QPointF(0, -48), 5, 5);
    p.drawRoundedRect(QRectF(-7, -42, 14, 22), 3, 3);
    p.drawRect(QRectF(-6, -22, 4, 16));
    p.drawRect(QRectF(2, -22, 4, 16));
    Walker(p, QPointF(2, 54), 48, LampGreen);
}

void FlashingAmber(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-32, -32, 64, 64), 10, 10);
    p.setBrush(QColor(255, 170, 0));
    p.drawEllipse(QPointF(0, 0), 22, 22);
    p.setPen(QPen(QColor(255, 170, 0), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const QLineF ray = QLineF::fromPolar(12, 45 * i + 22.5);
        p.drawLine(ray.translated(ray.p2() * 3.6));
    }
}

// The level-crossing signal: two red lamps side by side that flash in turn; the left one is lit.
void LevelCrossingLights(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawRoundedRect(QRectF(-72, -34, 144, 68), 34, 34);
    for (double x : {-36.0, 36.0}) {
        p.setBrush(x < 0 ? Red : Dark);
        p.drawEllipse(QPointF(x, 0), 24, 24);
    }
    p.setPen(QPen(Red, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const QLineF ray = QLineF::fromPolar(10, 45 * i + 22.5);
        p.drawLine(ray.translated(QPointF(-36, 0) + ray.p2() * 3.3));
    }
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

void MarkingLine(QPainter& p, QPointF from, QPointF to, const QColor& color, double width,
                 bool dashed)
{
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap);
    if (dashed) {
        pen.setDashPattern({8 / width, 6 / width});
    }
    p.setPen(pen);
    p.drawLine(from, to);
}

// Two yellow centre lines between two oncoming cars; either line may be broken.
void CentreLines(QPainter& p, bool leftDashed, bool rightDashed)
{
    Road(p);
    MarkingLine(p, QPointF(-4, -60), QPointF(-4, 60), MarkingYellow, 3, leftDashed);
    MarkingLine(p, QPointF(4, -60), QPointF(4, 60), MarkingYellow, 3, rightDashed);
    CarTop(p, QPointF(28, 24), QColor(30, 90, 200));
    p.save();
    p.rotate(180);
    CarTop(p, QPointF(28, 20), QColor(200, 40, 40));
    p.restore();
}

void DoubleYellowLine(QPainter& p)
{
    CentreLines(p, false, false);
}

void SolidAndBrokenCentreLines(QPainter& p)
{
    CentreLines(p, false, true);
}

// A crossroad whose near edge lies at nearEdge, reached from below on the right half of the road.
void JunctionAhead(QPainter& p, double nearEdge = -18)
{
    Road(p);
    p.fillRect(QRectF(-80, nearEdge - 36, 160, 36), Asphalt);
    MarkingLine(p, QPointF(0, nearEdge), QPointF(0, 60), MarkingYellow, 3, false);
}

// Where a minor road meets a major one: two stop lines with 停 before them, or two give-way
// lines with the triangle pointing at the driver.
void YieldMarking(QPainter& p, bool stop)
{
    JunctionAhead(p);
    for (double y : {-14.0, -8.0}) {
        MarkingLine(p, QPointF(2, y), QPointF(52, y), White, 3, !stop);
    }
    if (stop) {
        Text(p, QRectF(10, 0, 36, 30), "停", 26, White);
    } else {
        p.setPen(QPen(White, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({QPointF(14, 4), QPointF(42, 4), QPointF(28, 26)}));
    }
    CarTop(p, QPointF(26, 44), QColor(30, 90, 200));
}

void StopLineMarking(QPainter& p)
{
    YieldMarking(p, true);
}

void GiveWayMarking(QPainter& p)
{
    YieldMarking(p, false);
}

// An arrow painted in a lane: up the lane from its foot, then turned by side (-1 left, 0 ahead,
// +1 right).
void LaneArrow(QPainter& p, double x, double side)
{
    QPainterPath shaft(QPointF(x, 44));
    if (side == 0) {
        shaft.lineTo(QPointF(x, 4));
    } else {
        shaft.lineTo(QPointF(x, 20));
        shaft.quadTo(QPointF(x, 12), QPointF(x + 6 * side, 12));
    }
    Arrow(p, shaft, 5, White);
}

void GuideLanes(QPainter& p)
{
    JunctionAhead(p);
    p.fillRect(QRectF(-56, -18, 112, 78), Asphalt);
    MarkingLine(p, QPointF(-52, -18), QPointF(-52, 60), MarkingYellow, 3, false);
    MarkingLine(p, QPointF(-52, -14), QPointF(52, -14), White, 3, false);
    for (double x : {-17.0, 17.0}) {
        MarkingLine(p, QPointF(x, -14), QPointF(x, 60), White, 2, false);
    }
    LaneArrow(p, -34, -1);
    LaneArrow(p, 0, 0);
    LaneArrow(p, 34, 1);
}

void ChannelisingLines(QPainter& p)
{
    Road(p);
    const QPolygonF island({QPointF(0, 34), QPointF(-22, -60), QPointF(22, -60)});
    QPainterPath area;
    area.addPolygon(island);
    p.save();
    p.setClipPath(area);
    p.setPen(QPen(White, 3));
    for (int y = -80; y <= 40; y += 10) {
        p.drawLine(QPointF(-30, y), QPointF(30, y - 24));
    }
    p.restore();
    p.setPen(QPen(White, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(-22, -60), QPointF(0, 34), QPointF(22, -60)}));
    CarTop(p, QPointF(-32, 10), QColor(30, 90, 200));
    CarTop(p, QPointF(32, 30), QColor(200, 40, 40));
}

void LeftTurnWaitingArea(QPainter& p)
{
    // The waiting area reaches past the stop line into the junction, in the left-turn lane.
    JunctionAhead(p, 6);
    MarkingLine(p, QPointF(0, 8), QPointF(52, 8), White, 3, false);
    MarkingLine(p, QPointF(26, 10), QPointF(26, 60), White, 2, true);
    const QPolygonF box({QPointF(3, 6), QPointF(3, -30), QPointF(24, -30), QPointF(24, 6)});
    for (int i = 0; i < 3; ++i) {
        MarkingLine(p, box[i], box[i + 1], White, 2, true);
        Text(p, QRectF(4, -29 + 11 * i, 19, 11), QString("待转区").at(i), 10, White);
    }
    CarTop(p, QPointF(13, 38), QColor(30, 90, 200));
}

void CrossingAheadDiamond(QPainter& p)
{
    Road(p);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    for (int i = 0; i < 7; ++i) {
        p.drawRect(QRectF(-50 + 15 * i, -56, 9, 22));
    }
    p.setPen(QPen(White, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(26, -20), QPointF(36, 0), QPointF(26, 20), QPointF(16, 0)}));
    MarkingLine(p, QPointF(0, -30), QPointF(0, 60), MarkingYellow, 3, false);
    CarTop(p, QPointF(26, 44), QColor(30, 90, 200));
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
// swingLeft, swingRight: how far that arm swings, in degrees the same way round; an arrow
// beyond the hand shows it.
// reachLeft, reachRight: the drawn length of that arm; an arm held out towards the driver is
// seen end-on, so it is drawn short.
void Officer(QPainter& p, double leftArm, double rightArm, double swingLeft = 0,
             double swingRight = 0, double reachLeft = 42, double reachRight = 42)
{
    const QColor uniform(20, 40, 90);
    p.translate(0, 8);
    const QPointF shoulderL(12, -26);
    const QPointF shoulderR(-12, -26);
    p.setPen(QPen(uniform, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(-6, 20), QPointF(-10, 54));
    p.drawLine(QPointF(6, 20), QPointF(10, 54));
    const struct
    {
        QPointF shoulder;
        double angle;
        double swing;
        double reach;
    } arms[] = {{shoulderL, leftArm, swingLeft, reachLeft},
                {shoulderR, rightArm, swingRight, reachRight}};
    for (const auto& arm : arms) {
        const QPointF hand = QLineF::fromPolar(arm.reach, arm.angle).translated(arm.shoulder).p2();
        p.setPen(QPen(uniform, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(arm.shoulder, hand);
        p.setPen(QPen(Black, 1));
        p.setBrush(White);
        p.drawEllipse(hand, arm.reach < 30 ? 7.5 : 5.5, arm.reach < 30 ? 7.5 : 5.5);
        if (arm.swing != 0) {
            const QRectF reach(arm.shoulder - QPointF(54, 54), arm.shoulder + QPointF(54, 54));
            QPainterPath swing;
            swing.arcMoveTo(reach, arm.angle);
            swing.arcTo(reach, arm.angle, arm.swing);
            Arrow(p, swing, 3, Red);
        }
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

// Two lanes of one direction, both cars heading up, split by a white line.
void SameDirectionLanes(QPainter& p, bool dashed)
{
    Road(p);
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), White, 3, dashed);
    CarTop(p, QPointF(-26, 8), QColor(200, 40, 40));
    CarTop(p, QPointF(26, 32), QColor(30, 90, 200));
}

void WhiteBrokenLaneLine(QPainter& p)
{
    SameDirectionLanes(p, true);
}

void WhiteSolidLaneLine(QPainter& p)
{
    SameDirectionLanes(p, false);
}

// A yellow line along the kerb on the right, beside a car pulling in.
void KerbLine(QPainter& p, bool dashed)
{
    Road(p);
    p.fillRect(QRectF(56, -60, 24, 120), QColor(200, 200, 200));
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), MarkingYellow, 3, false);
    MarkingLine(p, QPointF(52, -60), QPointF(52, 60), MarkingYellow, 4, dashed);
    CarTop(p, QPointF(38, 10), QColor(30, 90, 200));
}

void KerbYellowSolid(QPainter& p)
{
    KerbLine(p, false);
}

void KerbYellowBroken(QPainter& p)
{
    KerbLine(p, true);
}

void SlowDownLines(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), MarkingYellow, 3, false);
    for (double y : {-44.0, -34.0, -24.0, -14.0}) {
        MarkingLine(p, QPointF(4, y), QPointF(50, y), White, 4, true);
    }
    CarTop(p, QPointF(26, 36), QColor(30, 90, 200));
}

void DistanceCheckLines(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), White, 2, true);
    const char* labels[] = {"100m", "50m", "0m"};
    for (int i = 0; i < 3; ++i) {
        const double y = -46 + 42 * i;
        p.fillRect(QRectF(-50, y - 3, 100, 6), White);
        Text(p, QRectF(-80, y - 14, 24, 12), labels[i], 8, Black);
    }
    CarTop(p, QPointF(-26, 24), QColor(30, 90, 200));
    CarTop(p, QPointF(-26, -24), QColor(200, 40, 40));
}

void UTurnArrowMarking(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(-52, -60), QPointF(-52, 60), MarkingYellow, 3, false);
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), White, 2, true);
    QPainterPath shaft(QPointF(-16, 50));
    shaft.lineTo(QPointF(-16, -14));
    shaft.arcTo(QRectF(-40, -26, 24, 24), 0, 180);
    shaft.lineTo(QPointF(-40, 2));
    Arrow(p, shaft, 6, White);
    CarTop(p, QPointF(26, 30), QColor(30, 90, 200));
}

void BusLane(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(18, -60), QPointF(18, 60), MarkingYellow, 3, true);
    MarkingLine(p, QPointF(-18, -60), QPointF(-18, 60), White, 2, true);
    for (int i = 0; i < 4; ++i) {
        Text(p, QRectF(22, -52 + 17 * i, 28, 16), QString("公交专用").at(i), 13, White);
    }
    CarTop(p, QPointF(0, 30), QColor(30, 90, 200));
}

// An expressway seen from above: two lanes and, beyond the solid edge line, the emergency lane
// with a broken-down car and its warning triangle.
void EmergencyLane(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(-18, -60), QPointF(-18, 60), White, 2, true);
    MarkingLine(p, QPointF(22, -60), QPointF(22, 60), White, 3, false);
    CarTop(p, QPointF(37, -30), QColor(200, 40, 40));
    p.setPen(QPen(Red, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(37, 36), QPointF(31, 46), QPointF(43, 46)}));
    CarTop(p, QPointF(2, 20), QColor(30, 90, 200));
}

// A broken-down car with its warning triangle set up behind it, the distance between them
// marked and left open.
void WarningTriangleBehind(QPainter& p)
{
    Road(p);
    MarkingLine(p, QPointF(0, -60), QPointF(0, 60), MarkingYellow, 3, false);
    CarTop(p, QPointF(30, -36), QColor(200, 40, 40));
    p.setPen(QPen(Red, 3));
    p.setBrush(White);
    p.drawPolygon(QPolygonF({QPointF(30, 34), QPointF(22, 48), QPointF(38, 48)}));
    p.setPen(QPen(White, 1.5, Qt::DashLine));
    p.drawLine(QPointF(12, -18), QPointF(12, 32));
    Text(p, QRectF(-48, -2, 56, 16), "? 米", 13, White);
}

void GestureStop(QPainter& p)
{
    Officer(p, 75, 265);
}

void GestureStraight(QPainter& p)
{
    Officer(p, 0, 180);
}

void GestureLeftTurnWait(QPainter& p)
{
    Officer(p, -40, 265, -30, 0);
}

void GestureSlowDown(QPainter& p)
{
    Officer(p, 275, 185, 0, 30);
}

void GestureLeftTurn(QPainter& p)
{
    // Right arm held out towards the driver; the left arm swings across to the officer's right
    // front, which the driver sees as a sweep from right to left.
    Officer(p, 185, 250, 0, 0, 42, 18);
    Arrow(p, Line(QPointF(44, -44), QPointF(-34, -44)), 3, Red);
}

void GesturePullOver(QPainter& p)
{
    // Left arm up as for stop; right arm held out low towards the driver and swung level to the
    // officer's left, the driver's right.
    Officer(p, 75, 245, 0, 0, 42, 22);
    Arrow(p, Line(QPointF(-22, 6), QPointF(20, 6)), 3, Red);
}

} // namespace

std::vector<Picture> ScenePictures()
{
    return {
        {"l_red", SignSize, SignSize, RedLight},
        {"l_amber", SignSize, SignSize, AmberLight},
        {"l_green", SignSize, SignSize, GreenLight},
        {"l_green_left", SignSize, SignSize, GreenLeftArrow},
        {"l_red_straight", SignSize, SignSize, RedStraightArrow},
        {"l_level_crossing", SceneWidth, SceneHeight, LevelCrossingLights},
        {"l_lane_x", SceneWidth, SceneHeight, LaneSignals},
        {"mk_double_yellow", SceneWidth, SceneHeight, DoubleYellowLine},
        {"mk_crosswalk", SceneWidth, SceneHeight, Crosswalk},
        {"mk_yellow_grid", SceneWidth, SceneHeight, YellowGrid},
        {"mk_solid_broken", SceneWidth, SceneHeight, SolidAndBrokenCentreLines},
        {"mk_stop_line", SceneWidth, SceneHeight, StopLineMarking},
        {"mk_give_way", SceneWidth, SceneHeight, GiveWayMarking},
        {"mk_guide_lanes", SceneWidth, SceneHeight, GuideLanes},
        {"mk_channelising", SceneWidth, SceneHeight, ChannelisingLines},
        {"mk_left_waiting", SceneWidth, SceneHeight, LeftTurnWaitingArea},
        {"mk_crossing_ahead", SceneWidth, SceneHeight, CrossingAheadDiamond},
        {"gs_stop", SignSize, SignSize, GestureStop},
        {"gs_straight", SignSize, SignSize, GestureStraight},
        {"gs_left_wait", SignSize, SignSize, GestureLeftTurnWait},
        {"gs_slow", SignSize, SignSize, GestureSlowDown},
        {"l_red_left", SignSize, SignSize, RedLeftArrow},
        {"l_green_straight", SignSize, SignSize, GreenStraightArrow},
        {"l_green_right", SignSize, SignSize, GreenRightArrow},
        {"l_ped_green", SignSize, SignSize, PedestrianSignalGreen},
        {"l_flash_amber", SignSize, SignSize, FlashingAmber},
        {"mk_white_dashed", SceneWidth, SceneHeight, WhiteBrokenLaneLine},
        {"mk_white_solid", SceneWidth, SceneHeight, WhiteSolidLaneLine},
        {"mk_kerb_yellow_solid", SceneWidth, SceneHeight, KerbYellowSolid},
        {"mk_kerb_yellow_dashed", SceneWidth, SceneHeight, KerbYellowBroken},
        {"mk_slow_lines", SceneWidth, SceneHeight, SlowDownLines},
        {"mk_distance_check", SceneWidth, SceneHeight, DistanceCheckLines},
        {"mk_uturn_arrow", SceneWidth, SceneHeight, UTurnArrowMarking},
        {"mk_bus_lane", SceneWidth, SceneHeight, BusLane},
        {"sc_emergency_lane", SceneWidth, SceneHeight, EmergencyLane},
        {"sc_warning_triangle", SceneWidth, SceneHeight, WarningTriangleBehind},
        {"gs_left_turn", SignSize, SignSize, GestureLeftTurn},
        {"gs_pull_over", SignSize, SignSize, GesturePullOver},
    };
}

} // namespace art
