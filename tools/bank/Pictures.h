#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace bank {

struct TPicture
{
    QString name;    // the imgname that shows it
    QByteArray data; // PNG, BMP or GIF bytes

    bool operator==(const TPicture&) const = default;
};

// "png", "bmp" or "gif" by the bytes' signature; empty for anything else.
QString PictureFormat(const QByteArray& data);
// True when the bytes are one of the three formats and decode as a picture.
bool IsReadablePicture(const QByteArray& data);

// Every .png, .bmp and .gif file of the folder, named by its file name without extension;
// a missing folder holds no pictures. Throws EBankError on a picture that does not decode
// and on two names that differ only in letter case, as the pack looks names up.
std::vector<TPicture> ReadPictures(const QString& picturesDir);

// Writes each picture as NAME.ext by its format, into a folder it creates.
void WritePictures(const QString& picturesDir, const std::vector<TPicture>& pictures);

} // namespace bank
