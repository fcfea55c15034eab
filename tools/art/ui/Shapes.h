#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Building blocks shared by several pictures.
namespace Shapes {

enum class Sign
{
    Plus,
    Minus
};

// A round pen, the stroke style of every line drawing.
QPen roundPen(const QColor& colour, qreal width);

// A sheet of paper with a folded top-right corner and `lines` grey text lines.
void sheet(QPainter& p, const QRectF& r, int lines);

// A filled disc carrying a white plus or minus, laid over a corner of a sheet.
void signBadge(QPainter& p, QPointF centre, qreal radius, const QColor& fill, Sign sign);

// A stroke along the circle inscribed in `circle`, from `startDeg` over `spanDeg` degrees
// (counter-clockwise positive, 0 at three o'clock), ending in an arrowhead.
void curvedArrow(QPainter& p, const QRectF& circle, qreal startDeg, qreal spanDeg,
                 const QColor& colour, qreal width);

} // namespace Shapes
