#include "BenchContext.h"

#include "Benchmarks.h"
#include "Db.h"

#include <algorithm>
#include <utility>

namespace {
TBenchContext* Current = nullptr;
int RegisteredTimes = 1;

// A learner's record after weeks of practice: every question answered in turn, day after day,
// one answer in four wrong, the newest answers 18 days old or older, so that every question
// answered is due.
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

TBenchContext::TBenchContext() : notices(std::make_unique<fixture::TNotices>())
{
    UseBank(1);
}

TBenchContext::~TBenchContext() = default;

void TBenchContext::UseBank(int newTimes)
{
    if (newTimes == times)
        return;
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    bank.reset();
    bank = fixture::FullBank(newTimes);
    times = newTimes;
    subjectFour = false;
    FillAnswerRecord();
}

void TBenchContext::AddSubjectFour()
{
    if (std::exchange(subjectFour, true))
        return;
    auto [questions, pictures] = fixture::SubjectFourContent();
    bank->AddSubjectFour(questions, pictures);
}

int TBenchContext::FirstChapter() const
{
    const auto& questions = bank->Questions();
    return static_cast<int>(std::count_if(questions.begin(), questions.end(),
                                          [](const bank::TQuestion& q) { return q.chapter == 1; }));
}

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

void RegisterOnBank(int times)
{
    RegisteredTimes = times;
}

std::string OnBank(const char* name, int times)
{
    return times == 1 ? std::string(name) : std::string(name) + "/" + std::to_string(1177 * times);
}

benchmark::internal::Benchmark* Register(const char* name,
                                         std::function<void(benchmark::State&)> body)
{
    const int times = RegisteredTimes;
    return benchmark::RegisterBenchmark(OnBank(name, times).c_str(),
                                        [times, body = std::move(body)](benchmark::State& state) {
                                            Context().UseBank(times);
                                            body(state);
                                        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
