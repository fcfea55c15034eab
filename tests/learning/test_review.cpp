#include "AnswerLog.h"
#include "Db.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "StudyPlan.h"
#include "TestNotices.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <sqlcipher/sqlite3.h>

// 巩固练习 and its entry, on a record written before the window opens.
namespace {

const QDate Today(2026, 5, 4);
const QString NothingDue = QStringLiteral("今天没有需要巩固的试题，继续新的练习吧！");

std::vector<bank::TQuestion> Choices(int n)
{
    std::vector<bank::TQuestion> questions;
    for (int id = 1; id <= n; ++id)
        questions.push_back(fixture::ChoiceQuestion(id, 1 + id % 3));
    return questions;
}

void Answer(int qid, int daysAgo, bool correct)
{
    db::InsertAnswer({.qid = qid,
                      .answeredAt = Today.addDays(-daysAgo).toString(Qt::ISODate) + " 20:00:00",
                      .answer = correct ? "A" : "B",
                      .correct = correct});
}

QSet<int> Ids(const TPractice& p)
{
    QSet<int> ids;
    for (const myRecord& r : p.Questions)
        ids.insert(r.id);
    return ids;
}

// The window opened on the day, without the move after an answer.
std::function<QDateTime()> ClockOn(QDate day)
{
    return [day] { return QDateTime(day, QTime(10, 0)); };
}

struct TWindow : fixture::TMainWindow
{
    explicit TWindow(QDate day = Today) : TMainWindow(false, ClockOn(day)) {}
    void SetDay(QDate day) { p.Clock = ClockOn(day); }
    QString Caption() const { return w.findChild<QPushButton*>("BtnReview")->text(); }
    void ClickReview()
    {
        QTest::mouseClick(w.findChild<QPushButton*>("BtnReview"), Qt::LeftButton);
    }
};

// The statements the store's connection compiles.
struct TStatementLog
{
    TStatementLog()
    {
        sqlite3_trace_v2(db::GetQuestionStore().Handle(), SQLITE_TRACE_STMT, &Note, this);
    }
    ~TStatementLog() { sqlite3_trace_v2(db::GetQuestionStore().Handle(), 0, nullptr, nullptr); }
    static int Note(unsigned, void* self, void*, void* sql)
    {
        static_cast<TStatementLog*>(self)->statements
            << QString::fromUtf8(static_cast<const char*>(sql));
        return 0;
    }
    QStringList statements;
};

} // namespace

