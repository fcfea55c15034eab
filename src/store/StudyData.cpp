#include "StudyData.h"

#include "AnswerLog.h"
#include "Db.h"

#include <memory>

namespace db {

std::vector<TScorePoint> LoadAllScores()
{
    std::unique_ptr<TSQLiteTable> t = GetQuestionStore().GetTable(
        QStringLiteral("SELECT score, dateline FROM scoredata order by id"));
    std::vector<TScorePoint> scores;
    scores.reserve(t->RowCount());
    for (; !t->Eof(); t->Next())
        scores.push_back({IntegerFromText(t->FieldAsString(0)), t->FieldAsString(1)});
    return scores;
}

std::vector<TQuestionTag> LoadQuestionTags()
{
    std::unique_ptr<TSQLiteTable> t = GetQuestionStore().GetTable(
        QStringLiteral("SELECT id, chapter, iserror, trim(a)='', length(trim(result))>1 FROM "
                       "examdata order by id"));
    std::vector<TQuestionTag> tags;
    tags.reserve(t->RowCount());
    // Like the chapter filter, a chapter that is not a number places the question in none.
    for (; !t->Eof(); t->Next())
        tags.push_back({IntegerFromText(t->FieldAsString(0)), t->FieldAsString(1).toInt(),
                        t->FieldAsString(2) == u"1",
                        t->FieldAsString(3) == u"1"   ? 0
                        : t->FieldAsString(4) == u"1" ? 2
                                                      : 1});
    return tags;
}

std::vector<TAnswerDay> LoadAnswerDays(QDate first)
{
    std::vector<TAnswerDay> days;
    if (!HasAnswerLog())
        return days;
    // The date is the first ten characters of the answer's local time, which sort as dates do.
    GetQuestionStore().ForEachRow(
        QStringLiteral("select substr(answered_at, 1, 10), count(*), sum(correct) from answerlog "
                       "where answered_at >= '%1' group by 1 order by 1")
            .arg(first.toString(Qt::ISODate)),
        [&days](const TSQLiteRow& r) {
            const QDate day = QDate::fromString(r.Text(0), Qt::ISODate);
            if (day.isValid())
                days.push_back(
                    {day, static_cast<int>(r.Integer(1)), static_cast<int>(r.Integer(2))});
        });
    return days;
}

std::vector<TAnswerOutcome> LoadAnswerOutcomes()
{
    std::vector<TAnswerOutcome> outcomes;
    if (!HasAnswerLog())
        return outcomes;
    // A record has few distinct days: each is read as a date once.
    QString lastText;
    QDate lastDay;
    GetQuestionStore().ForEachRow(
        QStringLiteral(
            "select qid, substr(answered_at, 1, 10), correct from answerlog order by id"),
        [&](const TSQLiteRow& r) {
            const QString text = r.Text(1);
            if (text != lastText) {
                lastText = text;
                lastDay = QDate::fromString(text, Qt::ISODate);
            }
            if (lastDay.isValid())
                outcomes.push_back({.qid = static_cast<int>(r.Integer(0)),
                                    .day = lastDay,
                                    .correct = r.Integer(2) != 0});
        });
    return outcomes;
}

} // namespace db
