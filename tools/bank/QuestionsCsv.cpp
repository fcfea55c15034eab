#include "QuestionsCsv.h"

#include "BankError.h"
#include "Codec.h"
#include "CsvReader.h"
#include "CsvWriter.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace bank {
namespace {

// The columns a school may leave out: a new bank's error book is empty, and a question may
// come without an explanation.
bool IsOptional(const QString& column)
{
    return column == QLatin1String("iserror") || column == ExplainColumn;
}

// The examdata column of each CSV field, in file order.
QStringList ReadHeader(const TCsvRow& header, const QString& file)
{
    QStringList names;
    for (const TCsvField& f : header.fields) {
        if (!QuestionColumns().contains(f.text))
            throw ErrorAt(file, f.line, f.column,
                          QStringLiteral("unknown column \"%1\"; the columns are %2")
                              .arg(f.text, QuestionColumns().join(QLatin1Char(','))));
        if (names.contains(f.text))
            throw ErrorAt(file, f.line, f.column,
                          QStringLiteral("the column \"%1\" appears twice").arg(f.text));
        names << f.text;
    }
    for (const QString& column : QuestionColumns())
        if (!IsOptional(column) && !names.contains(column))
            throw ErrorAt(file, header.line, header.column,
                          QStringLiteral("the header has no column \"%1\"").arg(column));
    return names;
}

int IntegerField(const TCsvField& f, const QString& column, const QString& file)
{
    const QString text = f.text.trimmed();
    if (text.isEmpty())
        throw ErrorAt(file, f.line, f.column,
                      QStringLiteral("column \"%1\": missing value").arg(column));
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw ErrorAt(
            file, f.line, f.column,
            QStringLiteral("column \"%1\": \"%2\" is not an integer").arg(column, f.text));
    return value;
}

void CheckCodePage(const TCsvField& f, const QString& column, const QString& file)
{
    try {
        platform::ToCodePage936(f.text);
    } catch (const platform::ECodecError& e) {
        throw ErrorAt(file, f.line, f.column,
                      QStringLiteral("column \"%1\": %2").arg(column, e.what()));
    }
}

void CheckFieldCount(const TCsvRow& row, qsizetype expected, const QString& file)
{
    const qsizetype count = static_cast<qsizetype>(row.fields.size());
    if (count == expected)
        return;
    const TCsvField& at = count > expected ? row.fields[expected] : row.fields.back();
    throw ErrorAt(
        file, at.line, at.column,
        QStringLiteral("the row has %1 fields where the header has %2").arg(count).arg(expected));
}

void CheckResult(const TQuestion& q, TSubject subject, const TCsvField& f, const QString& file)
{
    const QString fault = ResultFault(q, subject);
    if (!fault.isEmpty())
        throw ErrorAt(file, f.line, f.column, QStringLiteral("column \"result\": ") + fault);
}

TQuestion QuestionOfRow(const TCsvRow& row, const QStringList& names, const QString& file)
{
    TQuestion q;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const TCsvField& f = row.fields[i];
        if (IsIntegerColumn(names[i])) {
            SetColumn(q, names[i], QString(), IntegerField(f, names[i], file));
        } else {
            CheckCodePage(f, names[i], file);
            SetColumn(q, names[i], f.text, 0);
        }
    }
    return q;
}

} // namespace

std::vector<TQuestion> ReadQuestionsCsv(const QString& csvPath, TSubject subject)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        throw EBankError(QStringLiteral("%1: cannot read: %2").arg(csvPath, file.errorString()));
    const std::vector<TCsvRow> rows = ParseCsv(file.readAll(), csvPath);
    if (rows.empty())
        throw ErrorAt(csvPath, 1, 1, QStringLiteral("the header row is missing"));
    const QStringList names = ReadHeader(rows.front(), csvPath);
    const qsizetype idField = names.indexOf(QStringLiteral("id"));
    const qsizetype resultField = names.indexOf(QStringLiteral("result"));

    std::vector<TQuestion> questions;
    QHash<int, int> lineOfId;
    for (size_t r = 1; r < rows.size(); ++r) {
        CheckFieldCount(rows[r], names.size(), csvPath);
        TQuestion q = QuestionOfRow(rows[r], names, csvPath);
        CheckResult(q, subject, rows[r].fields[resultField], csvPath);
        const TCsvField& idAt = rows[r].fields[idField];
        if (lineOfId.contains(q.id))
            throw ErrorAt(csvPath, idAt.line, idAt.column,
                          QStringLiteral("column \"id\": the id %1 is already used on line %2")
                              .arg(q.id)
                              .arg(lineOfId.value(q.id)));
        lineOfId.insert(q.id, idAt.line);
        questions.push_back(std::move(q));
    }
    return questions;
}

void WriteQuestionsCsv(const QString& csvPath, const std::vector<TQuestion>& questions)
{
    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly))
        throw EBankError(QStringLiteral("%1: cannot write: %2").arg(csvPath, file.errorString()));
    file.write(CsvRecord(QuestionColumns()));
    for (const TQuestion& q : questions) {
        QStringList fields;
        for (const QString& column : QuestionColumns())
            fields << ColumnText(q, column);
        file.write(CsvRecord(fields));
    }
    if (!file.commit())
        throw EBankError(QStringLiteral("%1: cannot write: %2").arg(csvPath, file.errorString()));
}

} // namespace bank
