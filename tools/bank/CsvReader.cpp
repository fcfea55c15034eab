#include "CsvReader.h"

#include "BankError.h"

#include <QStringDecoder>
#include <csv.h>

namespace bank {
namespace {

bool IsLineBreak(unsigned char c)
{
    return c == '\r' || c == '\n';
}

// A byte order mark at the start of a field is text like any other: only the one at the start
// of the file is dropped, and that before parsing.
QString Decode(const void* data, size_t length)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(QByteArrayView(static_cast<const char*>(data), static_cast<qsizetype>(length)));
}

// Follows the parser byte by byte, so that every field knows where it began.
class TCsvCollector
{
public:
    std::vector<TCsvRow> rows;

    void Feed(unsigned char c)
    {
        if (startPending && !IsLineBreak(c)) {
            startLine = line;
            startColumn = column;
            startPending = false;
        }
    }

    void Advance(unsigned char c)
    {
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }

    void Field(const void* data, size_t length)
    {
        if (startPending) {
            startLine = line;
            startColumn = column;
        }
        TCsvField field{Decode(data, length), startLine, startColumn};
        if (row.fields.empty()) {
            row.line = startLine;
            row.column = startColumn;
        }
        row.fields.push_back(std::move(field));
        startPending = true;
    }

    void EndRow()
    {
        rows.push_back(std::move(row));
        row = TCsvRow();
    }

    int line = 1;
    int column = 1;
    int startLine = 1;
    int startColumn = 1;

private:
    bool startPending = true;
    TCsvRow row;
};

void OnField(void* data, size_t length, void* collector)
{
    static_cast<TCsvCollector*>(collector)->Field(data, length);
}

void OnRowEnd(int, void* collector)
{
    static_cast<TCsvCollector*>(collector)->EndRow();
}

// Blanks belong to the field; only quotes delimit it.
int NoSpace(unsigned char)
{
    return 0;
}

// Owns the parser state for the lifetime of one parse, errors included.
struct TParser
{
    csv_parser p;
    TParser()
    {
        if (csv_init(&p, CSV_STRICT | CSV_STRICT_FINI) != 0)
            throw EBankError(QStringLiteral("the CSV reader could not start"));
        csv_set_space_func(&p, NoSpace);
    }
    ~TParser() { csv_free(&p); }
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;
};

} // namespace

std::vector<TCsvRow> ParseCsv(const QByteArray& bytes, const QString& fileName)
{
    TParser parser;
    TCsvCollector collector;
    const QByteArray bom("\xEF\xBB\xBF");
    const qsizetype first = bytes.startsWith(bom) ? bom.size() : 0;
    for (qsizetype i = first; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        collector.Feed(c);
        if (csv_parse(&parser.p, &c, 1, OnField, OnRowEnd, &collector) != 1)
            throw ErrorAt(fileName, collector.line, collector.column,
                          QStringLiteral("misplaced quote: a field with quotes must be wholly "
                                         "enclosed in them, and a quote inside is written twice"));
        collector.Advance(c);
    }
    if (csv_fini(&parser.p, OnField, OnRowEnd, &collector) != 0)
        throw ErrorAt(fileName, collector.startLine, collector.startColumn,
                      QStringLiteral("the quoted field that starts here is never closed"));
    return std::move(collector.rows);
}

} // namespace bank
