#include "ExamPlan.h"
#include "Mastery.h"

#include <QTest>

namespace {

const QDate Today(2026, 6, 1);

} // namespace

class TestExamPlan : public QObject
{
    Q_OBJECT

private slots:
    // The plan on the edge days: on the last three days every question not yet seen is for today.
    void planLine_data()
    {
        QTest::addColumn<QDate>("exam");
        QTest::addColumn<QString>("line");

        QTest::newRow("no date") << QDate() << QString();
        QTest::newRow("past") << Today.addDays(-1) << QString();
        QTest::newRow("d = 0") << Today << QStringLiteral("今天考试，祝你顺利！");
        QTest::newRow("d = 1") << Today.addDays(1)
                               << QStringLiteral("距考试还有1天：今天巩固7题，新学100题");
        QTest::newRow("d = 2") << Today.addDays(2)
                               << QStringLiteral("距考试还有2天：今天巩固7题，新学100题");
        QTest::newRow("d = 3") << Today.addDays(3)
                               << QStringLiteral("距考试还有3天：今天巩固7题，新学100题");
        QTest::newRow("d = 4") << Today.addDays(4)
                               << QStringLiteral("距考试还有4天：今天巩固7题，新学50题");
        QTest::newRow("d = 5, rounded up")
            << Today.addDays(5) << QStringLiteral("距考试还有5天：今天巩固7题，新学34题");
    }

    void planLine()
    {
        QFETCH(QDate, exam);
        QFETCH(QString, line);
        QCOMPARE(learning::PlanLine(Today, exam, 7, 100), line);
    }

    // Spacing shrinks as the test nears: no interval longer than a quarter of the days left.
    void intervalCap_data()
    {
        QTest::addColumn<QDate>("exam");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("dueIn"); // days after the last answer, which was today

        QTest::newRow("no date, box 5") << QDate() << 5 << 16;
        QTest::newRow("past, box 5") << Today.addDays(-3) << 5 << 16;
        QTest::newRow("d = 0, box 5") << Today << 5 << 1;
        QTest::newRow("d = 3, box 2") << Today.addDays(3) << 2 << 1;
        QTest::newRow("d = 8, box 5") << Today.addDays(8) << 5 << 2;
        QTest::newRow("d = 8, box 1 stays under the cap") << Today.addDays(8) << 1 << 1;
        QTest::newRow("d = 40, box 5") << Today.addDays(40) << 5 << 10;
        QTest::newRow("d = 64, box 5, cap above the box") << Today.addDays(64) << 5 << 16;
        QTest::newRow("box 0 is due at once") << Today.addDays(8) << 0 << 0;
    }

    void intervalCap()
    {
        QFETCH(QDate, exam);
        QFETCH(int, box);
        QFETCH(int, dueIn);
        const TMastery m{.box = box, .lastAnswer = Today, .lastMoveUp = Today};
        QCOMPARE(DueDate(m, IntervalCap(Today, exam)), Today.addDays(dueIn));
    }

    // The strip's count follows the date: a box-4 question last answered five days ago is not
    // due without a date and is due with the test four days ahead.
    void theDueCountFollowsTheDate()
    {
        const std::map<int, TMastery> all{
            {1,
             TMastery{.box = 4, .lastAnswer = Today.addDays(-5), .lastMoveUp = Today.addDays(-5)}}};
        QCOMPARE(CountDue(all, Today, IntervalCap(Today, QDate())), 0);
        QCOMPARE(CountDue(all, Today, IntervalCap(Today, Today.addDays(4))), 1);
        QCOMPARE(DueQuestions(all, Today, 100, IntervalCap(Today, Today.addDays(4))),
                 std::vector<int>{1});
    }
};

QTEST_GUILESS_MAIN(TestExamPlan)
#include "test_exam_plan.moc"
