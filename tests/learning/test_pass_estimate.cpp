#include "PassEstimate.h"

#include <QTest>
#include <functional>

using learning::TEstimateQuestion;
using learning::TOutcome;
using learning::TPaperComposition;

Q_DECLARE_METATYPE(TPaperComposition)

namespace {

const QDate Today(2026, 6, 1);

// The full bank's chapters; stratum = chapter - 1 as the 科目一 paper draws them.
std::vector<TEstimateQuestion> Subject1Bank()
{
    const int sizes[] = {360, 229, 237, 100, 142, 60, 49};
    std::vector<TEstimateQuestion> bank;
    for (int c = 1; c <= 7; ++c)
        for (int k = 0; k < sizes[c - 1]; ++k)
            bank.push_back({.id = int(bank.size()) + 1, .chapter = c, .stratum = c - 1});
    return bank;
}

// A 科目四-like bank: 300 true/false, 300 choice, 100 multiple choice.
std::vector<TEstimateQuestion> Subject4Bank()
{
    std::vector<TEstimateQuestion> bank;
    for (int type = 0; type < 3; ++type)
        for (int k = 0; k < (type == 2 ? 100 : 300); ++k)
            bank.push_back(
                {.id = int(bank.size()) + 1, .chapter = 1 + int(bank.size()) % 7, .stratum = type});
    return bank;
}

// A stratum of `size` questions for a one-stratum paper.
std::vector<TEstimateQuestion> OneStratum(int size)
{
    std::vector<TEstimateQuestion> bank;
    for (int k = 0; k < size; ++k)
        bank.push_back({.id = k + 1, .chapter = 1, .stratum = 0});
    return bank;
}

// Every question of the bank answered on each of the days before Today, right when `right`
// says so for its chapter.
std::vector<TOutcome> Answered(const std::vector<TEstimateQuestion>& bank,
                               std::initializer_list<int> daysBefore,
                               const std::function<bool(int chapter)>& right)
{
    std::vector<TOutcome> record;
    for (const int before : daysBefore)
        for (const TEstimateQuestion& q : bank)
            record.push_back(
                {.qid = q.id, .day = Today.addDays(-before), .correct = right(q.chapter)});
    return record;
}

std::vector<double> Recalls(size_t count, double head, size_t headCount, double rest)
{
    std::vector<double> recall(count, rest);
    std::fill(recall.begin(), recall.begin() + qsizetype(headCount), head);
    return recall;
}

} // namespace

class TestPassEstimate : public QObject
{
    Q_OBJECT

private slots:
    // The paper's score distribution against figures worked out by hand: equal recalls give the
    // binomial whatever the strata, and a stratum half known gives the hypergeometric.
    void passProbabilityIsExact_data()
    {
        QTest::addColumn<TPaperComposition>("paper");
        QTest::addColumn<std::vector<TEstimateQuestion>>("bank");
        QTest::addColumn<std::vector<double>>("recall");
        QTest::addColumn<double>("expected");

        const auto s1 = Subject1Bank();
        const auto s4 = Subject4Bank();
        const TPaperComposition subject1 = learning::Subject1Paper();
        const TPaperComposition subject4 = learning::Subject4Paper();
        QTest::newRow("科目一, every recall 0.9: Binomial(100, 0.9) >= 90")
            << subject1 << s1 << std::vector<double>(s1.size(), 0.9) << 0.5831555122664922;
        QTest::newRow("科目四, every recall 0.9: Binomial(50, 0.9) >= 45")
            << subject4 << s4 << std::vector<double>(s4.size(), 0.9) << 0.616123007724277;
        QTest::newRow("科目一, all known")
            << subject1 << s1 << std::vector<double>(s1.size(), 1.0) << 1.0;
        QTest::newRow("科目一, nothing known")
            << subject1 << s1 << std::vector<double>(s1.size(), 0.0) << 0.0;
        const TPaperComposition fiveOfTen{.quotas = {5}, .pointsEach = 1, .passMark = 3};
        QTest::newRow("five of ten, half known, 3 to pass")
            << fiveOfTen << OneStratum(10) << Recalls(10, 1.0, 5, 0.0) << 126.0 / 252;
        QTest::newRow("five of ten, half known, 4 to pass")
            << TPaperComposition{.quotas = {5}, .pointsEach = 1, .passMark = 4} << OneStratum(10)
            << Recalls(10, 1.0, 5, 0.0) << 26.0 / 252;
        QTest::newRow("two points each: 2 right of 5 make 4")
            << TPaperComposition{.quotas = {5}, .pointsEach = 2, .passMark = 4} << OneStratum(10)
            << Recalls(10, 1.0, 5, 0.0) << 226.0 / 252;
        QTest::newRow("a short stratum gives all it has")
            << TPaperComposition{.quotas = {5}, .pointsEach = 1, .passMark = 3} << OneStratum(3)
            << std::vector<double>(3, 1.0) << 1.0;
        QTest::newRow("a short stratum cannot make up the rest")
            << TPaperComposition{.quotas = {5}, .pointsEach = 1, .passMark = 4} << OneStratum(3)
            << std::vector<double>(3, 1.0) << 0.0;
    }

    void passProbabilityIsExact()
    {
        QFETCH(TPaperComposition, paper);
        QFETCH(std::vector<TEstimateQuestion>, bank);
        QFETCH(std::vector<double>, recall);
        QFETCH(double, expected);
        QVERIFY2(
            std::abs(learning::PassProbability(bank, recall, paper) - expected) < 1e-9,
            qPrintable(QString::number(learning::PassProbability(bank, recall, paper), 'g', 12)));
    }

