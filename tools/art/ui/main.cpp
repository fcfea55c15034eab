// Paints the program's own pictures into a folder, one subfolder per library:
// still pictures as PNG files, and every animation or caption as a subfolder of
// numbered PNG frames that scripts/draw-art joins into a GIF.

#include "Animations.h"
#include "Branding.h"
#include "Captions.h"
#include "Glyphs.h"
#include "Marks.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QTextStream>

#include <functional>

namespace {

struct Picture
{
    QString path;
    std::function<QImage()> draw;
};

struct Sequence
{
    QString folder;
    std::function<QList<QImage>()> draw;
};

QList<Picture> pictures()
{
    return {
        {"app/banner.png", Branding::banner},       {"app/icon.png", Branding::icon},
        {"app/BtnOrder.png", Glyphs::inOrder},      {"app/BtnRandom.png", Glyphs::atRandom},
        {"app/BtnChapter.png", Glyphs::chapter},    {"app/BtnExam.png", Glyphs::questionType},
        {"app/BtnUpdate.png", Glyphs::intensive},   {"app/BtnError.png", Glyphs::errorBook},
        {"app/BtnMN.png", Glyphs::mockExam},        {"app/BtnConfig.png", Glyphs::keyboard},
        {"app/BtnAbout.png", Glyphs::about},        {"practice/right.png", Marks::right},
        {"practice/error.png", Marks::error},       {"modes/order.png", Glyphs::inOrder},
        {"modes/random.png", Glyphs::atRandom},     {"settings/save.png", Glyphs::save},
        {"settings/default.png", Glyphs::defaults}, {"exam/redo.png", Glyphs::redo},
        {"exam/new.png", Glyphs::newPaper},         {"exam/result.png", Glyphs::result},
        {"exam/delete.png", Glyphs::deleteScores},
    };
}

QList<Sequence> sequences()
{
    return {
        {"exam/pass", Animations::passed},
        {"exam/fail", Animations::failed},
        {"exam/pass-caption",
         [] {
             return QList<QImage>{caption({220, 40}, QStringLiteral("恭喜！您过关了！"))};
         }},
        {"exam/fail-caption",
         [] {
             return QList<QImage>{caption({280, 40}, QStringLiteral("很遗憾！您没有过关！"))};
         }},
    };
}

bool write(const QImage& image, const QString& path)
{
    if (QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG")) {
        return true;
    }
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: jiakao-draw-art OUTPUT-FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Picture& picture : pictures()) {
        ok = write(picture.draw(), out.filePath(picture.path)) && ok;
    }
    for (const Sequence& sequence : sequences()) {
        const QList<QImage> frames = sequence.draw();
        for (qsizetype i = 0; i < frames.size(); ++i) {
            const QString name = QStringLiteral("%1.png").arg(i, 2, 10, QLatin1Char('0'));
            ok = write(frames[i], out.filePath(sequence.folder + '/' + name)) && ok;
        }
    }
    return ok ? 0 : 1;
}
