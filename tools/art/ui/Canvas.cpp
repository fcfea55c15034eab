#include "Canvas.h"

QImage blankImage(QSize size, const QColor& background)
{
    const auto format =
        background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    QImage image(size, format);
    image.fill(background);
    return image;
}

void smoothen(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}
