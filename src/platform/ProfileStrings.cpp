#include "ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <SimpleIni.h>
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {
namespace {

class TIni : public CSimpleIniA
{
public:
    TIni() : CSimpleIniA(/*a_bIsUtf8=*/true) { SetSpaces(false); }
};

std::optional<QByteArray> ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Whatever cannot be read or parsed reads as an empty file, so every value takes its default.
void LoadForReading(TIni& ini, const QString& path)
{
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (bytes && ini.LoadData(bytes->constData(), bytes->size()) < 0)
        ini.Reset();
}

[[noreturn]] void ThrowWriteError(const QString& path)
{
    throw EProfileWriteError("Unable to write to " + path.toStdString());
}

bool OwnerMayWrite(const QString& path)
{
    return QFile::permissions(path).testFlag(QFileDevice::WriteOwner);
}

// Root passes every permission check of the system, so the owner's write bit is asked
// directly: a learner who made the file or its folder read-only does not want it replaced.
void CheckWritable(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.exists() && !OwnerMayWrite(path))
        ThrowWriteError(path);
    if (!folder.isDir() || !OwnerMayWrite(folder.absoluteFilePath()))
        ThrowWriteError(path);
}

// A file that exists but cannot be read is not replaced by one that has lost its contents.
void LoadForWriting(TIni& ini, const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes || ini.LoadData(bytes->constData(), bytes->size()) < 0)
        ThrowWriteError(path);
}

void Save(const TIni& ini, const QString& path)
{
    std::string text;
    if (ini.Save(text) < 0)
        ThrowWriteError(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowWriteError(path);
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size()))
        ThrowWriteError(path);
    if (!file.commit())
        ThrowWriteError(path);
}

// Loads the file as it is now and saves it at once if change says it changed something.
void Modify(const QString& path, const std::function<bool(TIni&)>& change)
{
    TIni ini;
    LoadForWriting(ini, path);
    if (!change(ini))
        return;
    CheckWritable(path);
    Save(ini, path);
}

std::optional<int> ParseInteger(const QString& value)
{
    const QByteArray text = value.trimmed().toLatin1();
    const char* first = text.constData();
    const char* last = first + text.size();
    if (text.startsWith("0x") || text.startsWith("0X")) {
        std::uint32_t pattern = 0;
        const auto [end, error] = std::from_chars(first + 2, last, pattern, 16);
        if (error != std::errc() || end != last)
            return std::nullopt;
        return static_cast<int>(pattern);
    }
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        ++first;
    int number = 0;
    const auto [end, error] = std::from_chars(first, last, number, 10);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return number;
}

} // namespace

TProfileFile::TProfileFile(const QString& path)
    : FullPath(QDir::cleanPath(QFileInfo(path).absoluteFilePath()))
{
}

QString TProfileFile::Path() const
{
    return FullPath;
}

QString TProfileFile::ReadString(const QString& section, const QString& key,
                                 const QString& def) const
{
    TIni ini;
    LoadForReading(ini, FullPath);
    const char* value = ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData());
    return value ? QString::fromUtf8(value) : def;
}

int TProfileFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    return ParseInteger(ReadString(section, key, QString())).value_or(def);
}

void TProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Modify(FullPath, [&](TIni& ini) {
        if (ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                         value.toUtf8().constData()) < 0)
            ThrowWriteError(FullPath);
        return true;
    });
}

void TProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfileFile::EraseSection(const QString& section)
{
    Modify(FullPath, [&](TIni& ini) { return ini.Delete(section.toUtf8().constData(), nullptr); });
}

} // namespace platform
