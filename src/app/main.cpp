#include "Application.h"
#include "FrmMain.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("jiakao: no display to show the trainer on (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    PrepareApplication(app);
    TFrmMain window;
    window.show();
    return app.exec();
}
