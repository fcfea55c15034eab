#include "AnswerSheet.h"
#include "Db.h"
#include "FindControl.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "TestNotices.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

using fixture::Find;

QList<int> Ids(const TPractice& p)
{
    QList<int> ids;
    for (const myRecord& q : p.Questions)
        ids << q.id;
    return ids;
}

QString Title(const TFrmMain& w)
{
    return Find<QGroupBox>(w, "GrpMain")->title();
}

} // namespace

class TestPracticeStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
    }

    void inOrderStartsGiveTheBankByIdEachTime();
    void randomStartsDrawAFreshOrderOfTheWholeBank();
    void startEndsTheModeInProgress_data();
    void startEndsTheModeInProgress();
    void emptyBankIsReportedAndChangesNothing();
    void storeErrorIsReportedAndLeavesThePractice();
};

void TestPracticeStart::inOrderStartsGiveTheBankByIdEachTime()
{
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();
    const QList<int> first = Ids(p);
    QCOMPARE(first.size(), 1177);
    QVERIFY(std::is_sorted(first.begin(), first.end()));
    QCOMPARE(first.front(), 1);

    Find<QPushButton>(w, "BtnRandom")->click();
    Find<QPushButton>(w, "BtnOrder")->click();
    QCOMPARE(Title(w), QStringLiteral("顺序练习(共计1177题)"));
    QCOMPARE(Ids(p), first);
    QCOMPARE(p.CurrentNo, 1);
    QVERIFY(Find<QLabel>(w, "LblExam")->text().startsWith(QStringLiteral("1.")));
    QVERIFY(notices.shown.isEmpty());
}

void TestPracticeStart::randomStartsDrawAFreshOrderOfTheWholeBank()
{
    auto bank = fixture::FullBank();
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();
    const QList<int> inOrder = Ids(p);
    auto* random = Find<QPushButton>(w, "BtnRandom");

    random->click();
    QCOMPARE(Title(w), QStringLiteral("随机练习(共计1177题)"));
    QCOMPARE(p.QuestionCount, 1177);
    QCOMPARE(Find<QProgressBar>(w, "Prb")->maximum(), 1177);
    QCOMPARE(Find<TAnswerSheet>(w, "Grd")->RowCount(), 118);
    const QList<int> first = Ids(p);
    QVERIFY(first != inOrder);
    QList<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, inOrder);
    // Question 1 of the practice is the first one drawn, numbered 1.
    QVERIFY(Find<QLabel>(w, "LblExam")->text().startsWith(QStringLiteral("1.")));

    random->click();
    QVERIFY(Ids(p) != first);
}

void TestPracticeStart::startEndsTheModeInProgress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("exam");
    QTest::newRow("in order, error book") << "BtnOrder" << false;
    QTest::newRow("at random, error book") << "BtnRandom" << false;
    QTest::newRow("in order, exam") << "BtnOrder" << true;
    QTest::newRow("at random, exam") << "BtnRandom" << true;
}

void TestPracticeStart::startEndsTheModeInProgress()
{
    QFETCH(QString, button);
    QFETCH(bool, exam);
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();
    auto* setError = Find<QPushButton>(w, "BtnSetError");
    (exam ? p.ExamMode : p.ErrorMode) = true;
    setError->setText(exam ? QStringLiteral("交卷") : QStringLiteral("移出错题"));

    w.findChild<QPushButton*>(button)->click();
    QVERIFY(!p.ErrorMode);
    QVERIFY(!p.ExamMode);
    QCOMPARE(setError->text(), QStringLiteral("设为错题"));
    scoredata scores;
    db::LoadLatestScores(scores);
    QVERIFY(scores.empty());
    QVERIFY(notices.shown.isEmpty());
}

// The whole-bank starts on a bank of no questions tell the learner so, as the filtered
// starts do, instead of resetting to a practice that has nothing to show.
void TestPracticeStart::emptyBankIsReportedAndChangesNothing()
{
    auto bank = fixture::SmallBank({});
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    Find<QPushButton>(w, "BtnRandom")->click();

    QCOMPARE(notices.shown.size(), 2);
    for (const platform::Notices::TShown& box : notices.shown) {
        QCOMPARE(box.kind, platform::Notices::Kind::Notice);
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.text, QStringLiteral("当前题库没有试题记录！"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.owner, &w);
    }
    TPractice& p = w.Practice();
    QCOMPARE(Title(w), QStringLiteral("随机练习"));
    QCOMPARE(Find<QLabel>(w, "LblExam")->text(), QStringLiteral("加载试题中，请稍后......"));
    QCOMPARE(p.QuestionCount, 0);
    QCOMPARE(p.CurrentNo, 0);
    QVERIFY(p.Questions.empty());
    QCOMPARE(Find<TAnswerSheet>(w, "Grd")->RowCount(), 0);
    QCOMPARE(Find<QProgressBar>(w, "Prb")->minimum(), 1);
    QVERIFY(!Find<QTimer>(w, "Timer1")->isActive());
}

void TestPracticeStart::storeErrorIsReportedAndLeavesThePractice()
{
    auto bank = fixture::FullBank();
    fixture::TNotices notices;
    TFrmMain w;
    w.show();
    TPractice& p = w.Practice();
    Find<QPushButton>(w, "BtnNext")->click();
    const QList<int> before = Ids(p);
    const QString shown = Find<QLabel>(w, "LblExam")->text();

    db::CloseQuestionStore();
    QVERIFY(QFile::remove(bank->FilePath(QStringLiteral("Test.db"))));
    Find<QPushButton>(w, "BtnRandom")->click();

    QCOMPARE(notices.shown.size(), 1);
    const platform::Notices::TShown& report = notices.shown.front();
    QCOMPARE(report.kind, platform::Notices::Kind::Error);
    QCOMPARE(report.caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
    QCOMPARE(report.icon, QMessageBox::Critical);
    QVERIFY2(report.text.startsWith(QStringLiteral("Failed to open database \"Test.db\" : ")),
             qPrintable(report.text));
    QCOMPARE(Title(w), QStringLiteral("顺序练习(共计1177题)"));
    QCOMPARE(p.QuestionCount, 1177);
    QCOMPARE(p.CurrentNo, 2);
    QCOMPARE(Ids(p), before);
    QCOMPARE(Find<QLabel>(w, "LblExam")->text(), shown);
    // The window goes on: moving through the loaded practice still works.
    Find<QPushButton>(w, "BtnNext")->click();
    QCOMPARE(p.CurrentNo, 3);
}

QTEST_MAIN(TestPracticeStart)
#include "test_practice_start.moc"
