#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <memory>
#include <stdexcept>

namespace platform {

class EResourceError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The question pictures: the pack Image.db (a plain SQLite file, table pictures(name, data)),
// read whole into memory once, from beside the executable or else the working directory.
class TPictureLibrary
{
public:
    // The pack of that file name (Image.db unless told), nullptr when no readable one is found.
    static std::unique_ptr<TPictureLibrary> Load(const QString& name = QStringLiteral("Image.db"));
    static std::unique_ptr<TPictureLibrary> LoadFile(const QString& path);

    // The picture of that name, letter case ignored; EResourceError "Resource %s not found"
    // for a name the pack does not hold.
    QPixmap Bitmap(const QString& name) const;

private:
    QHash<QString, QByteArray> pictures; // by lower-cased name
};

// "Resource %s not found": what a lookup reports when the pack is missing or lacks the name.
[[noreturn]] void RaiseResourceNotFound(const QString& name);

} // namespace platform
