#include "Pictograms.h"

#include <QPainterPath>
#include <QPolygonF>

namespace art {

void Walker(QPainter& p, QPointF base, double height, const QColor& color)
{
    const double u = height / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    p.setPen(QPen(color, 11 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(at(-2, 78), at(4, 44));                               // body
    p.drawPolyline(QPolygonF({at(4, 44), at(-10, 22), at(-20, 4)})); // leading leg
    p.drawPolyline(QPolygonF({at(4, 44), at(14, 22), at(20, 4)}));   // trailing leg
    p.setPen(QPen(color, 8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({at(-2, 72), at(-14, 58), at(-20, 44)})); // front arm
    p.drawPolyline(QPolygonF({at(-1, 72), at(10, 58), at(16, 48)}));   // back arm
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(at(-4, 92), 8 * u, 8 * u);
}

void CarSide(QPainter& p, QPointF base, double length, const QColor& color)
{
    const double u = length / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    QPainterPath body;
    body.moveTo(at(-50, 8));
    body.lineTo(at(-50, 26));
    body.lineTo(at(-32, 30));
    body.lineTo(at(-20, 46));
    body.lineTo(at(18, 46));
    body.lineTo(at(32, 30));
    body.lineTo(at(50, 26));
    body.lineTo(at(50, 8));
    body.closeSubpath();
    QPainterPath windows;
    windows.moveTo(at(-24, 30));
    windows.lineTo(at(-16, 41));
    windows.lineTo(at(-3, 41));
    windows.lineTo(at(-3, 30));
    windows.closeSubpath();
    windows.moveTo(at(3, 30));
    windows.lineTo(at(3, 41));
    windows.lineTo(at(15, 41));
    windows.lineTo(at(24, 30));
    windows.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(body.subtracted(windows));
    for (double x : {-28.0, 28.0}) {
        p.drawEllipse(at(x, 10), 11 * u, 11 * u);
    }
}

void CarTop(QPainter& p, QPointF centre, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(centre.x() - 9, centre.y() - 17, 18, 34), 5, 5);
    p.setBrush(QColor(200, 220, 240));
    p.drawRect(QRectF(centre.x() - 7, centre.y() - 9, 14, 6));
}

void CarRear(QPainter& p, QPointF base, double width, const QColor& color)
{
    const double u = width / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRect(QRectF(at(-40, 18), at(-24, 0)));
    p.drawRect(QRectF(at(24, 18), at(40, 0)));
    QPainterPath body;
    body.addRoundedRect(QRectF(at(-50, 52), at(50, 12)), 8 * u, 8 * u);
    QPainterPath cabin;
    cabin.moveTo(at(-38, 50));
    cabin.lineTo(at(-28, 80));
    cabin.lineTo(at(28, 80));
    cabin.lineTo(at(38, 50));
    cabin.closeSubpath();
    QPainterPath window;
    window.moveTo(at(-30, 54));
    window.lineTo(at(-23, 74));
    window.lineTo(at(23, 74));
    window.lineTo(at(30, 54));
    window.closeSubpath();
    p.drawPath(body.united(cabin).subtracted(window));
}

void CarFront(QPainter& p, QPointF base, double width, const QColor& color)
{
    const double u = width / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(at(-44, 16), at(-26, 0)), 4 * u, 4 * u);
    p.drawRoundedRect(QRectF(at(26, 16), at(44, 0)), 4 * u, 4 * u);
    QPainterPath car;
    car.addRoundedRect(QRectF(at(-50, 46), at(50, 10)), 9 * u, 9 * u);
    car.addPolygon(QPolygonF({at(-36, 44), at(-26, 76), at(26, 76), at(36, 44)}));
    car.addRect(QRectF(at(-58, 48), at(-46, 40))); // mirrors
    car.addRect(QRectF(at(46, 48), at(58, 40)));
    car.setFillRule(Qt::WindingFill);
    QPainterPath holes;
    holes.addPolygon(QPolygonF({at(-29, 50), at(-21, 70), at(21, 70), at(29, 50)})); // windscreen
    holes.closeSubpath();
    holes.addEllipse(at(-33, 30), 8 * u, 8 * u); // headlamps
    holes.addEllipse(at(33, 30), 8 * u, 8 * u);
    holes.addRect(QRectF(at(-16, 24), at(16, 18))); // grille
    p.drawPath(car.simplified().subtracted(holes));
}

void Horn(QPainter& p, QPointF centre, double size, const QColor& color)
{
    const double u = size / 100;
    auto at = [&](double x, double y) { return centre + QPointF(x * u, y * u); };
    QPainterPath horn;
    horn.moveTo(at(-46, -10));
    horn.lineTo(at(-6, -10));
    horn.lineTo(at(40, -40));
    horn.lineTo(at(40, 40));
    horn.lineTo(at(-6, 10));
    horn.lineTo(at(-46, 10));
    horn.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(horn);
    p.drawRect(QRectF(at(-52, -16), at(-40, 16)));
}

void Locomotive(QPainter& p, QPointF base, double length, const QColor& color)
{
    const double u = length / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    QPainterPath engine;
    engine.addRoundedRect(QRectF(at(-44, 46), at(16, 18)), 6 * u, 6 * u); // boiler
    engine.addRect(QRectF(at(16, 70), at(48, 18)));                       // cab
    engine.addRect(QRectF(at(12, 76), at(52, 68)));                       // cab roof
    engine.addPolygon(QPolygonF({at(-36, 46), at(-38, 66), at(-24, 66), at(-26, 46)}));
    engine.addPolygon(QPolygonF({at(-44, 20), at(-54, 4), at(-40, 4)})); // cow-catcher
    QPainterPath window;
    window.addRect(QRectF(at(24, 62), at(40, 50)));
    engine.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(engine.simplified().subtracted(window));
    for (double x : {-28.0, -8.0, 30.0}) {
        p.drawEllipse(at(x, 10), 10 * u, 10 * u);
    }
}

void Bicycle(QPainter& p, QPointF base, double length, const QColor& color)
{
    const double u = length / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    p.setPen(QPen(color, 6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (double x : {-30.0, 30.0}) {
        p.drawEllipse(at(x, 20), 18 * u, 18 * u);
    }
    p.drawPolyline(QPolygonF({at(-30, 20), at(-3, 20), at(-12, 48), at(-30, 20)}));
    p.drawPolyline(QPolygonF({at(-3, 20), at(20, 48), at(-12, 48)}));
    p.drawPolyline(QPolygonF({at(30, 20), at(18, 56), at(26, 60)}));
    p.setPen(QPen(color, 7 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(-20, 54), at(-6, 54));
}

void Lorry(QPainter& p, QPointF base, double length, const QColor& color)
{
    const double u = length / 100;
    auto at = [&](double x, double y) { return base + QPointF(x * u, -y * u); };
    QPainterPath body;
    body.addRect(QRectF(at(-50, 62), at(14, 12)));
    QPainterPath cab;
    cab.moveTo(at(18, 12));
    cab.lineTo(at(18, 50));
    cab.lineTo(at(38, 50));
    cab.lineTo(at(50, 32));
    cab.lineTo(at(50, 12));
    cab.closeSubpath();
    QPainterPath window;
    window.moveTo(at(24, 34));
    window.lineTo(at(24, 44));
    window.lineTo(at(35, 44));
    window.lineTo(at(42, 34));
    window.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(body.united(cab).subtracted(window));
    for (double x : {-34.0, -14.0, 34.0}) {
        p.drawEllipse(at(x, 10), 10 * u, 10 * u);
    }
}

} // namespace art
