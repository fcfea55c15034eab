#include "Db.h"
#include "Fixture.h"
#include "FrmChapter.h"
#include "FrmReport.h"
#include "Guard.h"
#include "StudyPlan.h"
#include "TestNotices.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

namespace {

const QDate Today(2026, 12, 10);

std::vector<TScorePoint> Scores(const QList<int>& values)
{
    std::vector<TScorePoint> scores;
    for (int k = 0; k < values.size(); ++k)
        scores.push_back({values[k], QStringLiteral("2026-11-%1 09:30:00").arg(k + 10)});
    return scores;
}

// Chapter c holds the ids 10c+1 to 10c+4; 11, 12 and 21 are in the error book.
std::vector<bank::TQuestion> ChapterBank()
{
    std::vector<bank::TQuestion> questions;
    for (int chapter = 1; chapter <= ChapterCount; ++chapter)
        for (int k = 1; k <= 4; ++k) {
            bank::TQuestion q = fixture::ChoiceQuestion(10 * chapter + k, chapter);
            q.iserror = q.id == 11 || q.id == 12 || q.id == 21 ? 1 : 0;
            questions.push_back(q);
        }
    return questions;
}

void Answer(int qid, const char* at, bool correct)
{
    db::InsertAnswer({.qid = qid,
                      .answeredAt = QString::fromLatin1(at),
                      .answer = correct ? QStringLiteral("A") : QStringLiteral("B"),
                      .correct = correct});
}

// A learner part-way through: 11 and 22 mastered, 12, 13, 21, 23 and 31 learning, 22 alone
// not due today; 999 is a question the rebuilt bank no longer holds.
void RecordAnswers()
{
    Answer(31, "2026-10-01 08:00:00", true);
    for (const char* day : {"2026-12-01", "2026-12-03", "2026-12-05"})
        Answer(11, (QByteArray(day) + " 20:00:00").constData(), true);
    for (const char* day : {"2026-12-06", "2026-12-07", "2026-12-08", "2026-12-09"})
        Answer(22, (QByteArray(day) + " 07:10:00").constData(), true);
    Answer(21, "2026-12-08 10:00:00", true);
    Answer(21, "2026-12-08 10:05:00", true);
    Answer(23, "2026-12-08 10:06:00", false);
    Answer(13, "2026-12-09 21:00:00", true);
    Answer(12, "2026-12-10 08:00:00", false);
    Answer(999, "2026-12-10 08:01:00", true);
}

template <typename T> QList<T*> SeriesOf(QChartView* view)
{
    QList<T*> found;
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* t = qobject_cast<T*>(s))
            found << t;
    return found;
}

QList<qreal> Values(const QBarSet* set)
{
    QList<qreal> values;
    for (int k = 0; k < set->count(); ++k)
        values << set->at(k);
    return values;
}

} // namespace

class TestStudyReport : public QObject
{
    Q_OBJECT

private slots:
    void readinessLine_data()
    {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("line");
        QTest::newRow("no exam") << QList<int>{} << "还没有模拟考试成绩";
        QTest::newRow("fewer than five")
            << QList<int>{95, 80, 90} << "共模拟考试3次，通过2次；最近3次通过2次，平均88.3分";
        QTest::newRow("more than five: the newest five")
            << QList<int>{100, 100, 60, 70, 95, 90, 85}
            << "共模拟考试7次，通过4次；最近5次通过2次，平均80.0分";
        QTest::newRow("89 fails") << QList<int>{89}
                                  << "共模拟考试1次，通过0次；最近1次通过0次，平均89.0分";
    }
    void readinessLine()
    {
        QFETCH(QList<int>, scores);
        QFETCH(QString, line);
        QCOMPARE(ReadinessLine(Scores(scores)), line);
    }

