#include "Marks.h"

#include <QColor>

#include <array>

namespace Marks {
namespace {

using Pattern = std::array<const char*, 16>;

// Drawn pixel by pixel: at this size smoothing would bring in colours between the two.
QImage fromPattern(const Pattern& rows)
{
    const QRgb silver = qRgb(192, 192, 192);
    const QRgb red = qRgb(255, 0, 0);
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            image.setPixel(x, y, rows[y][x] == '#' ? red : silver);
        }
    }
    return image;
}

} // namespace

QImage right()
{
    return fromPattern({
        "................",
        "................",
        "................",
        "................",
        "............##..",
        "...........###..",
        "..........###...",
        ".##......###....",
        ".###....###.....",
        "..###..###......",
        "...######.......",
        "....####........",
        ".....##.........",
        "................",
        "................",
        "................",
    });
}

QImage error()
{
    return fromPattern({
        "................",
        "................",
        "................",
        "...##......##...",
        "...###....###...",
        "....###..###....",
        ".....######.....",
        "......####......",
        "......####......",
        ".....######.....",
        "....###..###....",
        "...###....###...",
        "...##......##...",
        "................",
        "................",
        "................",
    });
}

} // namespace Marks
