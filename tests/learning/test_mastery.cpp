#include "Mastery.h"

#include <QTest>

namespace {

const QDate Day0(2026, 3, 1);

// "+0 R, +0 W, +2 R": answers on days after Day0, R right and W wrong.
std::vector<TAnswerRow> Answers(int qid, const QString& script)
{
    std::vector<TAnswerRow> log;
    for (const QString& step : script.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = step.trimmed().split(QLatin1Char(' '));
        const QDate day = Day0.addDays(parts[0].toInt());
        log.push_back({.qid = qid,
                       .answeredAt = day.toString(Qt::ISODate) + QStringLiteral(" 09:30:00"),
                       .answer = QStringLiteral("A"),
                       .correct = parts[1] == QLatin1String("R")});
    }
    return log;
}

} // namespace

class TestMastery : public QObject
{
    Q_OBJECT

private slots:
    void replaysTheRule_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("dueDay"); // days after Day0
        QTest::addColumn<int>("state");

        const int learning = int(TMasteryState::Learning);
        const int mastered = int(TMasteryState::Mastered);
        QTest::newRow("one wrong") << "+0 W" << 0 << 0 << learning;
        QTest::newRow("one right") << "+0 R" << 1 << 1 << learning;
        QTest::newRow("two rights on one day") << "+0 R, +0 R" << 1 << 1 << learning;
        QTest::newRow("right again the next day") << "+0 R, +1 R" << 2 << 3 << learning;
        QTest::newRow("box 3") << "+0 R, +1 R, +3 R" << 3 << 7 << mastered;
        QTest::newRow("box 4") << "+0 R, +1 R, +3 R, +7 R" << 4 << 15 << mastered;
        QTest::newRow("box 5") << "+0 R, +1 R, +3 R, +7 R, +15 R" << 5 << 31 << mastered;
        QTest::newRow("box 5 is the top")
            << "+0 R, +1 R, +3 R, +7 R, +15 R, +31 R" << 5 << 47 << mastered;
        QTest::newRow("wrong after box 4")
            << "+0 R, +1 R, +3 R, +7 R, +15 W" << 0 << 15 << learning;
        QTest::newRow("right after the fall, same day")
            << "+0 R, +1 R, +3 R, +7 R, +15 W, +15 R" << 1 << 16 << learning;
        QTest::newRow("moved up, wrong, right the same day")
            << "+0 R, +0 W, +0 R" << 0 << 0 << learning;
        QTest::newRow("right before its day still counts")
            << "+0 R, +1 R, +2 R" << 3 << 6 << mastered;
        QTest::newRow("a second right that day only sets the date")
            << "+0 R, +1 R, +2 R, +2 R" << 3 << 6 << mastered;
    }

    void replaysTheRule()
    {
        QFETCH(QString, answers);
        QFETCH(int, box);
        QFETCH(int, dueDay);
        QFETCH(int, state);
        const std::map<int, TMastery> all = DeriveMastery(Answers(7, answers));
        QCOMPARE(all.size(), size_t(1));
        const TMastery& m = all.at(7);
        QCOMPARE(m.box, box);
        QCOMPARE(DueDate(m), Day0.addDays(dueDay));
        QCOMPARE(int(StateOf(&m)), state);
    }

    void neverAnsweredIsUnpractised()
    {
        QCOMPARE(StateOf(nullptr), TMasteryState::Unpractised);
        QVERIFY(DeriveMastery({}).empty());
    }

    void isDueFromItsDateOn_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("today"); // days after the last answer
        QTest::addColumn<bool>("due");
        const int interval[TopBox + 1] = {0, 1, 2, 4, 8, 16};
        for (int box = 0; box <= TopBox; ++box) {
            const QByteArray name = "box " + QByteArray::number(box);
            if (interval[box] > 0)
                QTest::newRow(name + " the day before") << box << interval[box] - 1 << false;
            QTest::newRow(name + " on the day") << box << interval[box] << true;
            QTest::newRow(name + " a day late") << box << interval[box] + 1 << true;
        }
        QTest::newRow("box 0 before it was answered") << 0 << -1 << false;
    }

    void isDueFromItsDateOn()
    {
        QFETCH(int, box);
        QFETCH(int, today);
        QFETCH(bool, due);
        const TMastery m{.box = box, .lastAnswer = Day0, .lastMoveUp = Day0};
        QCOMPARE(IsDue(m, Day0.addDays(today)), due);
        QCOMPARE(CountDue({{1, m}}, Day0.addDays(today)), due ? 1 : 0);
    }

    void appliesAcrossMonthAndYearEnds()
    {
        TMastery m;
        ApplyAnswer(m, QDate(2025, 12, 31), true);
        ApplyAnswer(m, QDate(2026, 1, 1), true);
        QCOMPARE(m.box, 2);
        QCOMPARE(DueDate(m), QDate(2026, 1, 3));
        ApplyAnswer(m, QDate(2024, 2, 28), true); // a clock set back still moves up once
        QCOMPARE(m.box, 3);
        QCOMPARE(DueDate(m), QDate(2024, 3, 3));
    }

    void dueQuestionsComeMostOverdueFirst_data()
    {
        QTest::addColumn<int>("cap");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("all") << 100 << QList<int>{2, 5, 4, 1, 3};
        QTest::newRow("capped") << 3 << QList<int>{2, 5, 4};
        QTest::newRow("nothing") << 0 << QList<int>{};
    }

    void dueQuestionsComeMostOverdueFirst()
    {
        QFETCH(int, cap);
        QFETCH(QList<int>, expected);
        const QDate today = Day0.addDays(40);
        std::map<int, TMastery> all{
            {1, {.box = 0, .lastAnswer = today}},             // due today
            {2, {.box = 2, .lastAnswer = Day0.addDays(10)}},  // due day 12
            {3, {.box = 1, .lastAnswer = today.addDays(-1)}}, // due today
            {4, {.box = 5, .lastAnswer = Day0}},              // due day 16
            {5, {.box = 0, .lastAnswer = Day0.addDays(12)}},  // due day 12, id after 2
            {6, {.box = 3, .lastAnswer = today.addDays(-3)}}, // due tomorrow
            {7, {.box = 5, .lastAnswer = today}},             // due in 16 days
        };
        const std::vector<int> due = DueQuestions(all, today, cap);
        QCOMPARE(QList<int>(due.begin(), due.end()), expected);
        QCOMPARE(CountDue(all, today), 5);
    }
};

QTEST_APPLESS_MAIN(TestMastery)
#include "test_mastery.moc"
