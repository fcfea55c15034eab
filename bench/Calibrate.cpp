// jiakao-calibrate: does the pass estimate mean what it says? Simulated learners study, their
// answers go into a record, the estimate is made from the record on the morning of the exam, and
// then the exam is drawn. The learners' answers come from a model of their own (a difficulty per
// question, forgetting over days by a power law, learning after an error), not from the
// estimate's, so a good score here is not the estimate agreeing with itself.
//
//     jiakao-calibrate [LEARNERS] [SEED]
//
// 5,000 learners by default, so that a decile's observed pass rate is not mostly noise.
#include "Mastery.h"
#include "PassEstimate.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

namespace {

using learning::TEstimateQuestion;
using learning::TOutcome;

const QDate FirstDay(2026, 1, 5);
const std::array<int, 7> ChapterSizes{360, 229, 237, 100, 142, 60, 49};
// Some chapters are harder than others: fines and distances are learnt, not guessed.
const std::array<double, 7> ChapterDifficulty{0.0, 0.5, -0.4, 0.7, 0.2, 0.9, 0.3};

struct TSimQuestion
{
    int chapter = 0;
    double difficulty = 0;
    double guess = 0; // 1/2 for true/false, 1/4 for a choice question
};

std::vector<TSimQuestion> MakeBank(std::mt19937_64& rng)
{
    std::normal_distribution<double> spread(0.0, 1.0);
    std::bernoulli_distribution trueFalse(0.4);
    std::vector<TSimQuestion> bank;
    for (int c = 0; c < int(ChapterSizes.size()); ++c)
        for (int k = 0; k < ChapterSizes[size_t(c)]; ++k)
            bank.push_back({.chapter = c + 1,
                            .difficulty = ChapterDifficulty[size_t(c)] + spread(rng),
                            .guess = trueFalse(rng) ? 0.5 : 0.25});
    return bank;
}

// What one learner knows of one question.
struct TMemory
{
    bool learnt = false;
    double stability = 0; // days
    int lastDay = 0;
};

enum class THabit
{
    InOrder,  // the bank in order, the error book after each session
    AtRandom, // random questions of the whole bank
    Review,   // what is due first, then new questions in order
};

// A learner with an ability, a daily load, a habit and a taste for mock exams, answering by
// the simulator's own model of memory.
class TSimLearner
{
public:
    TSimLearner(const std::vector<TSimQuestion>& bank, std::mt19937_64& rng)
        : bank(bank), rng(rng), memory(bank.size())
    {
        ability = std::normal_distribution<double>(0.5, 1.0)(rng);
        days = std::uniform_int_distribution<int>(7, 30)(rng);
        load =
            std::exp(std::uniform_real_distribution<double>(std::log(30.0), std::log(300.0))(rng));
        habit = THabit(std::uniform_int_distribution<int>(0, 2)(rng));
        mockTaste = std::uniform_real_distribution<double>(0.0, 0.8)(rng);
    }

    void Study()
    {
        for (day = 0; day < days; ++day) {
            const int today = int(std::uniform_real_distribution<double>(0.5, 1.5)(rng) * load);
            switch (habit) {
            case THabit::InOrder:
                InOrder(today);
                break;
            case THabit::AtRandom:
                for (int k = 0; k < today; ++k)
                    Answer(std::uniform_int_distribution<int>(0, int(bank.size()) - 1)(rng));
                break;
            case THabit::Review:
                ReviewThenNew(today);
                break;
            }
            if (day >= days / 3 && std::bernoulli_distribution(mockTaste)(rng))
                mocks.push_back(SitPaper(true));
        }
    }

    // The exam on the morning after the last day of study.
    bool SitExam()
    {
        day = days;
        return SitPaper(false) >= 90;
    }

