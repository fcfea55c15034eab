#include "Application.h"

#include "Desktop.h"
#include "Notices.h"

#include <QApplication>

void PrepareApplication(QApplication& app)
{
    platform::LoadChineseTranslations(app);
    platform::InstallDesignFontSubstitutes();
    platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
}
