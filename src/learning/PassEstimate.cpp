#include "PassEstimate.h"

#include "Mastery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace learning {
namespace {

// Before any first try of the learner's, a question is as likely right as wrong.
constexpr double PriorRecall = 0.5;
// How many first tries a rate is worth beside the rate it is drawn towards.
constexpr double FirstTryWeight = 4;

double Logit(double p)
{
    p = std::clamp(p, 1e-4, 1 - 1e-4);
    return std::log(p / (1 - p));
}

double Logistic(double x)
{
    return 1 / (1 + std::exp(-x));
}

// Where a question stands after its last answer.
struct TQuestionState
{
    TMastery mastery;
    bool lastCorrect = false;
    bool answered = false;
    int wrongs = 0; // a question often got wrong is a hard one for this learner
};

// What a repeated answer is judged by: the question's Leitner box and the days since its last
// answer before this one (and the two together, since a higher box forgets more slowly), whether
// that answer was right, how often the question went wrong, and how its chapter fares at first
// try.
constexpr int FeatureCount = 7;
using TFeatures = std::array<double, FeatureCount>;

TFeatures Features(const TQuestionState& s, qint64 gap, double chapterLogit)
{
    const double box = s.mastery.box;
    const double away = std::log1p(double(std::max<qint64>(gap, 0)));
    return {1.0,       box, away, s.lastCorrect ? 1.0 : 0.0, chapterLogit, std::log1p(s.wrongs),
            box * away};
}

// Repeated answers that share their features, counted together: the fit then runs over far
// fewer cells than the record has answers.
struct TCell
{
    TFeatures x{};
    double answers = 0;
    double right = 0;
};

// The learner's own logistic model of a repeated answer, fitted by Newton's method with a
// Gaussian prior on every weight: it learns how fast this learner forgets and how much a box is
// worth, and stays near even odds while the record is short. Time away never helps recall: when
// the record alone would say so (a learner whose long gaps happen to fall on easy questions), the
// weight of the gap is held at nought, the best fit under that bound.
class TRecallFit
{
public:
    explicit TRecallFit(const std::vector<TCell>& cells)
    {
        Fit(cells, {true, true, true, true, true, true, true});
        if (w[GapFeature] > 0) {
            w = {};
            Fit(cells, {true, true, false, true, true, true, true});
        }
    }

    double Predict(const TFeatures& x) const
    {
        return Logistic(std::inner_product(x.begin(), x.end(), w.begin(), 0.0));
    }

private:
    static constexpr int GapFeature = 2;

    void Fit(const std::vector<TCell>& cells, const std::array<bool, FeatureCount>& free)
    {
        constexpr double PriorPrecision = 1.0;
        constexpr int Steps = 25;
        for (int step = 0; step < Steps; ++step) {
            std::array<double, FeatureCount> gradient{};
            std::array<std::array<double, FeatureCount>, FeatureCount> hessian{};
            for (int i = 0; i < FeatureCount; ++i) {
                gradient[i] = -PriorPrecision * w[i];
                hessian[i][i] = PriorPrecision;
            }
            for (const TCell& c : cells) {
                const double p = Predict(c.x);
                const double weight = c.answers * p * (1 - p);
                for (int i = 0; i < FeatureCount; ++i) {
                    if (!free[i])
                        continue;
                    gradient[i] += (c.right - c.answers * p) * c.x[i];
                    for (int j = 0; j < FeatureCount; ++j)
                        if (free[j])
                            hessian[i][j] += weight * c.x[i] * c.x[j];
                }
            }
            const std::array<double, FeatureCount> move = Solve(hessian, gradient);
            double size = 0;
            for (int i = 0; i < FeatureCount; ++i) {
                w[i] += move[i];
                size = std::max(size, std::abs(move[i]));
            }
            if (size < 1e-9)
                break;
        }
    }

    // Gaussian elimination; the prior keeps the matrix positive definite.
    static std::array<double, FeatureCount>
    Solve(std::array<std::array<double, FeatureCount>, FeatureCount> a,
          std::array<double, FeatureCount> b)
    {
        for (int k = 0; k < FeatureCount; ++k) {
            for (int i = k + 1; i < FeatureCount; ++i) {
                const double f = a[i][k] / a[k][k];
                for (int j = k; j < FeatureCount; ++j)
                    a[i][j] -= f * a[k][j];
                b[i] -= f * b[k];
            }
        }
        std::array<double, FeatureCount> x{};
        for (int i = FeatureCount - 1; i >= 0; --i) {
            double s = b[i];
            for (int j = i + 1; j < FeatureCount; ++j)
                s -= a[i][j] * x[j];
            x[i] = s / a[i][i];
        }
        return x;
    }