    QDate ExamDay() const { return FirstDay.addDays(days); }
    const std::vector<TOutcome>& Record() const { return record; }
    const std::vector<int>& Mocks() const { return mocks; }

private:
    double Recall(int q) const
    {
        const TSimQuestion& s = bank[size_t(q)];
        const TMemory& m = memory[size_t(q)];
        const double known = 1 / (1 + std::exp(-(ability - s.difficulty - 1.0)));
        const double retained =
            m.learnt ? std::pow(1 + (day - m.lastDay) / (9 * m.stability), -1.0) : 0.0;
        const double knowledge = 1 - (1 - known) * (1 - retained);
        return 0.97 * (s.guess + (1 - s.guess) * knowledge);
    }

    bool Answer(int q, bool recorded = true)
    {
        const bool right = std::bernoulli_distribution(Recall(q))(rng);
        if (!recorded)
            return right;
        TMemory& m = memory[size_t(q)];
        const TSimQuestion& s = bank[size_t(q)];
        if (m.learnt) {
            const double retained = std::pow(1 + (day - m.lastDay) / (9 * m.stability), -1.0);
            if (right)
                m.stability *= (1.5 + 4 * (1 - retained)) * std::exp(0.2 * ability);
            else
                m.stability = std::max(0.5, 0.3 * m.stability);
        } else {
            // Seeing the right answer after an error teaches more than a lucky guess does.
            const double learns = 1 / (1 + std::exp(-(ability + 1.5 - 0.5 * s.difficulty)));
            if (std::bernoulli_distribution(right ? learns / 2 : learns)(rng)) {
                m.learnt = true;
                m.stability = std::exp(1.0 + 0.5 * ability - 0.4 * s.difficulty);
            }
        }
        m.lastDay = day;
        record.push_back({.qid = q + 1, .day = FirstDay.addDays(day), .correct = right});
        wrongLast[q] = !right;
        return right;
    }

    void InOrder(int count)
    {
        for (int k = 0; k < count * 4 / 5 && next < int(bank.size()); ++k)
            Answer(next++);
        std::vector<int> errors;
        for (const auto& [q, wrong] : wrongLast)
            if (wrong)
                errors.push_back(q);
        for (int q : errors)
            Answer(q);
        if (next >= int(bank.size()))
            next = 0;
    }

    void ReviewThenNew(int count)
    {
        std::map<int, TMastery> mastery;
        for (const TOutcome& o : record)
            ApplyAnswer(mastery[o.qid], o.day, o.correct);
        const std::vector<int> due = DueQuestions(mastery, FirstDay.addDays(day), count / 2);
        for (int qid : due)
            Answer(qid - 1);
        for (int k = int(due.size()); k < count && next < int(bank.size()); ++k)
            Answer(next++);
    }

    // A paper by chapter quota; a mock exam's answers enter the record, the real exam's do not.
    int SitPaper(bool mock)
    {
        static const std::array<int, 7> quotas{30, 20, 20, 10, 10, 5, 5};
        int first = 0;
        int score = 0;
        for (size_t c = 0; c < quotas.size(); ++c) {
            std::vector<int> chapter(size_t(ChapterSizes[c]));
            std::iota(chapter.begin(), chapter.end(), first);
            std::shuffle(chapter.begin(), chapter.end(), rng);
            for (int k = 0; k < quotas[c]; ++k)
                score += Answer(chapter[size_t(k)], mock) ? 1 : 0;
            first += ChapterSizes[c];
        }
        return score;
    }

