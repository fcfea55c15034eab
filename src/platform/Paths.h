#pragma once

#include <QString>

namespace platform {

// The folder of the running executable, where Config.cfg and Image.db are looked up first.
// Tests point it at their own temporary folder so that parallel runs never share a file.
QString ExecutableDir();
void OverrideExecutableDir(const QString& dir);

} // namespace platform