    void countsWhereTheLearnerStands()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        RecordAnswers();
        for (int score : {95, 80, 90})
            db::InsertScore(QStringLiteral("score,dateline"),
                            QStringLiteral("%1,'2026-12-0%2 15:00:00'").arg(score).arg(score % 9));
        const TStudyReport r = LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog()));

        QCOMPARE(r.total, 28);
        QCOMPARE(r.practised, 7);
        QCOMPARE(r.mastered, 2);
        QCOMPARE(r.errors, 3);
        QCOMPARE(r.due, 6);
        QCOMPARE(TotalsLine(r), "已练习7/28题，已掌握2题，错题本3题，今天该复习6题");

        QCOMPARE(r.chapters.size(), size_t(ChapterCount));
        for (int k = 0; k < ChapterCount; ++k)
            QCOMPARE(r.chapters[k].chapter, k + 1);
        const auto counts = [&](int chapter) {
            const TChapterProgress& c = r.chapters[chapter - 1];
            return QList<int>{c.mastered, c.learning, c.unpractised, c.errors};
        };
        QCOMPARE(counts(1), (QList<int>{1, 2, 1, 2}));
        QCOMPARE(counts(2), (QList<int>{1, 2, 1, 1}));
        QCOMPARE(counts(3), (QList<int>{0, 1, 3, 0}));
        QCOMPARE(counts(7), (QList<int>{0, 0, 4, 0}));

        QCOMPARE(r.days.size(), size_t(ReportDays));
        QCOMPARE(r.days.front().day, QDate(2026, 11, 11));
        QCOMPARE(r.days.back().day, Today);
        int answers = 0;
        for (const TAnswerDay& d : r.days)
            answers += d.answers;
        QCOMPARE(answers, 13); // all but the one of October
        const TAnswerDay& eighth = r.days[ReportDays - 3];
        QCOMPARE(eighth.day, QDate(2026, 12, 8));
        QCOMPARE(eighth.answers, 4);
        QCOMPARE(eighth.right, 3);
        QCOMPARE(RightPercent(eighth), 75);
        QCOMPARE(RightPercent(r.days.front()), 0);

        QCOMPARE(r.scores.size(), size_t(3));
        QCOMPARE(r.scores.back().score, 90);
    }

    void chartsShowTheFiguresAndSayThem()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        RecordAnswers();
        TStudyReport r = LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog()));
        r.scores = Scores({95, 80, 90});
        TFrmReport report(nullptr, r, [] {});

        QCOMPARE(report.windowTitle(), "学习报告");
        QCOMPARE(report.LblReadiness->text(), "共模拟考试3次，通过2次；最近3次通过2次，平均88.3分");
        QCOMPARE(report.LblTotals->text(), TotalsLine(r));

        // Scores: every exam in order, and the pass line across the whole chart.
        QLineSeries* scores = nullptr;
        QLineSeries* pass = nullptr;
        for (QLineSeries* s : SeriesOf<QLineSeries>(report.ChartScores))
            (s->name() == "成绩" ? scores : pass) = s;
        QVERIFY(scores && pass);
        QCOMPARE(scores->points(), (QList<QPointF>{{1, 95}, {2, 80}, {3, 90}}));
        QCOMPARE(pass->name(), "及格线 90分");
        QCOMPARE(pass->at(0).y(), 90.0);
        QCOMPARE(pass->at(1).y(), 90.0);
        QVERIFY(pass->at(1).x() > 3);
        QCOMPARE(report.ChartScores->accessibleDescription(),
                 "及格线90分。第1次 2026-11-10 09:30:00 95分；第2次 2026-11-11 09:30:00 80分；"
                 "第3次 2026-11-12 09:30:00 90分");

        // Days: a bar for each day, the share right only where there were answers.
        const QList<QBarSeries*> bars = SeriesOf<QBarSeries>(report.ChartDays);
        QCOMPARE(bars.size(), 1);
        const QList<qreal> perDay = Values(bars[0]->barSets().at(0));
        QCOMPARE(perDay.size(), ReportDays);
        QCOMPARE(perDay.mid(ReportDays - 10), (QList<qreal>{1, 0, 1, 0, 1, 1, 1, 4, 2, 2}));
        const QList<QLineSeries*> share = SeriesOf<QLineSeries>(report.ChartDays);
        QCOMPARE(share.size(), 1);
        QCOMPARE(SeriesOf<QScatterSeries>(report.ChartDays).at(0)->points(), share[0]->points());
        QCOMPARE(share[0]->points().size(), 8);
        QCOMPARE(share[0]->points().mid(5), (QList<QPointF>{{27, 75}, {28, 100}, {29, 50}}));
        QCOMPARE(report.ChartDays->accessibleDescription(), DaysText(r.days));
        QVERIFY(DaysText(r.days).endsWith("12月10日 答题2道，答对1道(50%)；其余22天没有答题"));

        // Chapters: the first chapter on top, named as in the chapter dialog.
        const QList<QHorizontalStackedBarSeries*> stacked =
            SeriesOf<QHorizontalStackedBarSeries>(report.ChartChapters);
        QCOMPARE(stacked.size(), 1);
        const QList<QBarSet*> sets = stacked[0]->barSets();
        QCOMPARE(sets.size(), 3);
        QCOMPARE(sets[0]->label(), "已掌握");
        QCOMPARE(sets[1]->label(), "学习中");
        QCOMPARE(sets[2]->label(), "未练习");
        QCOMPARE(Values(sets[0]), (QList<qreal>{0, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(Values(sets[1]), (QList<qreal>{0, 0, 0, 0, 1, 2, 2}));
        QCOMPARE(Values(sets[2]), (QList<qreal>{4, 4, 4, 4, 3, 1, 1}));
        auto* axis = qobject_cast<QBarCategoryAxis*>(
            report.ChartChapters->chart()->axes(Qt::Vertical).at(0));
        QVERIFY(axis);
        // The counts are the bank's own, not those of the full national bank.
        QCOMPARE(axis->categories().last(), "一.道路交通安全法律、法规和规章(4题) 错题2");
        QCOMPARE(axis->categories().first(),
                 "七.事故后的自救、急救，以及常见危险化学品等知识(4题) 错题0");
        QVERIFY(report.ChartChapters->accessibleDescription().startsWith(
            "一.道路交通安全法律、法规和规章(4题)：已掌握1道，学习中2道，未练习1道，错题本2道；"
            "二."));
    }

    // The answers axis and the share axis beside it tick at the same heights, both at round
    // figures; the bars carry their dates.
    void daysChartTicksRound_data()
    {
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("intervals");
        QTest::newRow("no answers") << 0 << 10 << 5;
        QTest::newRow("7") << 7 << 10 << 5;
        QTest::newRow("33") << 33 << 40 << 4;
        QTest::newRow("155") << 155 << 200 << 4;
        QTest::newRow("41") << 41 << 50 << 5;
        QTest::newRow("60") << 60 << 80 << 4;
        QTest::newRow("11") << 11 << 20 << 4;
    }
    void daysChartTicksRound()
    {
        QFETCH(int, most);
        QFETCH(int, top);
        QFETCH(int, intervals);
        TStudyReport r;
        r.today = Today;
        for (int k = 0; k < ReportDays; ++k)
            r.days.push_back({.day = Today.addDays(k + 1 - ReportDays)});
        r.days.back().answers = most;
        r.days.back().right = most / 2;
        TFrmReport report(nullptr, r, [] {});

        QValueAxis* count = nullptr;
        QValueAxis* share = nullptr;
        for (QAbstractAxis* a : report.ChartDays->chart()->axes(Qt::Vertical)) {
            auto* v = qobject_cast<QValueAxis*>(a);
            QVERIFY(v);
            (v->titleText() == "答题数" ? count : share) = v;
        }
        QVERIFY(count && share);
        QCOMPARE(count->max(), top);
        QCOMPARE(count->tickCount(), intervals + 1);
        QCOMPARE(share->max(), 100);
        QCOMPARE(share->tickCount(), intervals + 1);
        QCOMPARE(100 % intervals, 0);

        auto* days =
            qobject_cast<QCategoryAxis*>(report.ChartDays->chart()->axes(Qt::Horizontal).at(0));
        QVERIFY(days);
        QCOMPARE(days->count(), ReportDays / 2);
        QCOMPARE(days->titleText(), "11月11日至12月10日");
        QCOMPARE(days->categoriesLabels().first(), "12");
        QCOMPARE(days->categoriesLabels().at(9), "30");
        QCOMPARE(days->categoriesLabels().last(), "10");
        // One day of answers: its share is a visible point.
        const QList<QScatterSeries*> points = SeriesOf<QScatterSeries>(report.ChartDays);
        QCOMPARE(points.size(), 1);
        QCOMPARE(points[0]->count(), most > 0 ? 1 : 0);
    }

    // A February: the same day of the month comes twice in thirty days, and each is named.
    void daysChartNamesEveryBarInFebruary()
    {
        TStudyReport r;
        const QDate today(2027, 3, 3);
        for (int k = 0; k < ReportDays; ++k)
            r.days.push_back({.day = today.addDays(k + 1 - ReportDays)});
        TFrmReport report(nullptr, r, [] {});
        auto* days =
            qobject_cast<QCategoryAxis*>(report.ChartDays->chart()->axes(Qt::Horizontal).at(0));
        QCOMPARE(days->count(), ReportDays / 2);
        QCOMPARE(days->categoriesLabels().first(), "3");
        QCOMPARE(days->categoriesLabels().at(13), "3月");
        QCOMPARE(days->categoriesLabels().last(), QStringLiteral("3") + QChar(0x200B));
    }

    // Titles of the vertical axes read across, and an empty score chart says why it is empty.
    void axisTitlesUprightAndEmptyChartSaysSo()
    {
        TStudyReport r;
        r.today = Today;
        TFrmReport report(nullptr, r, [] {});
        const auto texts = [](QChartView* view) {
            QStringList found;
            for (QGraphicsItem* item : view->chart()->childItems())
                if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item))
                    found << text->text();
            return found;
        };
        QCOMPARE(texts(report.ChartScores), (QStringList{"分", "还没有模拟考试成绩"}));
        QCOMPARE(texts(report.ChartDays), (QStringList{"答题数", "正确率%"}));
        for (QChartView* view : {report.ChartScores, report.ChartDays})
            for (QAbstractAxis* axis : view->chart()->axes(Qt::Vertical))
                QVERIFY(!axis->isTitleVisible());

        r.scores = Scores({95});
        TFrmReport scored(nullptr, r, [] {});
        QCOMPARE(texts(scored.ChartScores), QStringList{"分"});
    }

    void reviewStartsAndCloses()
    {
        TStudyReport r;
        r.due = 3;
        int started = 0;
        TFrmReport report(nullptr, r, [&] { ++started; });
        QVERIFY(report.BtnReview->isEnabled());
        report.BtnReview->click();
        QCOMPARE(started, 1);
        QCOMPARE(report.result(), TFrmReport::ReviewResult);

        r.due = 0;
        TFrmReport idle(nullptr, r, [] {});
        QVERIFY(!idle.BtnReview->isEnabled());
    }

    void readsWithoutWriting()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        // A bank from before the answer record.
        db::GetQuestionStore().ExecSQL(QStringLiteral("drop table answerlog"));
        const TStudyReport r = LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog()));
        QCOMPARE(r.practised, 0);
        QCOMPARE(r.chapters[0].unpractised, 4);
        QCOMPARE(db::GetQuestionStore().CountRows(
                     QStringLiteral("select * from sqlite_master where name='answerlog'")),
                 0);
    }

    // Opening the report of an older bank and showing its date field writes nothing; a date set
    // is kept at once, moves the plan, the due count and the strip's count, and 清除 forgets it.
    void theExamDateIsWrittenOnlyWhenSet()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        RecordAnswers();
        const auto planTables = [] {
            return db::GetQuestionStore().CountRows(
                QStringLiteral("select * from sqlite_master where name='studyplan'"));
        };
        db::GetQuestionStore().ExecSQL(QStringLiteral("drop table studyplan"));
        std::vector<QDate> heard;
        TFrmReport report(
            nullptr, LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog())), [] {},
            [&](QDate date) { heard.push_back(date); });
        report.show();
        QCOMPARE(report.DateExam->text(), QStringLiteral("未设置"));
        QCOMPARE(report.LblPlan->text(), QString());
        QCOMPARE(planTables(), 0);
        QVERIFY(heard.empty());

        // 22 is in box 4, last answered yesterday: due in 8 days, or today with the test 4 days
        // ahead. 21 of the 28 questions are unpractised: 11 a day over the 2 days to spread.
        report.DateExam->setDate(Today.addDays(4));
        QCOMPARE(db::LoadExamDate(), Today.addDays(4));
        QCOMPARE(heard, std::vector<QDate>{Today.addDays(4)});
        QCOMPARE(report.LblPlan->text(), QStringLiteral("距考试还有4天：今天巩固7题，新学11题"));
        report.DateExam->setDate(Today);
        QCOMPARE(report.LblPlan->text(), QStringLiteral("今天考试，祝你顺利！"));
        QVERIFY(report.LblTotals->text().endsWith(QStringLiteral("今天该复习7题")));

        report.BtnClearDate->click();
        QVERIFY(!db::LoadExamDate().isValid());
        QCOMPARE(heard.back(), QDate());
        QCOMPARE(report.LblPlan->text(), QString());
        QCOMPARE(report.DateExam->text(), QStringLiteral("未设置"));
        QVERIFY(report.LblTotals->text().endsWith(QStringLiteral("今天该复习6题")));
    }

    // The estimate and its meaning beside the readiness line, or the line that asks for more.
    void theEstimateIsShownWithItsMeaning()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        RecordAnswers();
        const TStudyReport r = LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog()));
        QVERIFY(r.estimate);
        TFrmReport report(nullptr, r, [] {});
        QVERIFY(report.LblEstimate->text().startsWith(QStringLiteral("预计通过率：")));
        QCOMPARE(report.LblMeaning->text(), learning::EstimateMeaning(learning::Subject1Paper()));

        db::GetQuestionStore().ExecSQL(QStringLiteral("delete from answerlog"));
        TFrmReport empty(nullptr, LoadStudyReport(Today, {}), [] {});
        QCOMPARE(empty.LblEstimate->text(), QStringLiteral("练习记录还不够，暂不预计通过率"));
        QCOMPARE(empty.LblMeaning->text(), QString());
    }

    // 保存为PDF writes one A4 page that a reader can open.
    void theReportIsSavedAsPdf()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        RecordAnswers();
        db::SaveExamDate(Today.addDays(12));
        TFrmReport report(nullptr, LoadStudyReport(Today, DeriveMastery(db::LoadAnswerLog())),
                          [] {});
        report.show();
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("report.pdf"));
        QVERIFY(report.SaveAsPdf(path));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY2(bytes.size() > 10000, qPrintable(QString::number(bytes.size())));
        QVERIFY(!report.SaveAsPdf(out.filePath(QStringLiteral("missing/report.pdf"))));
    }

    // The estimate reads the record's days through SQLite; a row without a readable date is left
    // out, as the mastery rule leaves it out.
    void theEstimateReadsEachAnswersDay()
    {
        const auto folder = fixture::SmallBank(ChapterBank());
        Answer(11, "2026-12-09 23:59:59", true);
        Answer(12, "yesterday", true);
        Answer(13, "2026-13-45 08:00:00", true);
        Answer(14, "2024-02-29 00:00:00", false);
        const std::vector<TAnswerOutcome> outcomes = db::LoadAnswerOutcomes();
        QCOMPARE(outcomes.size(), size_t(2));
        QCOMPARE(outcomes[0].qid, 11);
        QCOMPARE(outcomes[0].day, QDate(2026, 12, 9));
        QVERIFY(outcomes[0].correct);
        QCOMPARE(outcomes[1].qid, 14);
        QCOMPARE(outcomes[1].day, QDate(2024, 2, 29));
        QVERIFY(!outcomes[1].correct);
    }

    void anUnreadableBankGivesTheErrorReportAndNoDialog()
    {
        const auto folder = fixture::EmptyFolder();
        fixture::TNotices notices;
        QWidget owner;
        platform::Guard([&] { OpenStudyReport(&owner, {}, [] {}, {}); });
        QCOMPARE(notices.shown.size(), 1);
        QCOMPARE(notices.shown[0].kind, platform::Notices::Kind::Error);
        QVERIFY(!owner.findChild<TFrmReport*>());
    }
};

QTEST_MAIN(TestStudyReport)
#include "test_study_report.moc"
