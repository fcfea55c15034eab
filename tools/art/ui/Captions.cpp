#include "Captions.h"

#include "Canvas.h"
#include "Palette.h"

#include <QFont>
#include <QFontMetricsF>

namespace {

constexpr int Margin = 3;

QFont fittingFont(QSize size, const QString& text)
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setBold(true);
    for (int pixels = size.height(); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= size.width() - 2 * Margin &&
            metrics.height() <= size.height()) {
            break;
        }
    }
    return font;
}

} // namespace

QImage caption(QSize size, const QString& text)
{
    return paintImage(size, Palette::Paper, [&](QPainter& p) {
        p.setFont(fittingFont(size, text));
        p.setPen(Palette::CaptionRed);
        p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    });
}
