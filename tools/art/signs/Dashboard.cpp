// Warning and indicator lamps of the instrument panel, each lit on a dark face in the colour
// that tells its urgency: red to stop and check, amber to take care, green or blue for a state.
#include "Canvas.h"
#include "Picture.h"

#include <QPolygonF>

namespace art {

namespace {

const QColor Face{34, 36, 40};
const QColor LampRed{235, 40, 30};
const QColor Amber{255, 170, 0};
const QColor LampBlue{40, 120, 255};

void Panel(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Face);
    p.drawRoundedRect(QRectF(-62, -62, 124, 124), 14, 14);
}

QPen Stroke(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A circle with a bracket on either side and a label inside, the shape of the brake lamps.
void BracketedCircle(QPainter& p, const QString& label, int pixelSize, const QColor& color)
{
    Panel(p);
    p.setPen(Stroke(color, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 30, 30);
    const QRectF brackets(-44, -44, 88, 88);
    p.drawArc(brackets, -45 * 16, 90 * 16);
    p.drawArc(brackets, 135 * 16, 90 * 16);
    Text(p, QRectF(-28, -22, 56, 44), label, pixelSize, color);
}

void OilPressure(QPainter& p)
{
    Panel(p);
    p.setPen(Qt::NoPen);
    p.setBrush(LampRed);
    p.drawPolygon(QPolygonF({QPointF(-34, -4), QPointF(-4, -4), QPointF(2, -12), QPointF(18, -12),
                             QPointF(44, -24), QPointF(46, -19), QPointF(20, 4), QPointF(20, 20),
                             QPointF(-34, 20)}));
    p.drawRect(QRectF(-14, -20, 14, 8));
    p.drawEllipse(QPointF(44, 10), 5, 5);
    p.drawPolygon(QPolygonF({QPointF(40, 8), QPointF(48, 8), QPointF(44, -2)}));
    p.setPen(Stroke(LampRed, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-50, -4, 18, 18));
}

void CoolantTemperature(QPainter& p)
{
    Panel(p);
    p.setPen(Stroke(LampRed, 6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, -40), QPointF(0, 8));
    for (double y : {-34.0, -24.0, -14.0}) {
        p.drawLine(QPointF(6, y), QPointF(18, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(LampRed);
    p.drawEllipse(QPointF(0, 14), 10, 10);
    p.setPen(Stroke(LampRed, 4));
    p.setBrush(Qt::NoBrush);
    for (double y : {32.0, 42.0}) {
        QPainterPath wave(QPointF(-40, y));
        for (int i = 0; i < 4; ++i) {
            wave.quadTo(QPointF(-30 + 20 * i, y + (i % 2 ? 6 : -6)), QPointF(-20 + 20 * i, y));
        }
        p.drawPath(wave);
    }
}

void Charging(QPainter& p)
{
    Panel(p);
    p.setPen(Qt::NoPen);
    p.setBrush(LampRed);
    p.drawRect(QRectF(-30, -26, 14, 8));
    p.drawRect(QRectF(16, -26, 14, 8));
    p.setPen(Stroke(LampRed, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-40, -18, 80, 46));
    p.drawLine(QPointF(-30, 4), QPointF(-14, 4));
    p.drawLine(QPointF(14, 4), QPointF(30, 4));
    p.drawLine(QPointF(22, -4), QPointF(22, 12));
}

void SeatBelt(QPainter& p)
{
    Panel(p);
    p.setPen(Qt::NoPen);
    p.setBrush(LampRed);
    p.drawEllipse(QPointF(0, -34), 11, 11);
    QPainterPath body;
    body.addRoundedRect(QRectF(-26, -18, 52, 62), 14, 14);
    p.drawPath(body);
    // The belt across the chest: a red band set off from the body by dark edges.
    p.setPen(QPen(Face, 14, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, -16), QPointF(22, 30));
    p.setPen(QPen(LampRed, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, -16), QPointF(22, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(Face);
    p.drawRect(QRectF(12, 16, 14, 10));
}

void ParkingBrake(QPainter& p)
{
    BracketedCircle(p, "P", 40, LampRed);
}

void AntiLockBrakes(QPainter& p)
{
    BracketedCircle(p, "ABS", 20, Amber);
}

void LowFuel(QPainter& p)
{
    Panel(p);
    QPainterPath pump;
    pump.addRoundedRect(QRectF(-30, -36, 38, 72), 4, 4);
    QPainterPath window;
    window.addRect(QRectF(-23, -28, 24, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(Amber);
    p.drawPath(pump.subtracted(window));
    p.drawRect(QRectF(-36, 32, 50, 6));
    p.setPen(Stroke(Amber, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(8, -6), QPointF(20, -6), QPointF(20, 18), QPointF(30, 18),
                              QPointF(30, -22), QPointF(22, -32)}));
}

// A headlamp facing left with its beams: level for the main beam, dipped for the low beam.
void Headlamp(QPainter& p, const QColor& color, double dip)
{
    Panel(p);
    QPainterPath lamp(QPointF(-2, -24));
    lamp.cubicTo(QPointF(40, -24), QPointF(40, 24), QPointF(-2, 24));
    lamp.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(lamp);
    p.setPen(Stroke(color, 6));
    for (int i = 0; i < 5; ++i) {
        const double y = -20 + 10 * i;
        p.drawLine(QPointF(-12, y), QPointF(-42, y + dip));
    }
}

void MainBeam(QPainter& p)
{
    Headlamp(p, LampBlue, 0);
}

void LowBeam(QPainter& p)
{
    Headlamp(p, QColor(0, 200, 90), 12);
}

void Hazard(QPainter& p)
{
    Panel(p);
    p.setPen(Stroke(LampRed, 7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(0, -44), QPointF(44, 32), QPointF(-44, 32)}));
    p.setPen(Stroke(LampRed, 5));
    p.drawPolygon(QPolygonF({QPointF(0, -16), QPointF(20, 18), QPointF(-20, 18)}));
}

void TyrePressure(QPainter& p)
{
    Panel(p);
    p.setPen(Stroke(Amber, 6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tyre(QPointF(-28, -30));
    tyre.quadTo(QPointF(-44, 0), QPointF(-32, 22));
    tyre.lineTo(QPointF(32, 22));
    tyre.quadTo(QPointF(44, 0), QPointF(28, -30));
    p.drawPath(tyre);
    for (double x : {-24.0, -8.0, 8.0, 24.0}) {
        p.drawLine(QPointF(x, 22), QPointF(x, 32));
    }
    Text(p, QRectF(-16, -30, 32, 46), "!", 40, Amber);
}

} // namespace

std::vector<Picture> DashboardPictures()
{
    const int s = SignSize;
    return {
        {"d_oil_pressure", s, s, OilPressure},   {"d_coolant", s, s, CoolantTemperature},
        {"d_charging", s, s, Charging},          {"d_seat_belt", s, s, SeatBelt},
        {"d_parking_brake", s, s, ParkingBrake}, {"d_abs", s, s, AntiLockBrakes},
        {"d_low_fuel", s, s, LowFuel},           {"d_main_beam", s, s, MainBeam},
        {"d_low_beam", s, s, LowBeam},           {"d_hazard", s, s, Hazard},
        {"d_tyre_pressure", s, s, TyrePressure},
    };
}

} // namespace art
