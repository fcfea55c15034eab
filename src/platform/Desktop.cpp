#include "Desktop.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QPalette>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

namespace platform {

QColor SystemWindowColor()
{
    return QApplication::palette().color(QPalette::Base);
}

bool FontInstalled(const QString& family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void InstallDesignFontSubstitutes()
{
    const QString chinese = QStringLiteral("WenQuanYi Zen Hei");
    const QString latin =
        FontInstalled(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans") : chinese;
    const struct
    {
        const char16_t* design;
        const QString& installed;
    } fonts[] = {{u"宋体", chinese},
                 {u"楷体_GB2312", chinese},
                 {u"Tahoma", latin},
                 {u"Comic Sans MS", latin}};
    for (const auto& f : fonts) {
        const QString design = QString::fromUtf16(f.design);
        if (!FontInstalled(design))
            QFont::insertSubstitutions(design, {f.installed, chinese});
    }
}

void LoadChineseTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

QFont DesignFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace platform
