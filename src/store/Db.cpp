#include "Db.h"

#include "QuestionText.h"

#include <QFileInfo>
#include <QStringList>
#include <memory>

namespace db {
namespace {

std::unique_ptr<TSQLiteDatabase> QuestionStore;
TSubject Subject = TSubject::One;

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
        // Only 科目四 knows multiple choice; in 科目一 such a result stays one no answer matches.
        r.multiple = Subject == TSubject::Four && r.style == 0 && r.result.size() > 1;
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
        QuestionStore = std::make_unique<TSQLiteDatabase>(BankFileName(Subject),
                                                          QByteArray(BankKey), BankKeyLength);
    return *QuestionStore;
}

void CloseQuestionStore()
{
    QuestionStore.reset();
}

TSubject CurrentSubject()
{
    return Subject;
}

void SelectSubject(TSubject subject)
{
    if (subject == Subject)
        return;
    CloseQuestionStore();
    Subject = subject;
}

bool BankExists(TSubject subject)
{
    return QFileInfo(BankFileName(subject)).isFile();
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

namespace {

// 科目四's paper by question type, in the paper's order.
struct TTypeQuota
{
    const char* where;
    int quota;
};
const TTypeQuota SubjectFourQuotas[] = {
    {"length(trim(a))=0", 20},
    {"length(trim(a))>0 and length(result)=1", 20},
    {"length(trim(a))>0 and length(result)>1", 10},
};

QStringList DrawRowids(const QString& where, int limit)
{
    std::unique_ptr<TSQLiteTable> t = GetQuestionStore().GetTable(
        QStringLiteral("select rowid from examdata where %1 order by random() limit %2")
            .arg(where)
            .arg(limit));
    QStringList rowids;
    for (; !t->Eof(); t->Next())
        rowids << t->FieldAsString(0);
    return rowids;
}

// Each type draws its quota; the places a short type leaves are drawn from the rest of the bank,
// so the paper is whole while the bank holds 50 questions. The paper goes type by type, at random
// within a type.
int LoadSubjectFourPaper(examdata& target)
{
    QStringList drawn;
    int quotas = 0;
    for (const TTypeQuota& type : SubjectFourQuotas) {
        drawn << DrawRowids(QString::fromLatin1(type.where), type.quota);
        quotas += type.quota;
    }
    const QString taken = drawn.join(QLatin1Char(','));
    if (drawn.size() < quotas)
        drawn << DrawRowids(QStringLiteral("rowid not in (%1)").arg(taken),
                            quotas - static_cast<int>(drawn.size()));
    if (drawn.isEmpty())
        return 0;
    QString typeOrder = QStringLiteral("case");
    for (int i = 0; i < 3; ++i)
        typeOrder += QStringLiteral(" when %1 then %2")
                         .arg(QString::fromLatin1(SubjectFourQuotas[i].where))
                         .arg(i);
    typeOrder += QStringLiteral(" end");
    return static_cast<int>(FillQuestions(
        QStringLiteral("select * from examdata where rowid in (%1) order by %2, random()")
            .arg(drawn.join(QLatin1Char(',')), typeOrder),
        false, target));
}

} // namespace

int LoadExamPaper(examdata& target)
{
    if (Subject == TSubject::Four)
        return LoadSubjectFourPaper(target);
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
