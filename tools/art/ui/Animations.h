#pragma once

#include <QImage>
#include <QList>

// The frames of the two looping pictures of the exam result, on white like the band
// they are shown on.
namespace Animations {
QList<QImage> passed(); // 117 × 110, a smiling face holding swaying red roses, blinking once
QList<QImage> failed(); // 100 × 84, a smiling face reading a book and turning its page
} // namespace Animations
