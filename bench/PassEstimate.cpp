#include "PassEstimate.h"
#include "BenchContext.h"
#include "Benchmarks.h"
#include "StudyData.h"

namespace {

// The estimate alone, from the bench bank's questions and its record read beforehand.
void Estimate(benchmark::State& state)
{
    std::vector<learning::TEstimateQuestion> bank;
    for (const TQuestionTag& q : db::LoadQuestionTags())
        bank.push_back({.id = q.id, .chapter = q.chapter, .stratum = q.chapter - 1});
    const std::vector<learning::TOutcome> record = db::LoadAnswerOutcomes();
    std::optional<double> estimate;
    TimeEach(state, [&] {
        estimate =
            learning::EstimatePass(bank, record, QDate::currentDate(), learning::Subject1Paper());
    });
    if (!estimate || record.size() != size_t(names::RecordedAnswers))
        state.SkipWithError("the bench bank's record gives no estimate");
}

} // namespace

void RegisterPassEstimate()
{
    Register(names::Estimate, Estimate);
}
