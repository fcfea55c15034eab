#include "ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace platform {
namespace {

// One line as the profile functions see it: a section header "[name]", a key line
// "name=value" (blanks around both trimmed), or anything else, which no read sees.
struct TLine
{
    enum class Kind
    {
        Other,
        Section,
        Key
    };
    Kind kind = Kind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

TLine Classify(QByteArrayView line)
{
    if (line.startsWith("\xEF\xBB\xBF")) // the byte-order mark an editor may put first
        line = line.sliced(3);
    line = line.trimmed();
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        if (close < 0)
            return {};
        return {TLine::Kind::Section, line.sliced(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {};
    return {TLine::Kind::Key, line.first(equals).trimmed(), line.sliced(equals + 1).trimmed()};
}

bool SameName(QByteArrayView name, const QString& wanted)
{
    return QString::fromUtf8(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

QByteArrayView LineBreakOf(QByteArrayView line)
{
    if (line.endsWith("\r\n"))
        return line.last(2);
    return line.endsWith('\n') ? line.last(1) : QByteArrayView();
}

// A value in matching quotes reads without them.
QByteArrayView Unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// The file's text cut into lines, each with its own line break, so that a write changes the
// one line it must and gives back every other byte as it was. Of two sections of one name only
// the first is seen, and in it only the first line of a key.
class TProfileText
{
public:
    explicit TProfileText(const QByteArray& bytes) : text(bytes)
    {
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype br = text.indexOf('\n', at);
            const qsizetype next = br < 0 ? text.size() : br + 1;
            lines.push_back(QByteArrayView(text).sliced(at, next - at));
            at = next;
        }
        const qsizetype br = text.indexOf('\n');
        if (br > 0 && text.at(br - 1) == '\r')
            lineBreak = "\r\n";
    }
    // The lines look into the text.
    TProfileText(const TProfileText&) = delete;
    TProfileText& operator=(const TProfileText&) = delete;

    std::optional<QByteArrayView> Value(const QString& section, const QString& key) const
    {
        const auto block = FirstSection(section);
        const std::optional<size_t> i = block ? KeyLine(*block, key) : std::nullopt;
        if (!i)
            return std::nullopt;
        return Unquoted(Classify(lines[*i]).value);
    }

    // The first line of the key in the first section of its name takes the value; a key
    // not there yet goes after the section's last key, a section not there yet at the end.
    QByteArray WithValue(const QString& section, const QString& key, const QString& value) const
    {
        const QByteArray v = value.toUtf8();
        const auto block = FirstSection(section);
        if (!block) {
            QByteArray out = text;
            if (!out.isEmpty())
                out += (LineBreakOf(lines.back()).isEmpty() ? lineBreak : QByteArray()) + lineBreak;
            return out + '[' + section.toUtf8() + ']' + lineBreak + key.toUtf8() + '=' + v +
                   lineBreak;
        }
        if (const std::optional<size_t> i = KeyLine(*block, key)) {
            const QByteArrayView line = lines[*i];
            return Joined(*i, *i + 1,
                          Classify(line).name.toByteArray() + '=' + v +
                              LineBreakOf(line).toByteArray());
        }
        size_t after = block->first;
        for (size_t i = block->first + 1; i < block->second; ++i)
            if (Classify(lines[i]).kind == TLine::Kind::Key)
                after = i;
        const QByteArray before = LineBreakOf(lines[after]).isEmpty() ? lineBreak : QByteArray();
        return Joined(after + 1, after + 1, before + key.toUtf8() + '=' + v + lineBreak);
    }

    // Every section of that name goes, so that none of its keys is left to be read; nullopt
    // when there is none.
    std::optional<QByteArray> WithoutSection(const QString& section) const
    {
        QByteArray out;
        bool erased = false;
        for (size_t i = 0; i < lines.size();) {
            const TLine line = Classify(lines[i]);
            if (line.kind == TLine::Kind::Section && SameName(line.name, section)) {
                i = SectionEnd(i);
                erased = true;
                continue;
            }
            out += lines[i++];
        }
        return erased ? std::optional(out) : std::nullopt;
    }

private:
    // The lines [first, last) of the first section of that name, its header first.
    std::optional<std::pair<size_t, size_t>> FirstSection(const QString& section) const
    {
        for (size_t i = 0; i < lines.size(); ++i) {
            const TLine line = Classify(lines[i]);
            if (line.kind == TLine::Kind::Section && SameName(line.name, section))
                return std::pair(i, SectionEnd(i));
        }
        return std::nullopt;
    }

    std::optional<size_t> KeyLine(std::pair<size_t, size_t> section, const QString& key) const
    {
        for (size_t i = section.first + 1; i < section.second; ++i) {
            const TLine line = Classify(lines[i]);
            if (line.kind == TLine::Kind::Key && SameName(line.name, key))
                return i;
        }
        return std::nullopt;
    }

    size_t SectionEnd(size_t header) const
    {
        size_t end = header + 1;
        while (end < lines.size() && Classify(lines[end]).kind != TLine::Kind::Section)
            ++end;
        return end;
    }

    // The text with the lines [first, last) replaced by insert.
    QByteArray Joined(size_t first, size_t last, const QByteArray& insert) const
    {
        QByteArray out;
        out.reserve(text.size() + insert.size());
        for (size_t i = 0; i < first; ++i)
            out += lines[i];
        out += insert;
        for (size_t i = last; i < lines.size(); ++i)
            out += lines[i];
        return out;
    }

    QByteArray text;
    std::vector<QByteArrayView> lines;
    QByteArray lineBreak = "\n";
};

std::optional<QByteArray> ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
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
QByteArray LoadForWriting(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes)
        ThrowWriteError(path);
    return *bytes;
}

void Save(const QByteArray& text, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowWriteError(path);
    if (file.write(text) != text.size())
        ThrowWriteError(path);
    if (!file.commit())
        ThrowWriteError(path);
}

// Reads the file as it is now and saves at once the text that change gives, if any.
void Modify(const QString& path,
            const std::function<std::optional<QByteArray>(const TProfileText&)>& change)
{
    const std::optional<QByteArray> text = change(TProfileText(LoadForWriting(path)));
    if (!text)
        return;
    CheckWritable(path);
    Save(*text, path);
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
    // Whatever cannot be read reads as an empty file, so every value takes its default.
    const TProfileText text(ReadBytes(FullPath).value_or(QByteArray()));
    const std::optional<QByteArrayView> value = text.Value(section, key);
    return value ? QString::fromUtf8(*value) : def;
}

int TProfileFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    return ParseInteger(ReadString(section, key, QString())).value_or(def);
}

void TProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Modify(FullPath, [&](const TProfileText& text) { return text.WithValue(section, key, value); });
}

void TProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfileFile::EraseSection(const QString& section)
{
    Modify(FullPath, [&](const TProfileText& text) { return text.WithoutSection(section); });
}

} // namespace platform
