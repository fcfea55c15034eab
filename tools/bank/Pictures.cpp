#include "Pictures.h"

#include "BankError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSaveFile>

namespace bank {

QString PictureFormat(const QByteArray& data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("png");
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return QStringLiteral("gif");
    if (data.startsWith("BM"))
        return QStringLiteral("bmp");
    return QString();
}

bool IsReadablePicture(const QByteArray& data)
{
    const QString format = PictureFormat(data);
    return !format.isEmpty() && !QImage::fromData(data, format.toLatin1().constData()).isNull();
}

std::vector<TPicture> ReadPictures(const QString& picturesDir)
{
    std::vector<TPicture> pictures;
    QDir dir(picturesDir);
    if (!dir.exists())
        return pictures;
    const QFileInfoList files = dir.entryInfoList(
        {QStringLiteral("*.png"), QStringLiteral("*.bmp"), QStringLiteral("*.gif")}, QDir::Files,
        QDir::Name | QDir::IgnoreCase);
    QHash<QString, QString> fileOfName;
    for (const QFileInfo& info : files) {
        const QString path = info.filePath();
        TPicture picture{info.completeBaseName(), QByteArray()};
        const QString key = picture.name.toCaseFolded();
        if (fileOfName.contains(key))
            throw EBankError(QStringLiteral("%1: the picture name \"%2\" is already taken by %3 "
                                            "(names are looked up without letter case)")
                                 .arg(path, picture.name, fileOfName.value(key)));
        fileOfName.insert(key, path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw EBankError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
        picture.data = file.readAll();
        if (!IsReadablePicture(picture.data))
            throw EBankError(
                QStringLiteral("%1: not a readable PNG, BMP or GIF picture").arg(path));
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

void WritePictures(const QString& picturesDir, const std::vector<TPicture>& pictures)
{
    if (!QDir().mkpath(picturesDir))
        throw EBankError(QStringLiteral("%1: cannot create the folder").arg(picturesDir));
    for (const TPicture& picture : pictures) {
        const QString path =
            QDir(picturesDir)
                .filePath(picture.name + QLatin1Char('.') + PictureFormat(picture.data));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(picture.data) != picture.data.size() ||
            !file.commit())
            throw EBankError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
    }
}

} // namespace bank
