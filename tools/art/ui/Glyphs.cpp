#include "Glyphs.h"

#include "Canvas.h"
#include "Palette.h"
#include "Shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using Shapes::roundPen;

namespace Glyphs {
namespace {

constexpr QSize Large{24, 24};
constexpr QSize Small{16, 16};

template <class Paint> QImage glyph(QSize size, Paint paint)
{
    return paintImage(size, Qt::transparent, paint);
}

QLinearGradient downward(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

} // namespace

QImage inOrder()
{
    return glyph(Large, [](QPainter& p) {
        for (int row : {4, 10, 16}) {
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::Blue);
            p.drawEllipse(QPointF(3.5, row + 1), 1.8, 1.8);
            p.fillRect(QRect(7, row, 8, 2), Palette::Ink);
        }
        p.fillRect(QRect(19, 3, 2, 12), Palette::Green);
        p.setBrush(Palette::Green);
        p.drawPolygon(QPolygonF{{16, 14}, {24, 14}, {20, 20.5}});
    });
}

QImage atRandom()
{
    return glyph(Large, [](QPainter& p) {
        const QRectF body(3.5, 3.5, 17, 17);
        p.setPen(QPen(Palette::BlueDark, 1));
        p.setBrush(downward(body, Palette::Blue.lighter(125), Palette::Blue));
        p.drawRoundedRect(body, 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Paper);
        for (QPointF pip :
             {QPointF(8, 8), QPointF(16, 8), QPointF(12, 12), QPointF(8, 16), QPointF(16, 16)}) {
            p.drawEllipse(pip, 1.8, 1.8);
        }
    });
}

QImage chapter()
{
    return glyph(Large, [](QPainter& p) {
        p.setPen(QPen(Palette::BlueDark, 1));
        p.setBrush(Palette::Blue);
        p.drawPolygon(
            QPolygonF{{1.5, 7.5}, {12, 9.5}, {22.5, 7.5}, {22.5, 21.5}, {12, 23}, {1.5, 21.5}});
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(Palette::Paper);
        p.drawPolygon(QPolygonF{{2.5, 5.5}, {12, 7.5}, {12, 21}, {2.5, 19.5}});
        p.drawPolygon(QPolygonF{{21.5, 5.5}, {12, 7.5}, {12, 21}, {21.5, 19.5}});
        p.setPen(QPen(Palette::Muted, 1));
        for (int k = 0; k < 3; ++k) {
            const qreal y = 10 + 3 * k;
            p.drawLine(QPointF(4.5, y - 0.5), QPointF(10, y + 0.5));
            p.drawLine(QPointF(19.5, y - 0.5), QPointF(14, y + 0.5));
        }
    });
}

QImage questionType()
{
    return glyph(Large, [](QPainter& p) {
        p.translate(12, 12);
        p.rotate(45);
        QPainterPath tag;
        tag.moveTo(-10.5, 0);
        tag.lineTo(-4.5, -5.5);
        tag.lineTo(9, -5.5);
        tag.lineTo(9, 5.5);
        tag.lineTo(-4.5, 5.5);
        tag.closeSubpath();
        p.setPen(roundPen(Palette::Orange.darker(135), 1));
        p.setBrush(downward(QRectF(-10, -5.5, 19, 11), Palette::Yellow, Palette::Orange));
        p.drawPath(tag);
        p.setBrush(Palette::Paper);
        p.drawEllipse(QPointF(-5, 0), 1.7, 1.7);
        p.setPen(roundPen(Palette::Paper, 1.4));
        p.drawLine(QPointF(-0.5, -2), QPointF(6, -2));
        p.drawLine(QPointF(-0.5, 1.5), QPointF(4, 1.5));
    });
}

QImage intensive()
{
    return glyph(Large, [](QPainter& p) {
        const QPointF centre(11, 13);
        p.setPen(Qt::NoPen);
        const QColor rings[] = {Palette::Red, Palette::Paper, Palette::Red, Palette::Paper};
        const qreal radii[] = {9.5, 7, 4.5, 2};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(rings[i]);
            p.drawEllipse(centre, radii[i], radii[i]);
        }
        p.setPen(roundPen(Palette::Ink, 2));
        p.drawLine(QPointF(20.5, 3.5), centre);
        p.setPen(roundPen(Palette::Blue, 1.6));
        for (qreal back : {0.0, 2.2}) {
            const QPointF tail(20.5 - back, 3.5 + back);
            p.drawLine(tail, tail + QPointF(0, -2.5));
            p.drawLine(tail, tail + QPointF(2.5, 0));
        }
    });
}

