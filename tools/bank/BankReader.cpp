#include "BankReader.h"

#include "BankError.h"
#include "BankFiles.h"
#include "Codec.h"

#include <QDir>
#include <QFileInfo>

namespace bank {
namespace {

std::unique_ptr<TConnection> OpenExisting(const QString& path, const QByteArray& key)
{
    if (!QFileInfo(path).isFile())
        throw EBankError(QStringLiteral("%1: no such file").arg(path));
    return std::make_unique<TConnection>(path, TConnection::Mode::ReadOnly, key);
}

bool HasExplainColumn(TConnection& questions)
{
    TStatement columns(questions, "PRAGMA table_info(examdata)");
    while (columns.Step())
        if (QString::fromUtf8(columns.Bytes(1)).compare(ExplainColumn, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A bank built before explanations reads as one whose questions have none.
QByteArray SelectQuestionsSql(TConnection& questions)
{
    QStringList columns = QuestionColumns();
    if (!HasExplainColumn(questions))
        columns.replace(columns.indexOf(ExplainColumn), QStringLiteral("NULL"));
    return "SELECT " + columns.join(QStringLiteral(", ")).toLatin1() + " FROM examdata ORDER BY id";
}

} // namespace

std::unique_ptr<TConnection> OpenQuestions(const QString& dir, TSubject subject)
{
    return OpenExisting(QDir(dir).filePath(db::BankFileName(subject)), QuestionsKey);
}

std::vector<QStringList> ReadQuestionRows(TConnection& questions)
{
    const QByteArray sql = SelectQuestionsSql(questions);
    TStatement select(questions, sql.constData());
    std::vector<QStringList> rows;
    while (select.Step()) {
        QStringList row;
        for (int c = 0; c < QuestionColumns().size(); ++c)
            row << platform::FromCodePage936(select.Bytes(c));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TQuestion> ReadQuestions(const QString& dir, TSubject subject)
{
    std::unique_ptr<TConnection> db = OpenQuestions(dir, subject);
    const QStringList& columns = QuestionColumns();
    std::vector<TQuestion> questions;
    for (const QStringList& row : ReadQuestionRows(*db)) {
        TQuestion q;
        for (int c = 0; c < columns.size(); ++c) {
            bool ok = true;
            const int number = IsIntegerColumn(columns[c]) ? row[c].toInt(&ok, 10) : 0;
            if (!ok)
                throw EBankError(
                    QStringLiteral("%1: row %2 (id %3), column \"%4\": \"%5\" is not an integer")
                        .arg(db->Path())
                        .arg(questions.size() + 1)
                        .arg(row[0], columns[c], row[c]));
            SetColumn(q, columns[c], row[c], number);
        }
        questions.push_back(std::move(q));
    }
    return questions;
}

std::vector<TPicture> ReadPack(const QString& dir, TSubject subject)
{
    std::unique_ptr<TConnection> db =
        OpenExisting(QDir(dir).filePath(db::PictureFileName(subject)), QByteArray());
    TStatement select(*db, "SELECT name, data FROM pictures ORDER BY name");
    std::vector<TPicture> pictures;
    while (select.Step())
        pictures.push_back({QString::fromUtf8(select.Bytes(0)), select.Bytes(1)});
    return pictures;
}

} // namespace bank