    // The estimate from a whole record, at its edges: the figure must follow what the learner
    // knows, and the chapter worth 30 points must weigh more than the one worth 5.
    void estimateFollowsTheRecord_data()
    {
        QTest::addColumn<std::vector<TOutcome>>("record");
        QTest::addColumn<double>("atLeast");
        QTest::addColumn<double>("atMost");

        const auto bank = Subject1Bank();
        const auto always = [](int) { return true; };
        QTest::newRow("every question known")
            << Answered(bank, {20, 12, 5, 1}, always) << 0.95 << 1.0;
        QTest::newRow("every question unknown")
            << Answered(bank, {3, 1}, [](int) { return false; }) << 0.0 << 0.01;
        QTest::newRow("chapter 1 weak")
            << Answered(bank, {20, 12, 5, 1}, [](int c) { return c != 1; }) << 0.0 << 0.01;
        QTest::newRow("chapter 7 weak, 5 of 100 points")
            << Answered(bank, {20, 12, 5, 1}, [](int c) { return c != 7; }) << 0.5 << 1.0;
    }

    void estimateFollowsTheRecord()
    {
        QFETCH(std::vector<TOutcome>, record);
        QFETCH(double, atLeast);
        QFETCH(double, atMost);
        const std::optional<double> estimate =
            learning::EstimatePass(Subject1Bank(), record, Today, learning::Subject1Paper());
        QVERIFY(estimate);
        QVERIFY2(*estimate >= atLeast && *estimate <= atMost,
                 qPrintable(QString::number(*estimate)));
    }

    // Below a tenth of the bank in answers there is no figure, only the line that says so.
    void tooShortARecordGivesNoFigure_data()
    {
        QTest::addColumn<int>("answers");
        QTest::addColumn<bool>("estimated");
        QTest::newRow("no record") << 0 << false;
        QTest::newRow("one short of a tenth") << 117 << false;
        QTest::newRow("a tenth of 1177") << 118 << true;
    }

    void tooShortARecordGivesNoFigure()
    {
        QFETCH(int, answers);
        QFETCH(bool, estimated);
        std::vector<TOutcome> record;
        for (int k = 0; k < answers; ++k)
            record.push_back({.qid = k + 1, .day = Today.addDays(-1), .correct = true});
        const std::optional<double> estimate =
            learning::EstimatePass(Subject1Bank(), record, Today, learning::Subject1Paper());
        QCOMPARE(bool(estimate), estimated);
        if (!estimated)
            QCOMPARE(learning::EstimateLine(estimate),
                     QStringLiteral("练习记录还不够，暂不预计通过率"));
    }

    // A question never answered takes its chapter's first-try rate; a chapter without first
    // tries takes the learner's overall rate.
    void neverAnsweredTakesItsChaptersFirstTries()
    {
        auto bank = Subject1Bank();
        std::vector<TOutcome> record;
        // Chapter 1: 90 of 100 right at first try; chapter 2: 10 of 100.
        for (int k = 0; k < 100; ++k) {
            record.push_back({.qid = 1 + k, .day = Today.addDays(-2), .correct = k < 90});
            record.push_back({.qid = 361 + k, .day = Today.addDays(-2), .correct = k < 10});
        }
        const std::vector<double> recall = learning::RecallEstimates(bank, record, Today);
        QVERIFY2(recall[200] > 0.8 && recall[200] <= 0.9, qPrintable(QString::number(recall[200])));
        QVERIFY2(recall[500] < 0.2 && recall[500] >= 0.1, qPrintable(QString::number(recall[500])));
        QVERIFY(std::abs(recall[1000] - 0.5) < 0.02); // chapter 5: the overall 100 of 200
    }

    // What was learnt fades: for a learner who got right after a day what they got wrong after
    // ten, a question answered right fares worse ten days on than the day after.
    void forgettingLowersTheFigure()
    {
        const auto bank = Subject1Bank();
        std::vector<TOutcome> record = Answered(bank, {12}, [](int) { return true; });
        for (const TEstimateQuestion& q : bank)
            record.push_back(
                {.qid = q.id, .day = Today.addDays(q.id % 2 ? -11 : -2), .correct = q.id % 2 == 1});
        // Question 1 was last answered, right, eleven days before Today.
        const std::vector<double> soon =
            learning::RecallEstimates(bank, record, Today.addDays(-10));
        const std::vector<double> later = learning::RecallEstimates(bank, record, Today);
        QVERIFY2(later[0] < soon[0] - 0.05,
                 qPrintable(QStringLiteral("%1 %2").arg(soon[0]).arg(later[0])));
    }

    // No draw at random anywhere: the same record always gives the same figure.
    void theSameRecordGivesTheSameFigure()
    {
        const auto bank = Subject1Bank();
        std::vector<TOutcome> record;
        for (int k = 0; k < 3000; ++k)
            record.push_back({.qid = 1 + (k * 37) % 1177,
                              .day = Today.addDays(-(k % 13)),
                              .correct = (k * 7) % 10 < 8});
        const auto first = learning::EstimatePass(bank, record, Today, learning::Subject1Paper());
        const auto second = learning::EstimatePass(bank, record, Today, learning::Subject1Paper());
        QVERIFY(first && second);
        QCOMPARE(*first, *second);
    }

    void theLineGivesWholePercent()
    {
        QCOMPARE(learning::EstimateLine(0.834), QStringLiteral("预计通过率：83%"));
        QCOMPARE(learning::EstimateLine(1.0), QStringLiteral("预计通过率：100%"));
    }
};

QTEST_GUILESS_MAIN(TestPassEstimate)
#include "test_pass_estimate.moc"
