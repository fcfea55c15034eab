#include "Branding.h"

#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Branding {
namespace {

const QString TitleFace = QStringLiteral("WenQuanYi Zen Hei");
const QColor SkyTop{214, 232, 250};
const QColor SkyBottom{246, 250, 255};
const QColor FarHill{211, 232, 204};
const QColor NearHill{189, 220, 178};

void sky(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, SkyTop);
    g.setColorAt(1, SkyBottom);
    p.fillRect(r, g);
}

void hill(QPainter& p, qreal baseY, qreal swell, qreal phase, const QColor& colour)
{
    QPainterPath ridge;
    ridge.moveTo(0, 80);
    for (int x = 0; x <= 880; x += 4) {
        ridge.lineTo(x, baseY - swell * qSin(x / 140.0 + phase));
    }
    ridge.lineTo(880, 80);
    ridge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(ridge);
}

// A straight road seen from its middle, vanishing on the horizon.
void road(QPainter& p)
{
    const QPointF far(160, 40);
    const qreal farHalf = 4;
    const qreal nearHalf = 120;
    const qreal nearX = 150;
    auto edge = [&](qreal t, qreal side) {
        const qreal half = farHalf + (nearHalf - farHalf) * t;
        return QPointF(far.x() + (nearX - far.x()) * t + side * half, far.y() + (80 - far.y()) * t);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Road);
    p.drawPolygon(QPolygonF{edge(0, -1), edge(0, 1), edge(1, 1), edge(1, -1)});

    p.setPen(QPen(Palette::Paper, 1.5));
    p.drawLine(edge(0.02, -0.92), edge(1, -0.92));
    p.drawLine(edge(0.02, 0.92), edge(1, 0.92));

    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Yellow);
    for (qreal t = 0.06; t < 1; t *= 1.55) {
        const qreal end = qMin(1.0, t * 1.3);
        const qreal w = 0.02;
        p.drawPolygon(QPolygonF{edge(t, -w), edge(t, w), edge(end, w), edge(end, -w)});
    }
}

void post(QPainter& p, qreal x, qreal top)
{
    p.fillRect(QRectF(x - 1.5, top, 3, 80 - top), Palette::Muted);
}

void aheadSign(QPainter& p, QPointF centre)
{
    post(p, centre.x(), centre.y());
    p.setPen(QPen(Palette::Paper, 2));
    p.setBrush(Palette::Blue);
    p.drawEllipse(centre, 14, 14);
    p.setPen(Shapes::roundPen(Palette::Paper, 3));
    p.drawLine(centre + QPointF(0, 8), centre + QPointF(0, -4));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Paper);
    p.drawPolygon(
        QPolygonF{centre + QPointF(-6, -2), centre + QPointF(6, -2), centre + QPointF(0, -9)});
}

void limitSign(QPainter& p, QPointF centre)
{
    post(p, centre.x(), centre.y());
    p.setPen(QPen(Palette::Red, 3.5));
    p.setBrush(Palette::Paper);
    p.drawEllipse(centre, 13, 13);
    QFont font(TitleFace);
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Palette::Ink);
    p.drawText(QRectF(centre.x() - 12, centre.y() - 12, 24, 24), Qt::AlignCenter,
               QStringLiteral("60"));
}

void warningSign(QPainter& p, QPointF centre)
{
    post(p, centre.x(), centre.y());
    const QPolygonF triangle{centre + QPointF(0, -15), centre + QPointF(15, 11),
                             centre + QPointF(-15, 11)};
    p.setPen(Shapes::roundPen(Palette::Ink, 2));
    p.setBrush(Palette::Yellow);
    p.drawPolygon(triangle);
    p.setPen(Shapes::roundPen(Palette::Ink, 2.6));
    p.drawLine(centre + QPointF(0, -6), centre + QPointF(0, 2));
    p.drawPoint(centre + QPointF(0, 6.5));
}

void title(QPainter& p)
{
    QFont font(TitleFace);
    font.setPixelSize(34);
    font.setBold(true);
    p.setFont(font);
    const QRectF box(300, 8, 420, 42);
    p.setPen(Palette::Paper);
    p.drawText(box.translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("驾驶员理论考试训练"));
    p.setPen(Palette::BlueDark);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("驾驶员理论考试训练"));

    font.setPixelSize(14);
    font.setBold(false);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    p.setPen(Palette::Ink);
    p.drawText(QRectF(302, 52, 420, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("顺序练习 · 章节练习 · 专项练习 · 模拟考试"));
}

} // namespace

QImage banner()
{
    return paintImage({880, 80}, SkyBottom, [](QPainter& p) {
        sky(p, QRectF(0, 0, 880, 80));
        hill(p, 50, 5, 0.8, FarHill);
        hill(p, 64, 4, 2.5, NearHill);
        road(p);
        limitSign(p, QPointF(738, 38));
        aheadSign(p, QPointF(790, 30));
        warningSign(p, QPointF(842, 36));
        title(p);
    });
}

QImage icon()
{
    return paintImage({48, 48}, Qt::transparent, [](QPainter& p) {
        const QPointF centre(24, 24);
        QRadialGradient shine(QPointF(17, 14), 34);
        shine.setColorAt(0, Palette::Blue.lighter(145));
        shine.setColorAt(1, Palette::BlueDark);
        p.setPen(QPen(Palette::BlueDark, 1));
        p.setBrush(shine);
        p.drawEllipse(centre, 23, 23);

        p.setPen(QPen(Palette::Paper, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 14.5, 14.5);
        p.setPen(Shapes::roundPen(Palette::Paper, 4));
        p.drawLine(centre + QPointF(-14, 1), centre + QPointF(14, 1));
        p.drawLine(centre, centre + QPointF(0, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Paper);
        p.drawEllipse(centre + QPointF(0, 1), 5.5, 5.5);
        p.setBrush(Palette::Blue);
        p.drawEllipse(centre + QPointF(0, 1), 2.2, 2.2);
    });
}

} // namespace Branding
