#include "Codec.h"

#include <QList>
#include <QStringView>
#include <QSysInfo>
#include <array>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>

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

// Code page 936 read through a table made once from iconv's own answers, byte by byte and pair
// by pair: iconv itself, called once per text, cost a whole-bank load a third of its time.
class TGbkTable
{
public:
    // No character of the code page is U+FFFF, so it marks a byte or pair that has none.
    static constexpr char16_t Invalid = 0xFFFF;

    TGbkTable()
    {
        TConverter fromGbk(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE",
                           "GBK");
        single.fill(QChar::ReplacementCharacter);
        for (int byte = 0; byte < 256; ++byte) {
            const char in = static_cast<char>(byte);
            const TConverter::Result r = fromGbk.Convert(&in, 1);
            if (r.failedAt < 0 && r.out.size() == 2)
                single[byte] = Unit(r.out, 0);
            else if (byte >= 0x80)
                FillPairs(fromGbk, static_cast<unsigned char>(byte));
        }
    }

    char16_t Single(unsigned char byte) const { return single[byte]; }
    // The characters of the pairs that start with this byte, by their second byte; nullptr
    // when no pair starts with it.
    const char16_t* Pairs(unsigned char lead) const
    {
        return pairs[lead] ? pairs[lead]->data() : nullptr;
    }

private:
    using TRow = std::array<char16_t, 256>;

    static char16_t Unit(const QByteArray& utf16, qsizetype at)
    {
        char16_t unit;
        std::memcpy(&unit, utf16.constData() + at, sizeof unit);
        return unit;
    }

    // All 256 pairs of one lead byte in one call, stepping over each pair iconv refuses.
    void FillPairs(TConverter& fromGbk, unsigned char lead)
    {
        auto row = std::make_unique<TRow>();
        row->fill(Invalid);
        QByteArray in(512, Qt::Uninitialized);
        for (int trail = 0; trail < 256; ++trail) {
            in[2 * trail] = static_cast<char>(lead);
            in[2 * trail + 1] = static_cast<char>(trail);
        }
        bool any = false;
        for (qsizetype at = 0; at < in.size();) {
            const TConverter::Result r =
                fromGbk.Convert(in.constData() + at, static_cast<size_t>(in.size() - at));
            const qsizetype read = r.failedAt < 0 ? in.size() - at : r.failedAt;
            // Each pair read gave one UTF-16 unit; a pair read as two single bytes would have
            // given two, and such a lead byte has no pairs of its own.
            if (r.out.size() != read)
                return;
            for (qsizetype k = 0; k < read / 2; ++k)
                (*row)[static_cast<unsigned char>(in[at + 2 * k + 1])] = Unit(r.out, 2 * k);
            any = any || read > 0;
            at += read + 2;
        }
        if (any)
            pairs[lead] = std::move(row);
    }

    std::array<char16_t, 256> single;
    std::array<std::unique_ptr<TRow>, 256> pairs;
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
    static const TGbkTable table;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    QString text(length, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < length; ++n) {
        const unsigned char byte = in[i];
        const char16_t* pairs = table.Pairs(byte);
        char16_t ch = pairs && i + 1 < length ? pairs[in[i + 1]] : TGbkTable::Invalid;
        if (ch != TGbkTable::Invalid) {
            i += 2;
        } else {
            // Not a pair: the byte stands alone, and when it cannot, it is replaced and the
            // next byte starts afresh.
            ch = table.Single(byte);
            ++i;
        }
        out[n] = ch;
    }
    text.truncate(n);
    return text;
}

} // namespace platform
