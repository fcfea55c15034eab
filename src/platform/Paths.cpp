#include "Paths.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString Override;
}

QString ExecutableDir()
{
    return Override.isEmpty() ? QCoreApplication::applicationDirPath() : Override;
}

void OverrideExecutableDir(const QString& dir)
{
    Override = dir;
}

} // namespace platform
