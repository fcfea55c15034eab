#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// Silhouettes shared by several signs, each drawn in one colour and placed by the point
// named in its parameters.
namespace art {

// A person walking to the left, feet on the ground at base.
void Walker(QPainter& p, QPointF base, double height, const QColor& color);
// A car seen from the side, facing right, wheels resting on base.
void CarSide(QPainter& p, QPointF base, double length, const QColor& color);
// A car seen from behind, wheels resting on base.
void CarRear(QPainter& p, QPointF base, double width, const QColor& color);
// A car seen head-on, headlamps showing, wheels resting on base: the sign for motor vehicles of
// every kind, where the side view stands for the small passenger car alone.
void CarFront(QPainter& p, QPointF base, double width, const QColor& color);
// A horn with its bell to the right, centred on centre.
void Horn(QPainter& p, QPointF centre, double size, const QColor& color);
// A steam locomotive facing left, wheels resting on base.
void Locomotive(QPainter& p, QPointF base, double length, const QColor& color);
// A bicycle seen from the side, facing right, wheels resting on base.
void Bicycle(QPainter& p, QPointF base, double length, const QColor& color);
// A car seen from above, its nose pointing up, centred on centre: the road scenes' vehicle.
void CarTop(QPainter& p, QPointF centre, const QColor& color);
// A lorry seen from the side, cab to the right, wheels resting on base.
void Lorry(QPainter& p, QPointF base, double length, const QColor& color);

} // namespace art
