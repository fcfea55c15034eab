#include "StudyPlan.h"

#include "Db.h"
#include "LearnerWrites.h"

namespace db {

const char* const CreateStudyPlanSql =
    "CREATE TABLE IF NOT EXISTS studyplan(name TEXT PRIMARY KEY, value TEXT NOT NULL)";

namespace {

const QString ExamDateRow = QStringLiteral("exam_date");

bool HasStudyPlan()
{
    return GetQuestionStore().CountRows(QStringLiteral(
               "select 1 from sqlite_master where type='table' and name='studyplan'")) > 0;
}

} // namespace

QDate LoadExamDate()
{
    QDate date;
    if (!HasStudyPlan())
        return date;
    GetQuestionStore().ForEachRow(
        QStringLiteral("select value from studyplan where name='exam_date'"),
        [&date](const TSQLiteRow& r) { date = QDate::fromString(r.Text(0), Qt::ISODate); });
    return date;
}

void SaveExamDate(QDate date)
{
    WriteLearnerData([date](TSQLiteDatabase& store) {
        store.ExecSQL(QString::fromLatin1(CreateStudyPlanSql));
        store.ExecSQL(QStringLiteral("insert or replace into studyplan(name, value) values(?, ?)"),
                      {ExamDateRow, date.toString(Qt::ISODate)});
    });
}

void ClearExamDate()
{
    if (HasStudyPlan())
        WriteLearnerData([](TSQLiteDatabase& store) {
            store.ExecSQL(QStringLiteral("delete from studyplan where name=?"), {ExamDateRow});
        });
}

} // namespace db
