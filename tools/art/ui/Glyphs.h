#pragma once

#include <QImage>

// Button pictures on a transparent ground: 24 × 24 unless named otherwise.
namespace Glyphs {
QImage inOrder();      // a list with a downward arrow
QImage atRandom();     // a die
QImage chapter();      // an open book
QImage questionType(); // a tag
QImage intensive();    // a target with an arrow
QImage errorBook();    // a notebook with a red cross
QImage mockExam();     // a sheet with a clock
QImage keyboard();
QImage about();        // an "i" in a blue disc
QImage save();         // 16 × 16, a diskette
QImage defaults();     // 16 × 16, a circular arrow
QImage redo();         // a blue curved arrow
QImage newPaper();     // a sheet with a green plus
QImage result();       // a small window of coloured squares
QImage deleteScores(); // a sheet with a red minus
} // namespace Glyphs
