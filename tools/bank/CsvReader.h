#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// RFC 4180 reading of UTF-8 text, with the place of every field so that errors can point at it.
namespace bank {

struct TCsvField
{
    QString text;
    int line = 0;   // 1-based line where the field starts
    int column = 0; // 1-based character column where the field starts
};

struct TCsvRow
{
    std::vector<TCsvField> fields;
    int line = 0;
    int column = 0;
};

// Empty lines are skipped; a UTF-8 byte order mark at the start is ignored. Throws EBankError
// naming fileName, line and column on a stray or unbalanced quote.
std::vector<TCsvRow> ParseCsv(const QByteArray& bytes, const QString& fileName);

} // namespace bank
