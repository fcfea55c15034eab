#include "Pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace platform {
namespace {
bool QuitRequested = false;
}

quint32 GetTickCount()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<quint32>(clock.elapsed());
}

void ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool Quitting()
{
    return QuitRequested;
}

void RequestQuit()
{
    QuitRequested = true;
    QCoreApplication::exit(0);
}

} // namespace platform