QImage errorBook()
{
    return glyph(Large, [](QPainter& p) {
        const QRectF book(5.5, 1.5, 15, 21);
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(Palette::Paper);
        p.drawRect(book);
        p.fillRect(QRectF(6, 2, 3, 20), Palette::BlueLight);
        p.setPen(QPen(Palette::Muted, 1));
        for (qreal y : {5.5, 8.5, 11.5}) {
            p.drawLine(QPointF(11, y), QPointF(18.5, y));
        }
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(Palette::Paper);
        for (qreal y : {4.5, 9.0, 13.5, 18.0}) {
            p.drawEllipse(QPointF(5.5, y), 1.6, 1.6);
        }
        p.setPen(roundPen(Palette::Red, 2.6));
        p.drawLine(QPointF(12, 14), QPointF(18, 20));
        p.drawLine(QPointF(18, 14), QPointF(12, 20));
    });
}

QImage mockExam()
{
    return glyph(Large, [](QPainter& p) {
        Shapes::sheet(p, QRectF(2.5, 1.5, 14, 19), 4);
        const QPointF centre(16.5, 16.5);
        p.setPen(QPen(Palette::Blue, 1.8));
        p.setBrush(Palette::Paper);
        p.drawEllipse(centre, 6, 6);
        p.setPen(roundPen(Palette::Ink, 1.4));
        p.drawLine(centre, centre + QPointF(0, -3.8));
        p.drawLine(centre, centre + QPointF(2.8, 0));
    });
}

QImage keyboard()
{
    return glyph(Large, [](QPainter& p) {
        const QRectF body(1.5, 5.5, 21, 13);
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(downward(body, Palette::Paper, Palette::PaperShade));
        p.drawRoundedRect(body, 2, 2);
        for (int row : {8, 11}) {
            for (int column = 0; column < 6; ++column) {
                p.fillRect(QRect(3 + 3 * column, row, 2, 2), Palette::Ink);
            }
        }
        p.fillRect(QRect(7, 14, 10, 2), Palette::Blue);
    });
}

QImage about()
{
    return glyph(Large, [](QPainter& p) {
        const QPointF centre(12, 12);
        QRadialGradient shine(QPointF(9, 8), 14);
        shine.setColorAt(0, Palette::Blue.lighter(140));
        shine.setColorAt(1, Palette::Blue);
        p.setPen(QPen(Palette::BlueDark, 1));
        p.setBrush(shine);
        p.drawEllipse(centre, 10.5, 10.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Paper);
        p.drawEllipse(QPointF(12, 6.8), 1.8, 1.8);
        p.drawRoundedRect(QRectF(10.5, 9.7, 3, 9), 1, 1);
    });
}

QImage save()
{
    return glyph(Small, [](QPainter& p) {
        const QRectF body(1.5, 1.5, 13, 13);
        p.setPen(QPen(Palette::BlueDark, 1));
        p.setBrush(downward(body, Palette::Blue.lighter(120), Palette::Blue));
        p.drawRoundedRect(body, 1.5, 1.5);
        p.setBrush(Palette::PaperShade);
        p.drawRect(QRectF(4.5, 1.5, 7, 4));
        p.fillRect(QRect(9, 2, 2, 3), Palette::BlueDark);
        p.setBrush(Palette::Paper);
        p.drawRect(QRectF(3.5, 8.5, 9, 6));
        p.setPen(QPen(Palette::Muted, 1));
        p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
        p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
    });
}

QImage defaults()
{
    return glyph(Small, [](QPainter& p) {
        Shapes::curvedArrow(p, QRectF(3, 3.5, 10, 10), 115, 285, Palette::Green, 2.2);
    });
}

QImage redo()
{
    return glyph(Large, [](QPainter& p) {
        Shapes::curvedArrow(p, QRectF(4, 5, 15, 15), 200, -250, Palette::Blue, 3);
    });
}

QImage newPaper()
{
    return glyph(Large, [](QPainter& p) {
        Shapes::sheet(p, QRectF(2.5, 1.5, 14, 19), 4);
        Shapes::signBadge(p, QPointF(17, 17), 6, Palette::Green, Shapes::Sign::Plus);
    });
}

QImage result()
{
    return glyph(Large, [](QPainter& p) {
        p.setPen(QPen(Palette::Ink, 1));
        p.setBrush(Palette::Paper);
        p.drawRect(QRectF(1.5, 2.5, 21, 19));
        p.fillRect(QRect(2, 3, 20, 3), Palette::Blue);
        const QColor cells[3][4] = {
            {Palette::Green, Palette::Green, Palette::Red, Palette::AnsweredYellow},
            {Palette::AnsweredYellow, Palette::Red, Palette::Green, Palette::Green},
            {Palette::BlueLight, Palette::PaperShade, Palette::PaperShade, Palette::PaperShade},
        };
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column) {
                p.fillRect(QRect(3 + 5 * column, 7 + 5 * row, 3, 3), cells[row][column]);
            }
        }
    });
}

QImage deleteScores()
{
    return glyph(Large, [](QPainter& p) {
        Shapes::sheet(p, QRectF(2.5, 1.5, 14, 19), 4);
        Shapes::signBadge(p, QPointF(17, 17), 6, Palette::Red, Shapes::Sign::Minus);
    });
}

} // namespace Glyphs
