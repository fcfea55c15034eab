#pragma once

#include <QColor>

// One set of colours for every picture, so the glyphs, the banner and the exam pictures
// read as one family.
namespace Palette {
inline const QColor Ink{54, 65, 77};
inline const QColor Muted{138, 150, 163};
inline const QColor Paper{255, 255, 255};
inline const QColor PaperShade{232, 238, 245};
inline const QColor Blue{45, 108, 192};
inline const QColor BlueDark{29, 76, 145};
inline const QColor BlueLight{143, 184, 234};
inline const QColor Green{46, 155, 72};
inline const QColor Red{217, 48, 44};
inline const QColor Orange{240, 136, 42};
inline const QColor Yellow{246, 195, 67};
inline const QColor AnsweredYellow{255, 230, 128};
inline const QColor Face{255, 214, 74};
inline const QColor FaceEdge{214, 152, 0};
inline const QColor Rose{208, 20, 44};
inline const QColor RoseDark{142, 10, 28};
inline const QColor Leaf{61, 148, 64};
inline const QColor Road{107, 118, 132};
inline const QColor CaptionRed{230, 0, 0};
} // namespace Palette
