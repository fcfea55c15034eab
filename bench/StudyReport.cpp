#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"
#include "FrmReport.h"
#include "StudyData.h"

#include <QDateTime>
#include <QStringList>

namespace {

constexpr int RecordedAnswers = 50000;
constexpr int StoredExams = 1000;

// Inserts the rows in statements of at most 500 rows, SQLite's limit of a compound select.
void InsertRows(const QString& head, const QStringList& rows)
{
    for (qsizetype k = 0; k < rows.size(); k += 500)
        db::GetQuestionStore().ExecSQL(head + rows.mid(k, 500).join(QLatin1Char(',')));
}

// A long-standing learner: 50,000 answers over the bank's questions in the last 250 days up to
// today, one in five wrong, and 1,000 exam scores; written once.
void FillRecord()
{
    static bool filled = false;
    if (std::exchange(filled, true))
        return;
    const std::vector<TQuestionTag> bank = db::LoadQuestionTags();
    const QDateTime now = QDateTime::currentDateTime();
    const auto at = [&](int k, int count, int days) {
        return now.addDays((k - count + 1) * days / count)
            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    };
    QStringList answers;
    for (int k = 0; k < RecordedAnswers; ++k)
        answers << QStringLiteral("(%1,'%2','A',%3,%4)")
                       .arg(bank[k * 7919 % bank.size()].id)
                       .arg(at(k, RecordedAnswers, 250))
                       .arg(k % 5 != 0)
                       .arg(k % 3);
    QStringList scores;
    for (int k = 0; k < StoredExams; ++k)
        scores << QStringLiteral("(%1,'%2')").arg(60 + k * 37 % 41).arg(at(k, StoredExams, 250));
    TSQLiteDatabase& store = db::GetQuestionStore();
    store.ExecSQL(QStringLiteral("begin"));
    InsertRows(
        QStringLiteral("insert into answerlog (qid, answered_at, answer, correct, mode) values "),
        answers);
    InsertRows(QStringLiteral("insert into scoredata (score, dateline) values "), scores);
    store.ExecSQL(QStringLiteral("commit"));
}

// The mastery is the trainer's, derived once when the record was read and kept current since,
// so the opening reads only the bank, the record's days and the scores.
void OpenReport(benchmark::State& state)
{
    FillRecord();
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
