#pragma once

#include <QString>
#include <stdexcept>

// An INI file read and written the way the Windows profile-string functions did it: names
// compared without case, a value in matching quotes read without them, of a section or a key
// that comes twice the first one, every read straight from the disk, every write at once and
// to the one line it concerns.
namespace platform {

class EProfileWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class TProfileFile
{
public:
    // A missing file reads as empty; it is created by the first write.
    explicit TProfileFile(const QString& path);

    // The absolute path, as the write error names it.
    QString Path() const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal with an optional sign, or "0x" with a 32-bit hex pattern; anything else is def.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // Each write replaces the file atomically, or throws EProfileWriteError and leaves it as
    // it was. A file or folder whose owner may not write is never replaced, even for root.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    // Removing a section that is not there changes nothing and writes nothing.
    void EraseSection(const QString& section);

private:
    QString FullPath;
};

} // namespace platform
