#include "Shapes.h"

#include "Palette.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace Shapes {

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void sheet(QPainter& p, const QRectF& r, int lines)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath outline;
    outline.moveTo(r.topLeft());
    outline.lineTo(r.right() - fold, r.top());
    outline.lineTo(r.right(), r.top() + fold);
    outline.lineTo(r.bottomRight());
    outline.lineTo(r.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(Palette::Ink, 1));
    p.setBrush(Palette::Paper);
    p.drawPath(outline);

    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(Palette::PaperShade);
    p.drawPath(corner);

    p.setPen(QPen(Palette::Muted, 1));
    const qreal step = (r.height() - fold - 2) / (lines + 1);
    for (int i = 1; i <= lines; ++i) {
        const qreal y = qRound(r.top() + fold + i * step) + 0.5;
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void signBadge(QPainter& p, QPointF centre, qreal radius, const QColor& fill, Sign sign)
{
    p.setPen(QPen(Palette::Paper, 1));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    const qreal arm = radius * 0.55;
    p.setPen(QPen(Palette::Paper, radius * 0.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (sign == Sign::Plus) {
        p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    }
}

void curvedArrow(QPainter& p, const QRectF& circle, qreal startDeg, qreal spanDeg,
                 const QColor& colour, qreal width)
{
    QPainterPath arc;
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, spanDeg);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    const qreal end = qDegreesToRadians(startDeg + spanDeg);
    const QPointF radial(qCos(end), -qSin(end));
    const QPointF ahead = QPointF(-qSin(end), -qCos(end)) * (spanDeg < 0 ? -1.0 : 1.0);
    const QPointF tip = arc.currentPosition() + ahead * width * 1.4;
    const QPolygonF head{tip, arc.currentPosition() + radial * width * 1.3,
                         arc.currentPosition() - radial * width * 1.3};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

} // namespace Shapes
