#pragma once

#include <QString>
#include <stdexcept>

namespace bank {

// Every failure of the bank tool; the message is shown to the school as it stands, so it
// names the file and, where there is one, the line and column.
class EBankError : public std::runtime_error
{
public:
    explicit EBankError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

// "file:line:column: message", the form editors and compilers use.
inline EBankError ErrorAt(const QString& file, int line, int column, const QString& message)
{
    return EBankError(QStringLiteral("%1:%2:%3: %4").arg(file).arg(line).arg(column).arg(message));
}

} // namespace bank
