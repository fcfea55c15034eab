#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// The plates that every sign is painted on, and the few strokes that many signs share.
// Signs are drawn on a square of SignSize pixels; road scenes on a SceneWidth x SceneHeight box,
// both small enough for the trainer's picture box.
namespace art {

constexpr int SignSize = 132;
constexpr int SceneWidth = 160;
constexpr int SceneHeight = 120;

inline const QColor Red{204, 0, 0};
inline const QColor Yellow{255, 204, 0};
inline const QColor Blue{0, 82, 164};
inline const QColor Green{0, 122, 61};
inline const QColor Black{20, 20, 20};
inline const QColor White{255, 255, 255};
inline const QColor Asphalt{110, 110, 115};

QImage NewCanvas(int width, int height);
// Antialiased painter on the image, with the origin at the centre of a square sign.
void BeginSign(QPainter& p, QImage& image);

// Prohibition: red ring round a field (white, or blue for the parking bans).
void ProhibitionRing(QPainter& p, const QColor& field = White);
void ProhibitionSlash(QPainter& p);
// Warning: yellow equilateral triangle, apex up, black border. Symbols go round (0, WarningMid).
void WarningTriangle(QPainter& p);
constexpr double WarningMid = 16.0;
// Mandatory: blue disc; symbols in white.
void MandatoryDisc(QPainter& p);

// A straight shaft for Arrow.
QPainterPath Line(QPointF from, QPointF to);
// A thick stroke along shaft ending in a filled arrowhead that continues its last direction.
void Arrow(QPainter& p, const QPainterPath& shaft, double width, const QColor& color);
void Text(QPainter& p, const QRectF& box, const QString& text, int pixelSize, const QColor& color,
          bool bold = true);

} // namespace art
