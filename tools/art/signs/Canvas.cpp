#include "Canvas.h"

#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <cmath>

namespace art {

namespace {

constexpr double DiscRadius = 62;
constexpr double RingInner = 50;
constexpr double TriangleSide = 126;
constexpr double TriangleBorder = 22;

QPolygonF Triangle(double side, double yCentroid)
{
    const double h = side * std::sqrt(3.0) / 2;
    return QPolygonF({QPointF(0, yCentroid - 2 * h / 3), QPointF(side / 2, yCentroid + h / 3),
                      QPointF(-side / 2, yCentroid + h / 3)});
}

} // namespace

QImage NewCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(White);
    return image;
}

void BeginSign(QPainter& p, QImage& image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(image.width() / 2.0, image.height() / 2.0);
}

void ProhibitionRing(QPainter& p, const QColor& field)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QPointF(0, 0), DiscRadius, DiscRadius);
    p.setBrush(field);
    p.drawEllipse(QPointF(0, 0), RingInner, RingInner);
}

void ProhibitionSlash(QPainter& p)
{
    const double d = RingInner / std::sqrt(2.0);
    p.setPen(QPen(Red, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-d, -d), QPointF(d, d));
}

void WarningTriangle(QPainter& p)
{
    // Centred vertically: the centroid lies a sixth of the height below the middle.
    const double yCentroid = TriangleSide * std::sqrt(3.0) / 12;
    p.setPen(QPen(Black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Black);
    p.drawPolygon(Triangle(TriangleSide - 3, yCentroid));
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawPolygon(Triangle(TriangleSide - TriangleBorder, yCentroid));
}

void MandatoryDisc(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(0, 0), DiscRadius, DiscRadius);
}

QPainterPath Line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void Arrow(QPainter& p, const QPainterPath& shaft, double width, const QColor& color)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    const QPointF tip = shaft.pointAtPercent(1);
    const double angle = shaft.angleAtPercent(1);
    QLineF forward = QLineF::fromPolar(width * 1.5, angle).translated(tip);
    QLineF side = QLineF::fromPolar(width * 1.25, angle + 90).translated(tip);
    QLineF otherSide = QLineF::fromPolar(width * 1.25, angle - 90).translated(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({forward.p2(), side.p2(), otherSide.p2()}));
}

void Text(QPainter& p, const QRectF& box, const QString& text, int pixelSize, const QColor& color,
          bool bold)
{
    QFont font("WenQuanYi Zen Hei");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace art
