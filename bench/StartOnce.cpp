#include "Application.h"
#include "FrmMain.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

// The line "VmHWM:  <n> kB" of the process status: the most resident memory it ever held.
QByteArray PeakResidentLine()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            return line;
    return {};
}

} // namespace

// Starts the way the trainer does, shows question 1, and quits after one turn of the event
// loop, so that the whole process can be timed from outside.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication(app);
    TFrmMain window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int rc = app.exec();
    if (window.Practice().CurrentNo != 1)
        return 2;
    const QByteArray peak = PeakResidentLine();
    std::fwrite(peak.constData(), 1, static_cast<size_t>(peak.size()), stdout);
    return rc;
}
