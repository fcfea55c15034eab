// jiakao-draw-signs FOLDER [NAME...]: paints every picture of the sample banks, or only the ones
// named, into FOLDER as NAME.png.
#include "Canvas.h"
#include "Picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <algorithm>

int main(int argc, char* argv[])
{
    // Nothing is shown, so no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: jiakao-draw-signs FOLDER [NAME...]\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }
    std::vector<art::Picture> pictures = art::SignPictures();
    for (const auto& more :
         {art::ScenePictures(), art::DashboardPictures(), art::SituationPictures()}) {
        pictures.insert(pictures.end(), more.begin(), more.end());
    }
    QStringList wanted;
    for (int i = 2; i < argc; ++i) {
        wanted << QString::fromLocal8Bit(argv[i]);
    }
    for (const QString& name : wanted) {
        if (std::none_of(pictures.begin(), pictures.end(), [&](const art::Picture& picture) {
                return name == QString::fromLatin1(picture.name);
            })) {
            err << "no picture named " << name << "\n";
            return 1;
        }
    }
    for (const art::Picture& picture : pictures) {
        if (!wanted.isEmpty() && !wanted.contains(QString::fromLatin1(picture.name))) {
            continue;
        }
        QImage image = art::NewCanvas(picture.width, picture.height);
        QPainter painter;
        art::BeginSign(painter, image);
        picture.paint(painter);
        painter.end();
        const QString file = folder.filePath(QString::fromLatin1(picture.name) + ".png");
        if (!image.save(file, "PNG")) {
            err << "cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
