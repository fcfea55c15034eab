#pragma once

#include <QImage>

// The marks beside a judged answer: 16 × 16, red on silver and nothing else, because the
// program keys out the silver of the bottom-left pixel to show only the red mark.
namespace Marks {
QImage right(); // a tick
QImage error(); // a cross
} // namespace Marks
