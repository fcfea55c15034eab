#include "KeyBindings.h"

#include "Paths.h"

#include <QDir>

QString ConfigFilePath()
{
    return QDir(platform::ExecutableDir()).filePath(QStringLiteral("Config.cfg"));
}
