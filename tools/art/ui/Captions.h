#pragma once

#include <QImage>
#include <QString>

// Red bold text on white, set as large as the picture allows.
QImage caption(QSize size, const QString& text);
