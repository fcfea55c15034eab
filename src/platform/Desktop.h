#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QApplication;
class QWidget;

// What the desktop itself provides: colours, fonts and the toolkit's own language.
namespace platform {

// The background of an unanswered cell: the system's window colour, white by default.
QColor SystemWindowColor();
bool FontInstalled(const QString& family); // letter case ignored
// Maps the fonts the layout names ("宋体", "楷体_GB2312", "Tahoma", "Comic Sans MS") to installed
// ones where they are missing, so Chinese text never falls back to boxes.
void InstallDesignFontSubstitutes();
// Standard buttons read 确定 and 取消.
void LoadChineseTranslations(QApplication& app);
// Places a window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

// The frame of every dialog: a title bar with the system menu and the close box only.
constexpr Qt::WindowFlags DialogFrame =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A font as the layouts give it: a family and a character height in pixels.
QFont DesignFont(const QString& family, int pixels, bool bold = false);

} // namespace platform
