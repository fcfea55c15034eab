#include "Db.h"

#include "QuestionText.h"

#include <memory>

namespace db {
namespace {

std::unique_ptr<TSQLiteDatabase> QuestionStore;

size_t FillQuestions(const QString& sql, bool trimImageName, examdata& target)
{
    std::unique_ptr<TSQLiteTable> t = GetQuestionStore().GetTable(sql);
    const size_t rows = std::min(static_cast<size_t>(t->RowCount()), target.size());
    if (rows == 0)
        return 0;
    const int idColumn = t->ColumnIndex(QStringLiteral("id"));
    const int textColumns[5] = {
        t->ColumnIndex(QStringLiteral("title")), t->ColumnIndex(QStringLiteral("a")),
        t->ColumnIndex(QStringLiteral("b")), t->ColumnIndex(QStringLiteral("c")),
        t->ColumnIndex(QStringLiteral("d"))};
    const int imgColumn = t->ColumnIndex(QStringLiteral("imgname"));
    const int resultColumn = t->ColumnIndex(QStringLiteral("result"));
    // Banks built before explanations lack the column; their questions simply have none.
    const int explainColumn = t->FindColumn(QStringLiteral("explain"));
    for (size_t i = 0; i < rows; ++i, t->Next()) {
        myRecord& r = target[i];
        r.id = IntegerFromText(t->FieldAsString(idColumn));
        const TQuestionTexts texts{
            t->FieldAsString(textColumns[0]),
            {t->FieldAsString(textColumns[1]), t->FieldAsString(textColumns[2]),
             t->FieldAsString(textColumns[3]), t->FieldAsString(textColumns[4])}};
        r.question = ComposeQuestion(static_cast<int>(i) + 1, texts);
        const QString img = t->FieldAsString(imgColumn);
        r.imgname = trimImageName ? img.trimmed() : img;
        r.result = t->FieldAsString(resultColumn);
        r.style = texts.options[0].isEmpty() ? 1 : 0;
        r.answer.clear();
        r.explain = explainColumn < 0 ? QString() : t->FieldAsString(explainColumn);
    }
    return rows;
}

} // namespace

int IntegerFromText(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text)
        throw ESQLiteException(QStringLiteral("''%1'' is not a valid integer value").arg(text));
    return value;
}

const char* const ExamPaperSql =
    " select * from (  select * from (select * from examdata where chapter=1 order by random() "
    "limit 30)  "
    " union all select * from (select * from examdata where chapter=2 order by random() limit 20)"
    " union all select * from (select * from examdata where chapter=3 order by random() limit 20)"
    " union all select * from (select * from examdata where chapter=4 order by random() limit 10)"
    " union all select * from (select * from examdata where chapter=5 order by random() limit 10)"
    " union all select * from (select * from examdata where chapter=6 order by random() limit 5)"
    " union all select * from (select * from examdata where chapter=7 order by random() limit 5)"
    " ) order by random()";

const char* const BankKey = "tqwpzn";

TSQLiteDatabase& GetQuestionStore()
{
    if (!QuestionStore)
        QuestionStore = std::make_unique<TSQLiteDatabase>(QStringLiteral("Test.db"),
                                                          QByteArray(BankKey), BankKeyLength);
    return *QuestionStore;
}

void CloseQuestionStore()
{
    QuestionStore.reset();
}

QString SelectQuestionsSql(int limit, const QString& order, const QString& where)
{
    QString sql = QStringLiteral("SELECT * FROM examdata");
    if (!where.isEmpty())
        sql += QLatin1Char(' ') + where;
    if (!order.isEmpty())
        sql += QLatin1Char(' ') + order;
    if (limit != 0)
        sql += QStringLiteral(" limit ") + QString::number(limit);
    return sql;
}

int CountQuestions(const QString& where)
{
    return GetQuestionStore().CountRows(SelectQuestionsSql(0, QString(), where));
}

void LoadQuestions(int limit, const QString& order, const QString& where, examdata& target)
{
    FillQuestions(SelectQuestionsSql(limit, order, where), true, target);
}

int LoadExamPaper(examdata& target)
{
    return static_cast<int>(FillQuestions(QString::fromLatin1(ExamPaperSql), false, target));
}

void UpdateQuestions(const QString& where, const QString& set)
{
    GetQuestionStore().ExecSQL(QStringLiteral("update examdata ") + set + QLatin1Char(' ') + where);
}

void InsertScore(const QString& columns, const QString& values)
{
    GetQuestionStore().ExecSQL(QStringLiteral("insert INTO scoredata ( ") + columns +
                               QStringLiteral(" ) values ( ") + values + QStringLiteral(" )"));
}

void LoadLatestScores(scoredata& target)
{
    std::unique_ptr<TSQLiteTable> t = GetQuestionStore().GetTable(
        QStringLiteral("SELECT * FROM scoredata order by id desc limit 5"));
    const size_t rows = std::min(static_cast<size_t>(t->RowCount()), target.size());
    if (rows == 0)
        return;
    const int scoreColumn = t->ColumnIndex(QStringLiteral("score"));
    const int datelineColumn = t->ColumnIndex(QStringLiteral("dateline"));
    for (size_t i = 0; i < rows; ++i, t->Next()) {
        target[i].id = static_cast<int>(i) + 1;
        target[i].score = t->FieldAsString(scoreColumn);
        target[i].dateline = t->FieldAsString(datelineColumn);
    }
}

void DeleteAllScores()
{
    GetQuestionStore().ExecSQL(QStringLiteral(" delete from scoredata "));
}

} // namespace db