class TestReview : public QObject
{
    Q_OBJECT

private slots:
    void startsTheQuestionsDueToday()
    {
        auto bank = fixture::SmallBank(Choices(8));
        Answer(1, 3, false); // box 0
        Answer(2, 0, true);  // box 1, due tomorrow
        Answer(3, 1, true);  // box 1, due today
        Answer(4, 2, true);  // box 2 since yesterday, due tomorrow
        Answer(4, 1, true);
        Answer(5, 2, true); // wrong again after its move up
        Answer(5, 2, false);
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(3)"));

        TStatementLog log;
        t.ClickReview();
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("巩固练习(共计3题)"));
        QCOMPARE(t.p.QuestionCount, 3);
        QCOMPARE(Ids(t.p), (QSet<int>{1, 3, 5}));
        QVERIFY(!t.p.ErrorMode && !t.p.ExamMode);
        QCOMPARE(t.p.CurrentNo, 1);
        QVERIFY(log.statements.contains("SELECT * FROM examdata where id in (1,5,3) order by "
                                        "random() limit 3"));
        QVERIFY(notices.shown.isEmpty());
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(3)"));
    }

    void takesTheHundredMostOverdue()
    {
        auto bank = fixture::SmallBank(Choices(130));
        for (int id = 1; id <= 120; ++id)
            Answer(id, id, false);
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(120)"));
        t.ClickReview();
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("巩固练习(共计100题)"));
        QSet<int> overdue;
        for (int id = 21; id <= 120; ++id)
            overdue.insert(id);
        QCOMPARE(Ids(t.p), overdue);
    }

    void nothingDueChangesNothing_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("no record") << false;
        QTest::newRow("all answered right today") << true;
    }

    void nothingDueChangesNothing()
    {
        QFETCH(bool, answered);
        auto bank = fixture::SmallBank(Choices(4));
        if (answered)
            for (int id = 1; id <= 4; ++id)
                Answer(id, 0, true);
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习"));
        QTest::mouseClick(t.c.BtnA, Qt::LeftButton); // right: not due before tomorrow
        t.c.BtnNext->click();
        const QString title = t.c.GrpMain->title();
        const int count = t.p.QuestionCount;

        t.ClickReview();
        QCOMPARE(notices.Texts(), QStringList{NothingDue});
        QCOMPARE(notices.shown.front().kind, platform::Notices::Kind::Notice);
        QCOMPARE(t.c.GrpMain->title(), title);
        QCOMPARE(t.p.QuestionCount, count);
        QCOMPARE(t.p.CurrentNo, 2);
        QCOMPARE(t.p.Questions[0].answer, QStringLiteral("A"));
    }

    void captionFollowsAnswersAndDays()
    {
        auto bank = fixture::SmallBank(Choices(4));
        Answer(1, 1, false);
        Answer(2, 1, false);
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(2)"));

        t.ClickReview();
        QTest::mouseClick(t.c.BtnA, Qt::LeftButton); // right: due again tomorrow
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        t.c.BtnNext->click();
        QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习"));

        t.c.BtnOrder->click();
        QTest::mouseClick(t.c.BtnD, Qt::LeftButton); // question 1 wrong again
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        t.c.BtnNext->click();
        QTest::mouseClick(t.c.BtnD, Qt::LeftButton); // question 2 wrong again
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(2)"));

        t.SetDay(Today.addDays(1));
        t.c.BtnOrder->click();
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(2)"));
        QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        t.SetDay(Today.addDays(3));
        t.c.BtnRandom->click(); // question 1 now in box 1, due again after a day
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(2)"));
        QVERIFY(notices.shown.isEmpty());
    }

    // The exam date kept in the bank caps the intervals from the start, and a date set in the
    // report moves the count at once: box 3, last answered two days ago, is due in two more days
    // without a date and today with the test four days ahead.
    void theExamDateCapsTheCount()
    {
        auto bank = fixture::SmallBank(Choices(4));
        for (int daysAgo : {5, 4, 2})
            Answer(1, daysAgo, true);
        db::SaveExamDate(Today.addDays(4));
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        t.w.Review().SetExamDate(QDate());
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习"));
        t.w.Review().SetExamDate(Today.addDays(4));
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        t.ClickReview();
        QCOMPARE(Ids(t.p), QSet<int>{1});
        QVERIFY(notices.shown.isEmpty());
    }

    void anUnsubmittedExamLeavesTheCountAlone()
    {
        auto bank = fixture::SmallBank(Choices(4));
        Answer(1, 1, false);
        fixture::TNotices notices;
        TWindow t;
        t.p.ExamMode = true;
        t.c.BtnNext->click();
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton); // question 2 wrong
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(1)"));
        QCOMPARE(db::LoadAnswerLog().size(), size_t(1)); // held for the submission
        QVERIFY(!t.p.HandIn());
        t.p.ExamReviewed = true;
        t.c.BtnNext->click();
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton); // question 3 wrong
        QCOMPARE(t.Caption(), QStringLiteral("巩固练习(3)"));
    }

    void entryTakesNoFocusAndKeepsItsPlace()
    {
        auto bank = fixture::SmallBank(Choices(2));
        fixture::TNotices notices;
        TWindow t;
        auto* entry = t.w.findChild<QPushButton*>("BtnReview");
        QCOMPARE(entry->geometry(), QRect(772, 5, 116, 25));
        QCOMPARE(entry->focusPolicy(), Qt::NoFocus);
        QVERIFY(entry->isVisible());
    }
};

QTEST_MAIN(TestReview)
#include "test_review.moc"
