#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// A fresh picture filled with the background; opaque backgrounds give an image without an
// alpha channel, so the frames of the GIFs carry no stray transparency.
QImage blankImage(QSize size, const QColor& background = Qt::transparent);

// Turns on every smoothing hint the pictures rely on.
void smoothen(QPainter& painter);

// A picture of the given size painted by `paint(QPainter&)` with smoothing on.
template <class Paint> QImage paintImage(QSize size, const QColor& background, Paint paint)
{
    QImage image = blankImage(size, background);
    QPainter painter(&image);
    smoothen(painter);
    paint(painter);
    painter.end();
    return image;
}