    std::array<double, FeatureCount> w{};
};

// log n! for n up to the size of the largest stratum.
std::vector<double> LogFactorials(size_t n)
{
    std::vector<double> f(n + 1, 0.0);
    for (size_t k = 1; k <= n; ++k)
        f[k] = f[k - 1] + std::log(double(k));
    return f;
}

// The distribution of right answers among `drawn` questions taken at random from the stratum.
std::vector<double> StratumScores(const std::vector<double>& recall, int drawn,
                                  const std::vector<double>& logFactorial)
{
    // Poisson-binomial: right answers among all of the stratum's questions.
    const int n = static_cast<int>(recall.size());
    std::vector<double> all(size_t(n) + 1, 0.0);
    all[0] = 1;
    for (int k = 0; k < n; ++k) {
        const double p = recall[size_t(k)];
        for (int j = k + 1; j > 0; --j)
            all[size_t(j)] = all[size_t(j)] * (1 - p) + all[size_t(j) - 1] * p;
        all[0] *= 1 - p;
    }
    // Hypergeometric: of K right among n, s fall among the drawn.
    const auto logChoose = [&](int a, int b) {
        return logFactorial[size_t(a)] - logFactorial[size_t(b)] - logFactorial[size_t(a - b)];
    };
    std::vector<double> drawnScores(size_t(drawn) + 1, 0.0);
    const double logAll = logChoose(n, drawn);
    for (int K = 0; K <= n; ++K) {
        if (all[size_t(K)] == 0)
            continue;
        for (int s = std::max(0, drawn - (n - K)); s <= std::min(drawn, K); ++s)
            drawnScores[size_t(s)] +=
                all[size_t(K)] * std::exp(logChoose(K, s) + logChoose(n - K, drawn - s) - logAll);
    }
    return drawnScores;
}

} // namespace

TPaperComposition Subject1Paper()
{
    return {.quotas = {30, 20, 20, 10, 10, 5, 5}, .pointsEach = 1, .passMark = 90};
}

TPaperComposition Subject4Paper()
{
    return {.quotas = {20, 20, 10}, .pointsEach = 2, .passMark = 90};
}

std::vector<double> RecallEstimates(const std::vector<TEstimateQuestion>& bank,
                                    const std::vector<TOutcome>& record, QDate today)
{
    // The record's answers by the bank's place of their question; answers to a question the bank
    // no longer holds are left out.
    std::unordered_map<int, size_t> placeOf;
    placeOf.reserve(bank.size());
    for (size_t k = 0; k < bank.size(); ++k)
        placeOf.emplace(bank[k].id, k);
    std::vector<std::pair<size_t, const TOutcome*>> answers;
    answers.reserve(record.size());
    for (const TOutcome& o : record)
        if (const auto found = placeOf.find(o.qid); found != placeOf.end())
            answers.emplace_back(found->second, &o);

    // First pass: every question's first try, by chapter.
    std::unordered_map<int, std::pair<double, double>> firstTries; // chapter -> (tries, right)
    std::vector<char> tried(bank.size(), 0);
    double tries = 0;
    double right = 0;
    for (const auto& [place, o] : answers) {
        if (tried[place])
            continue;
        tried[place] = 1;
        auto& [chapterTries, chapterRight] = firstTries[bank[place].chapter];
        ++chapterTries;
        chapterRight += o->correct ? 1 : 0;
        ++tries;
        right += o->correct ? 1 : 0;
    }
    const double overall = (right + FirstTryWeight * PriorRecall) / (tries + FirstTryWeight);
    std::unordered_map<int, double> chapterLogit;
    for (const auto& [chapter, counts] : firstTries)
        chapterLogit[chapter] =
            Logit((counts.second + FirstTryWeight * overall) / (counts.first + FirstTryWeight));
    const auto logitOf = [&](int chapter) {
        const auto found = chapterLogit.find(chapter);
        return found == chapterLogit.end() ? Logit(overall) : found->second;
    };

    // Second pass: every repeated answer, by the state its question was in. A cell's key holds
    // all that its features are made of.
    std::unordered_map<quint64, TCell> cells;
    std::vector<TQuestionState> states(bank.size());
    for (const auto& [place, o] : answers) {
        TQuestionState& s = states[place];
        if (s.answered) {
            const qint64 gap = std::clamp<qint64>(s.mastery.lastAnswer.daysTo(o->day), 0, 1 << 20);
            const quint64 key =
                ((((quint64(gap) * 2 + (s.lastCorrect ? 1 : 0)) * 8 + quint64(s.mastery.box)) *
                      65536 +
                  quint64(std::min(s.wrongs, 65535))) *
                     65536 +
                 quint64(bank[place].chapter & 0xffff));
            TCell& c = cells[key];
            if (c.answers == 0)
                c.x = Features(s, gap, logitOf(bank[place].chapter));
            ++c.answers;
            c.right += o->correct ? 1 : 0;
        }
        ApplyAnswer(s.mastery, o->day, o->correct);
        s.lastCorrect = o->correct;
        s.wrongs += o->correct ? 0 : 1;
        s.answered = true;
    }
    std::vector<TCell> fitted;
    fitted.reserve(cells.size());
    for (const auto& [key, cell] : cells)
        fitted.push_back(cell);
    // The fit's sums must not depend on the hash table's order, or the figure would.
    std::sort(fitted.begin(), fitted.end(), [](const TCell& a, const TCell& b) {
        return std::tie(a.x, a.answers, a.right) < std::tie(b.x, b.answers, b.right);
    });
    const TRecallFit fit(fitted);

    std::vector<double> recall;
    recall.reserve(bank.size());
    for (size_t k = 0; k < bank.size(); ++k) {
        const TQuestionState& s = states[k];
        recall.push_back(s.answered ? fit.Predict(Features(s, s.mastery.lastAnswer.daysTo(today),
                                                           logitOf(bank[k].chapter)))
                                    : Logistic(logitOf(bank[k].chapter)));
    }
    return recall;
}

