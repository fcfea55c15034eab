#include "BenchContext.h"

#include "Benchmarks.h"
#include "Db.h"

namespace {
TBenchContext* Current = nullptr;

// A learner's record after weeks of practice: every question answered in turn, day after day,
// one answer in four wrong, the newest answers 18 days old, so that every question is due.
void FillAnswerRecord()
{
    db::GetQuestionStore().ExecSQL(
        QStringLiteral(
            "insert into answerlog(qid, answered_at, answer, correct, mode) "
            "with recursive round(i) as (select 0 union all select i + 1 from round where i < 42) "
            "select e.id, datetime('now', 'localtime', printf('-%d days', 60 - r.i)), 'A', "
            "(e.id + r.i) % 4 != 0, 0 from round r, examdata e order by r.i, e.id limit ") +
        QString::number(names::RecordedAnswers));
}

} // namespace

TBenchContext::TBenchContext()
    : bank(fixture::FullBank()), notices(std::make_unique<fixture::TNotices>())
{
    FillAnswerRecord();
}

TBenchContext::~TBenchContext() = default;

TFrmMain& TBenchContext::Window()
{
    if (!window) {
        window = std::make_unique<TFrmMain>();
        window->show();
    }
    return *window;
}

TBenchContext& Context()
{
    return *Current;
}

void SetContext(TBenchContext* context)
{
    Current = context;
}

benchmark::internal::Benchmark* Register(const char* name,
                                         std::function<void(benchmark::State&)> body)
{
    return benchmark::RegisterBenchmark(name, std::move(body))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
