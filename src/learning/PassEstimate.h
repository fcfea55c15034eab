#pragma once

#include "StudyData.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The pass estimate (预计通过率): how likely a paper drawn as the subject's mock exam is drawn
// today scores the pass mark or more, given the answer record. It is given dates and never reads
// the clock, and it draws nothing at random, so the same record always gives the same figure.
namespace learning {

// How a subject's mock exam is put together: so many questions drawn at random from each
// stratum (a chapter, or a question type), each worth the same points.
struct TPaperComposition
{
    std::vector<int> quotas; // questions drawn from stratum 0, 1, ...
    int pointsEach = 1;
    int passMark = 90;
};

// 科目一: 100 questions by chapter quota, 1 point each. Stratum = chapter - 1.
TPaperComposition Subject1Paper();
// 科目四: 20 true/false, 20 choice, 10 multiple choice, 2 points each. Stratum = that order.
TPaperComposition Subject4Paper();

// A question of the bank as the estimate sees it.
struct TEstimateQuestion
{
    int id = 0;
    int chapter = 0; // whose first-try rate stands in for a question never answered
    int stratum = 0; // its place in the paper's composition
};

using TOutcome = TAnswerOutcome;

// The chance of a right answer today for each question of the bank, in the bank's order.
std::vector<double> RecallEstimates(const std::vector<TEstimateQuestion>& bank,
                                    const std::vector<TOutcome>& record, QDate today);

// The probability that a paper of the composition scores the pass mark or more when each
// question is answered right with its recall, independently. Exact: within a stratum, the number
// of right answers among all of its questions is Poisson-binomial, and the paper's share of them
// is then hypergeometric; the strata add up by convolution. A stratum short of its quota gives
// all it has.
double PassProbability(const std::vector<TEstimateQuestion>& bank,
                       const std::vector<double>& recall, const TPaperComposition& paper);

// The estimate, or nothing while the record holds fewer answers than a tenth of the bank.
std::optional<double> EstimatePass(const std::vector<TEstimateQuestion>& bank,
                                   const std::vector<TOutcome>& record, QDate today,
                                   const TPaperComposition& paper);

// "预计通过率：%d%%", or "练习记录还不够，暂不预计通过率".
QString EstimateLine(std::optional<double> estimate);
// What the figure means, in one line.
QString EstimateMeaning(const TPaperComposition& paper);

} // namespace learning
