#include "Animations.h"

#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <optional>

namespace Animations {
namespace {

const QColor Feature{92, 52, 22};
const QColor Blush{255, 130, 130, 100};
const QColor Wrap{252, 228, 234};
const QColor WrapEdge{204, 128, 150};

enum class Mouth
{
    Grin,
    Smile
};

struct Look
{
    QPointF gaze; // where the pupils point, each axis from -1 to 1
    bool blinking = false;
    Mouth mouth = Mouth::Smile;
};

QRadialGradient skin(QPointF centre, qreal r)
{
    QRadialGradient g(centre - QPointF(r, r) * 0.35, r * 1.35);
    g.setColorAt(0, QColor(255, 242, 160));
    g.setColorAt(0.6, Palette::Face);
    g.setColorAt(1, QColor(240, 176, 16));
    return g;
}

void eye(QPainter& p, QPointF at, qreal r, const Look& look)
{
    if (look.blinking) {
        QPainterPath lid;
        lid.moveTo(at + QPointF(-0.12 * r, 0.02 * r));
        lid.quadTo(at + QPointF(0, -0.12 * r), at + QPointF(0.12 * r, 0.02 * r));
        p.setPen(Shapes::roundPen(Feature, 0.06 * r));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Feature);
    p.drawEllipse(at + look.gaze * 0.05 * r, 0.065 * r, 0.1 * r);
    p.setBrush(Palette::Paper);
    p.drawEllipse(at + look.gaze * 0.05 * r + QPointF(-0.02, -0.04) * r, 0.022 * r, 0.022 * r);
}

void mouth(QPainter& p, QPointF c, qreal r, Mouth kind)
{
    const QPointF left = c + QPointF(-0.42, 0.22) * r;
    const QPointF right = c + QPointF(0.42, 0.22) * r;
    QPainterPath lips;
    lips.moveTo(left);
    lips.cubicTo(c + QPointF(-0.26, 0.66) * r, c + QPointF(0.26, 0.66) * r, right);
    if (kind == Mouth::Grin) {
        lips.quadTo(c + QPointF(0, 0.32) * r, left);
        p.setPen(Shapes::roundPen(Feature, 0.04 * r));
        p.setBrush(QColor(170, 48, 36));
    } else {
        p.setPen(Shapes::roundPen(Feature, 0.07 * r));
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(lips);
}

void face(QPainter& p, QPointF c, qreal r, const Look& look)
{
    p.setPen(QPen(Palette::FaceEdge, 1.5));
    p.setBrush(skin(c, r));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Blush);
    p.drawEllipse(c + QPointF(-0.58, 0.22) * r, 0.17 * r, 0.1 * r);
    p.drawEllipse(c + QPointF(0.58, 0.22) * r, 0.17 * r, 0.1 * r);
    eye(p, c + QPointF(-0.32, -0.2) * r, r, look);
    eye(p, c + QPointF(0.32, -0.2) * r, r, look);
    mouth(p, c, r, look.mouth);
}

// A fist seen from the front: four curled fingers stacked around what it holds.
void hand(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(Palette::FaceEdge, 1));
    p.setBrush(skin(c, r));
    for (int finger = 0; finger < 4; ++finger) {
        const QPointF middle = c + QPointF(0, (finger - 1.5) * 0.5 * r);
        p.drawRoundedRect(QRectF(middle - QPointF(r, 0.3 * r), QSizeF(2 * r, 0.6 * r)), 0.3 * r,
                          0.3 * r);
    }
}

void rose(QPainter& p, QPointF c, qreal r)
{
    QRadialGradient petals(c - QPointF(r, r) * 0.3, r * 1.2);
    petals.setColorAt(0, QColor(255, 96, 110));
    petals.setColorAt(0.55, Palette::Rose);
    petals.setColorAt(1, Palette::RoseDark);
    p.setPen(QPen(Palette::RoseDark, 1));
    p.setBrush(petals);
    p.drawEllipse(c, r, r);
    p.setPen(Shapes::roundPen(Palette::RoseDark, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c - QPointF(0.35, 0.35) * r, QSizeF(0.7, 0.7) * r), 30 * 16, 270 * 16);
    p.drawArc(QRectF(c - QPointF(0.7, 0.7) * r, QSizeF(1.4, 1.4) * r), 200 * 16, 160 * 16);
}

void leaf(QPainter& p, QPointF at, qreal angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath blade;
    blade.moveTo(-7, 0);
    blade.quadTo(0, -4.5, 7, 0);
    blade.quadTo(0, 4.5, -7, 0);
    p.setPen(QPen(Palette::Leaf.darker(130), 1));
    p.setBrush(Palette::Leaf);
    p.drawPath(blade);
    p.restore();
}

void bow(QPainter& p, QPointF knot)
{
    p.setPen(QPen(Palette::RoseDark, 1));
    p.setBrush(Palette::Red);
    p.drawPolygon(QPolygonF{knot, knot + QPointF(-8, -5), knot + QPointF(-8, 5)});
    p.drawPolygon(QPolygonF{knot, knot + QPointF(8, -5), knot + QPointF(8, 5)});
    p.drawEllipse(knot, 2.5, 2.5);
}

// The bunch turns about the hand that holds it.
void bouquet(QPainter& p, QPointF grip, qreal angle)
{
    const QPointF heads[] = {{74, 37}, {89, 28}, {103, 38}, {81, 51}, {97, 52}};
    p.save();
    p.translate(grip);
    p.rotate(angle);
    p.translate(-grip);
    p.setPen(Shapes::roundPen(Palette::Leaf, 1.6));
    for (QPointF head : heads) {
        p.drawLine(grip, head);
    }
    leaf(p, QPointF(68, 52), -40);
    leaf(p, QPointF(107, 50), 35);
    leaf(p, QPointF(90, 43), -80);

    QLinearGradient paper(QPointF(70, 0), QPointF(106, 0));
    paper.setColorAt(0, Wrap);
    paper.setColorAt(1, Wrap.darker(112));
    p.setPen(QPen(WrapEdge, 1));
    p.setBrush(paper);
    p.drawPolygon(QPolygonF{{68, 58}, {106, 55}, {90, 106}, {80, 106}});
    for (QPointF head : heads) {
        rose(p, head, 8);
    }
    bow(p, QPointF(85, 88));
    p.restore();
}

void page(QPainterPath& path, qreal side, qreal width, qreal lift)
{
    const qreal spine = 50;
    path.moveTo(spine, 56);
    path.quadTo(spine + side * width * 0.5, 50 - lift, spine + side * width, 52 - lift);
    path.lineTo(spine + side * width, 78 - lift);
    path.quadTo(spine + side * width * 0.5, 76 - lift, spine, 80);
    path.closeSubpath();
}

void openBook(QPainter& p)
{
    QPainterPath cover;
    page(cover, -1, 42, -1);
    page(cover, 1, 42, -1);
    p.setPen(QPen(Palette::BlueDark, 1));
    p.setBrush(Palette::Blue);
    p.drawPath(cover.translated(0, 3));

    for (qreal drop : {1.5, 0.0}) {
        QPainterPath leaves;
        page(leaves, -1, 38, 0);
        page(leaves, 1, 38, 0);
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(drop > 0 ? Palette::PaperShade : Palette::Paper);
        p.drawPath(leaves.translated(0, drop));
    }
    p.setPen(QPen(Palette::Muted, 1));
    for (int k = 0; k < 5; ++k) {
        const qreal y = 59.5 + 4 * k;
        p.drawLine(QPointF(17, y - 1), QPointF(45, y));
        p.drawLine(QPointF(55, y), QPointF(83, y - 1));
    }
}

// A page on its way from the right half to the left, `degrees` from 0 (flat right)
// to 180 (flat left).
void turningPage(QPainter& p, qreal degrees)
{
    const qreal angle = qDegreesToRadians(degrees);
    const qreal reach = 38 * qCos(angle);
    QPainterPath leaf;
    page(leaf, reach < 0 ? -1 : 1, qAbs(reach), 6 * qSin(angle));
    QColor shade = Palette::Paper;
    shade.setHsvF(shade.hueF(), 0, 1 - 0.1 * qSin(angle));
    p.setPen(QPen(Palette::Ink, 1));
    p.setBrush(shade);
    p.drawPath(leaf);
}

QImage readerFrame(qreal gazeX, bool blinking, std::optional<qreal> turn)
{
    return paintImage({100, 84}, Palette::Paper, [&](QPainter& p) {
        face(p, QPointF(50, 30), 26, Look{QPointF(gazeX, 0.8), blinking, Mouth::Smile});
        openBook(p);
        if (turn) {
            turningPage(p, *turn);
        }
        hand(p, QPointF(12, 74), 6);
        hand(p, QPointF(88, 74), 6);
    });
}

} // namespace

QList<QImage> passed()
{
    const qreal sway[] = {0, 2, 4, 2, 0, -2, -4, -2};
    QList<QImage> frames;
    for (int i = 0; i < 8; ++i) {
        frames << paintImage({117, 110}, Palette::Paper, [&](QPainter& p) {
            face(p, QPointF(44, 58), 36, Look{QPointF(0.3, 0), i == 5, Mouth::Grin});
            bouquet(p, QPointF(84, 98), sway[i]);
            hand(p, QPointF(82, 95), 7.5);
        });
    }
    return frames;
}

QList<QImage> failed()
{
    return {
        readerFrame(-1, false, std::nullopt),
        readerFrame(-0.3, false, std::nullopt),
        readerFrame(0.4, false, std::nullopt),
        readerFrame(1, false, std::nullopt),
        readerFrame(1, true, std::nullopt),
        readerFrame(0.5, false, 30),
        readerFrame(0, false, 75),
        readerFrame(-0.5, false, 110),
        readerFrame(-1, false, 150),
    };
}

} // namespace Animations
