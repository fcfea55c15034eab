#include "BankError.h"
#include "CsvReader.h"
#include "CsvWriter.h"

#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "csv-fuzz: %s\n", what);
    std::abort();
}

// Fields start where the reader says, in reading order, never before line 1 column 1.
void CheckPlaces(const std::vector<bank::TCsvRow>& rows)
{
    std::pair<int, int> previous{1, 1};
    for (const bank::TCsvRow& row : rows) {
        if (row.fields.empty())
            Fail("a row without fields");
        if (row.line != row.fields.front().line || row.column != row.fields.front().column)
            Fail("a row does not start where its first field does");
        for (const bank::TCsvField& field : row.fields) {
            const std::pair<int, int> place{field.line, field.column};
            if (field.line < 1 || field.column < 1 || place < previous)
                Fail("a field starts before the one read ahead of it");
            previous = place;
        }
    }
}

// What the reader took in, written out again by the bank tool's own writer, reads back the same.
void CheckRoundTrip(const std::vector<bank::TCsvRow>& rows)
{
    QByteArray written;
    for (const bank::TCsvRow& row : rows) {
        QStringList fields;
        for (const bank::TCsvField& field : row.fields)
            fields << field.text;
        written += bank::CsvRecord(fields);
    }
    const std::vector<bank::TCsvRow> again = bank::ParseCsv(written, QStringLiteral("again.csv"));
    if (again.size() != rows.size())
        Fail("the rewritten text reads as another number of rows");
    for (size_t r = 0; r < rows.size(); ++r) {
        if (again[r].fields.size() != rows[r].fields.size())
            Fail("a rewritten row reads as another number of fields");
        for (size_t f = 0; f < rows[r].fields.size(); ++f)
            if (again[r].fields[f].text != rows[r].fields[f].text)
                Fail("a rewritten field reads as other text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<bank::TCsvRow> rows;
    try {
        rows = bank::ParseCsv(bytes, QStringLiteral("fuzz.csv"));
    } catch (const bank::EBankError& e) {
        if (!e.Message().startsWith(QStringLiteral("fuzz.csv:")))
            Fail("a refusal that does not name the file and the place");
        return 0;
    }
    CheckPlaces(rows);
    CheckRoundTrip(rows);
    return 0;
}
