#include "Codec.h"

#include <QList>
#include <QStringView>
#include <QSysInfo>
#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// One conversion descriptor per direction, opened on first use and kept for the process.
class TConverter
{
public:
    TConverter(const char* to, const char* from) : cd(iconv_open(to, from))
    {
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw ECodecError(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~TConverter() { iconv_close(cd); }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    // Converts as much as it can; on a bad sequence it stops and reports the offset.
    struct Result
    {
        QByteArray out;
        qsizetype failedAt = -1;
    };

    Result Convert(const char* in, size_t length)
    {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        Result result;
        result.out.resize(static_cast<qsizetype>(length * 4 + 4));
        char* src = const_cast<char*>(in);
        size_t srcLeft = length;
        char* dst = result.out.data();
        size_t dstLeft = static_cast<size_t>(result.out.size());
        while (srcLeft > 0) {
            if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                const qsizetype used = dst - result.out.data();
                result.out.resize(result.out.size() * 2);
                dst = result.out.data() + used;
                dstLeft = static_cast<size_t>(result.out.size() - used);
                continue;
            }
            result.failedAt = static_cast<qsizetype>(src - in);
            break;
        }
        result.out.resize(dst - result.out.data());
        return result;
    }

private:
    iconv_t cd;
};

} // namespace

QByteArray ToCodePage936(const QString& text)
{
    static TConverter toGbk("GBK", "UTF-8");
    const QByteArray utf8 = text.toUtf8();
    TConverter::Result r = toGbk.Convert(utf8.constData(), static_cast<size_t>(utf8.size()));
    if (r.failedAt >= 0) {
        const uint ch = QString::fromUtf8(utf8.mid(r.failedAt)).toUcs4().value(0);
        throw ECodecError(
            QStringLiteral("the character \"%1\" (U+%2) cannot be written in code page 936")
                .arg(QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1))
                .arg(ch, 4, 16, QLatin1Char('0'))
                .toStdString());
    }
    return r.out;
}

QString FromCodePage936(const char* bytes, qsizetype length)
{
    // Straight into the UTF-16 that QString holds, in the machine's own byte order: a detour
    // through UTF-8 cost a whole-bank load a second conversion of every text.
    static TConverter fromGbk(
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE", "GBK");
    QString text;
    const char* p = bytes;
    qsizetype left = length;
    while (left > 0) {
        TConverter::Result r = fromGbk.Convert(p, static_cast<size_t>(left));
        text += QStringView(reinterpret_cast<const char16_t*>(r.out.constData()), r.out.size() / 2);
        if (r.failedAt < 0)
            break;
        text += QChar(QChar::ReplacementCharacter);
        p += r.failedAt + 1;
        left -= r.failedAt + 1;
    }
    return text;
}

} // namespace platform
