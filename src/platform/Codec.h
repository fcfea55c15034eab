#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// The program speaks Unicode; the question bank speaks code page 936 (GBK), as the Windows
// ANSI code page of a Chinese system did. Every text that crosses into or out of the bank
// goes through these two functions.
namespace platform {

class ECodecError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Throws ECodecError naming the first character that code page 936 cannot hold.
QByteArray ToCodePage936(const QString& text);

// Bytes that are not valid code page 936 become U+FFFD, so a damaged row still reads.
QString FromCodePage936(const char* bytes, qsizetype length);
inline QString FromCodePage936(const QByteArray& bytes)
{
    return FromCodePage936(bytes.constData(), bytes.size());
}

} // namespace platform
