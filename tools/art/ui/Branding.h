#pragma once

#include <QImage>

namespace Branding {
QImage banner(); // 880 × 80, the title over a road running into the hills
QImage icon();   // 48 × 48, a steering wheel on a blue disc
} // namespace Branding
