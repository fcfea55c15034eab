#include "KeyBindings.h"

#include "Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ConfigFilePath()
{
    const QString name = QStringLiteral("Config.cfg");
    const QString beside = platform::ExecutableDir();
    if (QFileInfo(beside).isWritable())
        return QDir(beside).filePath(name);
    // Installed for the whole system, the executable's folder is not the learner's to write.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/jiakao");
    QDir().mkpath(own);
    return QDir(own).filePath(name);
}