double PassProbability(const std::vector<TEstimateQuestion>& bank,
                       const std::vector<double>& recall, const TPaperComposition& paper)
{
    std::vector<std::vector<double>> strata(paper.quotas.size());
    for (size_t k = 0; k < bank.size(); ++k) {
        const int stratum = bank[k].stratum;
        if (stratum >= 0 && stratum < int(strata.size()))
            strata[size_t(stratum)].push_back(recall[k]);
    }
    size_t largest = 0;
    for (const auto& s : strata)
        largest = std::max(largest, s.size());
    const std::vector<double> logFactorial = LogFactorials(largest);

    std::vector<double> paperScores{1.0}; // right answers on the paper so far
    for (size_t k = 0; k < strata.size(); ++k) {
        const int drawn = std::min(paper.quotas[k], int(strata[k].size()));
        const std::vector<double> stratum = StratumScores(strata[k], drawn, logFactorial);
        std::vector<double> sum(paperScores.size() + stratum.size() - 1, 0.0);
        for (size_t a = 0; a < paperScores.size(); ++a)
            for (size_t b = 0; b < stratum.size(); ++b)
                sum[a + b] += paperScores[a] * stratum[b];
        paperScores = std::move(sum);
    }
    double pass = 0;
    for (size_t right = 0; right < paperScores.size(); ++right)
        if (int(right) * paper.pointsEach >= paper.passMark)
            pass += paperScores[right];
    return std::clamp(pass, 0.0, 1.0);
}

std::optional<double> EstimatePass(const std::vector<TEstimateQuestion>& bank,
                                   const std::vector<TOutcome>& record, QDate today,
                                   const TPaperComposition& paper)
{
    if (bank.empty() || record.size() * 10 < bank.size())
        return std::nullopt;
    return PassProbability(bank, RecallEstimates(bank, record, today), paper);
}

QString EstimateLine(std::optional<double> estimate)
{
    if (!estimate)
        return QStringLiteral("练习记录还不够，暂不预计通过率");
    return QStringLiteral("预计通过率：%1%").arg(qRound(*estimate * 100));
}

QString EstimateMeaning(const TPaperComposition& paper)
{
    const int questions = std::accumulate(paper.quotas.begin(), paper.quotas.end(), 0);
    return QStringLiteral("即按你的答题记录，今天抽一套%1题的模拟考试，得%2分以上的可能性")
        .arg(questions)
        .arg(paper.passMark);
}

} // namespace learning
