#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"
#include "FrmReport.h"
#include "StudyData.h"

#include <QDateTime>
#include <QStringList>

namespace {

constexpr int StoredExams = 1000;

// Inserts the rows in statements of at most 500 rows, SQLite's limit of a compound select.
void InsertRows(const QString& head, const QStringList& rows)
{
    for (qsizetype k = 0; k < rows.size(); k += 500)
        db::GetQuestionStore().ExecSQL(head + rows.mid(k, 500).join(QLatin1Char(',')));
}

// A long-standing learner's 1,000 exam scores over the last 250 days up to today, in place of
// whatever the other benchmarks submitted; the bench bank already holds the answer record.
void FillScores()
{
    const QDateTime now = QDateTime::currentDateTime();
    QStringList scores;
    for (int k = 0; k < StoredExams; ++k)
        scores << QStringLiteral("(%1,'%2')")
                      .arg(60 + k * 37 % 41)
                      .arg(now.addDays((k - StoredExams + 1) * 250 / StoredExams)
                               .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    TSQLiteDatabase& store = db::GetQuestionStore();
    store.ExecSQL(QStringLiteral("begin"));
    store.ExecSQL(QStringLiteral("delete from scoredata"));
    InsertRows(QStringLiteral("insert into scoredata (score, dateline) values "), scores);
    store.ExecSQL(QStringLiteral("commit"));
}

// The mastery is the trainer's, derived once when the record was read and kept current since,
// so the opening reads only the bank, the record's days and the scores.
void OpenReport(benchmark::State& state)
{
    FillScores();
    const std::map<int, TMastery> mastery = DeriveMastery(db::LoadAnswerLog());
    TimeEach(state, [&] {
        TFrmReport report(&Context().Window(), LoadStudyReport(QDate::currentDate(), mastery),
                          [] {});
        report.show();
        QCoreApplication::processEvents();
    });
    if (db::LoadAllScores().size() != StoredExams)
        state.SkipWithError("the bank does not hold the exams");
}

} // namespace

void RegisterStudyReport()
{
    Register(names::ReportOpen, OpenReport);
}