    const std::vector<TSimQuestion>& bank;
    std::mt19937_64& rng;
    std::vector<TMemory> memory;
    std::map<int, bool> wrongLast;
    std::vector<TOutcome> record;
    std::vector<int> mocks;
    double ability = 0;
    int days = 0;
    double load = 0;
    THabit habit = THabit::InOrder;
    double mockTaste = 0;
    int day = 0;
    int next = 0;
};

// One way of predicting the exam, and what it predicted for each learner.
struct TPredictor
{
    const char* name;
    std::vector<std::pair<double, bool>> predictions; // predicted, passed
};

void PrintReliability(const TPredictor& p, bool& met, bool judged)
{
    double brier = 0;
    std::array<int, 10> count{};
    std::array<double, 10> predicted{};
    std::array<double, 10> passed{};
    for (const auto& [prob, pass] : p.predictions) {
        brier += (prob - (pass ? 1 : 0)) * (prob - (pass ? 1 : 0));
        const size_t decile = size_t(std::min(9, int(prob * 10)));
        ++count[decile];
        predicted[decile] += prob;
        passed[decile] += pass ? 1 : 0;
    }
    brier /= double(p.predictions.size());
    std::printf("\n%s: Brier score %.4f over %zu learners\n\n", p.name, brier,
                p.predictions.size());
    std::printf(
        "| predicted | learners | mean predicted | passed | gap |\n|---|---|---|---|---|\n");
    for (size_t d = 0; d < 10; ++d) {
        if (count[d] == 0)
            continue;
        const double mean = predicted[d] / count[d];
        const double observed = passed[d] / count[d];
        const bool close = std::abs(mean - observed) <= 0.10;
        if (judged && count[d] >= 30 && !close)
            met = false;
        std::printf("| %.1f-%.1f | %d | %.3f | %.3f | %+.3f%s |\n", d / 10.0, (d + 1) / 10.0,
                    count[d], mean, observed, observed - mean,
                    count[d] >= 30 && !close ? " (off)" : "");
    }
}

double Brier(const TPredictor& p)
{
    double sum = 0;
    for (const auto& [prob, pass] : p.predictions)
        sum += (prob - (pass ? 1 : 0)) * (prob - (pass ? 1 : 0));
    return sum / double(p.predictions.size());
}

} // namespace

int main(int argc, char* argv[])
{
    const int learners = argc > 1 ? std::atoi(argv[1]) : 5000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20260105;
    std::mt19937_64 rng(seed);
    const std::vector<TSimQuestion> sim = MakeBank(rng);
    std::vector<TEstimateQuestion> bank;
    for (size_t k = 0; k < sim.size(); ++k)
        bank.push_back(
            {.id = int(k) + 1, .chapter = sim[k].chapter, .stratum = sim[k].chapter - 1});

    TPredictor estimate{"预计通过率 (the estimate)", {}};
    TPredictor lastFive{"mean of the last five mock scores is 90 or more", {}};
    TPredictor firstTry{"overall first-try rate as a probability", {}};
    int withoutEstimate = 0;
    int passes = 0;
    for (int k = 0; k < learners; ++k) {
        TSimLearner learner(sim, rng);
        learner.Study();
        const std::optional<double> predicted = learning::EstimatePass(
            bank, learner.Record(), learner.ExamDay(), learning::Subject1Paper());
        const bool passed = learner.SitExam();
        passes += passed ? 1 : 0;
        if (predicted)
            estimate.predictions.emplace_back(*predicted, passed);
        else
            ++withoutEstimate;

        const std::vector<int>& mocks = learner.Mocks();
        const size_t recent = std::min<size_t>(5, mocks.size());
        double sum = 0;
        for (size_t m = mocks.size() - recent; m < mocks.size(); ++m)
            sum += mocks[m];
        lastFive.predictions.emplace_back(recent > 0 && sum / double(recent) >= 90 ? 1.0 : 0.0,
                                          passed);

        std::map<int, bool> first;
        for (const TOutcome& o : learner.Record())
            first.try_emplace(o.qid, o.correct);
        const double right = double(
            std::count_if(first.begin(), first.end(), [](const auto& e) { return e.second; }));
        firstTry.predictions.emplace_back(first.empty() ? 0.0 : right / double(first.size()),
                                          passed);
    }

    std::printf("%d simulated learners (seed %llu), %d passed the exam (%.1f%%); %d without an "
                "estimate (too short a record)\n",
                learners, seed, passes, 100.0 * passes / learners, withoutEstimate);
    bool met = true;
    PrintReliability(estimate, met, true);
    PrintReliability(lastFive, met, false);
    PrintReliability(firstTry, met, false);
    const double b = Brier(estimate);
    met = met && b <= 0.12 && b < Brier(lastFive) && b < Brier(firstTry);
    std::printf("\nTargets (Brier score at most 0.12 and below both baselines; every decile of "
                "30 learners or more within 0.10): %s\n",
                met ? "met" : "NOT met");
    return met ? 0 : 2;
}
