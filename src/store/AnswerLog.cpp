#include "AnswerLog.h"

#include "Db.h"
#include "LearnerWrites.h"

namespace db {

const char* const CreateAnswerLogSql =
    "CREATE TABLE IF NOT EXISTS answerlog(id INTEGER PRIMARY KEY, qid INTEGER NOT NULL, "
    "answered_at TEXT NOT NULL, answer TEXT NOT NULL, correct INTEGER NOT NULL, "
    "mode INTEGER NOT NULL)";
const char* const CreateAnswerLogIndexSql =
    "CREATE INDEX IF NOT EXISTS answerlog_qid ON answerlog(qid)";

void InsertAnswers(std::span<const TAnswerRow> rows)
{
    WriteLearnerData([rows](TSQLiteDatabase& store) {
        store.ExecSQL(QString::fromLatin1(CreateAnswerLogSql));
        store.ExecSQL(QString::fromLatin1(CreateAnswerLogIndexSql));
        for (const TAnswerRow& row : rows)
            store.ExecSQL(QStringLiteral("insert into answerlog(qid, answered_at, answer, "
                                         "correct, mode) values(?, ?, ?, ?, ?)"),
                          {row.qid, row.answeredAt, row.answer, row.correct ? 1 : 0, row.mode});
    });
}

void InsertAnswer(const TAnswerRow& row)
{
    InsertAnswers({&row, 1});
}

bool HasAnswerLog()
{
    return GetQuestionStore().CountRows(QStringLiteral(
               "select 1 from sqlite_master where type='table' and name='answerlog'")) > 0;
}

std::vector<TAnswerRow> LoadAnswerLog()
{
    std::vector<TAnswerRow> log;
    if (!HasAnswerLog())
        return log;
    GetQuestionStore().ForEachRow(
        QStringLiteral("select qid, answered_at, answer, correct, mode from answerlog order by id"),
        [&log](const TSQLiteRow& r) {
            log.push_back({.qid = static_cast<int>(r.Integer(0)),
                           .answeredAt = r.Text(1),
                           .answer = r.Text(2),
                           .correct = r.Integer(3) != 0,
                           .mode = static_cast<int>(r.Integer(4))});
        });
    return log;
}

} // namespace db
