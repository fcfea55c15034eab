#include "AnswerSheet.h"
#include "Db.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "Rate.h"
#include "TestNotices.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString LastMessage = QStringLiteral("当前已是该类试题中的最后一道题！");

int Marked()
{
    return db::CountQuestions(QStringLiteral("where iserror=1"));
}

struct TWindow : fixture::TMainWindow
{
    using TMainWindow::TMainWindow;

    const TAnswerSheetModel::TCell& Cell(int n) const
    {
        const TCellPos pos = CellOfQuestion(n);
        return c.Grd->Model().Cell(pos.row, pos.col);
    }
};

// The label shows exactly the red mark of the named icon: the icon's silver is transparent.
bool ShowsMark(const QLabel* label, const QString& name)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage icon(QStringLiteral(":/practice/%1.png").arg(name));
    if (icon.isNull() || shown.size() != icon.size())
        return false;
    const QRgb silver = icon.pixel(0, icon.height() - 1);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if ((qAlpha(shown.pixel(x, y)) > 0) != (icon.pixel(x, y) != silver))
                return false;
    return true;
}

void VerifyCounters(const TWindow& t, int answered, int firstRight, const QString& rate)
{
    QCOMPARE(t.p.AnsweredCount, answered);
    QCOMPARE(t.p.FirstRightCount, firstRight);
    QCOMPARE(t.c.LblPre->text(), rate);
    QCOMPARE(t.c.LblTR->text(), QStringLiteral("答题/正确：%1 / %2").arg(answered).arg(firstRight));
}

} // namespace

class TestEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void firstAnswerRight();
    void wrongThenRight();
    void trueFalseJudgement_data();
    void trueFalseJudgement();
    void firstTryRate_data();
    void firstTryRate();
    void rateText_data();
    void rateText();
    void examHidesTheJudgementButMarksAtOnce();
    void errorBookPractice_data();
    void errorBookPractice();
    void returningShowsTheMarksAgain();
    void failedMarkWriteStillCompletesTheJudgement();
    void autoNextMovesAfterThePause_data();
    void autoNextMovesAfterThePause();
    void autoNextAtTheLastQuestion();
    void autoNextOffStays();
    void twoAnswersInOnePauseMoveByTwo();
};

void TestEvaluation::firstAnswerRight()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TWindow t;

    QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
    VerifyCounters(t, 1, 1, QStringLiteral("首正率：100.00%"));
    QCOMPARE(t.Cell(1).background, QColor(255, 255, 215));
    QCOMPARE(t.Cell(1).font, QColor(0, 0, 0));
    QVERIFY(t.c.ImgAnswer->isVisibleTo(&t.w));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("right")));
    QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("A"));
    QCOMPARE(t.p.Questions[0].answer, QStringLiteral("A"));
    QCOMPARE(t.p.CurrentNo, 1);
    QCOMPARE(Marked(), 0);
    QVERIFY(notices.shown.isEmpty());
}

void TestEvaluation::wrongThenRight()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TWindow t;

    QTest::mouseClick(t.c.BtnC, Qt::LeftButton);
    VerifyCounters(t, 1, 0, QStringLiteral("首正率：0.00%"));
    QCOMPARE(t.Cell(1).font, QColor(255, 0, 0));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("error")));
    QCOMPARE(Marked(), 1);

    QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
    VerifyCounters(t, 1, 0, QStringLiteral("首正率：0.00%"));
    QCOMPARE(t.Cell(1).background, QColor(255, 255, 215));
    QCOMPARE(t.Cell(1).font, QColor(0, 0, 0));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("right")));
    QCOMPARE(t.p.Questions[0].answer, QStringLiteral("A"));
    QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("A"));
    QCOMPARE(Marked(), 1);
    QVERIFY(notices.shown.isEmpty());
}

void TestEvaluation::trueFalseJudgement_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("mark");

    QTest::newRow("对 against 对") << QStringLiteral("对") << QStringLiteral("BtnYes") << "right";
    QTest::newRow("对 against 错") << QStringLiteral("错") << QStringLiteral("BtnYes") << "error";
    QTest::newRow("错 against 错") << QStringLiteral("错") << QStringLiteral("BtnNo") << "right";
    QTest::newRow("answer against an unknown result")
        << QStringLiteral("Y") << QStringLiteral("BtnYes") << "error";
}

void TestEvaluation::trueFalseJudgement()
{
    QFETCH(QString, result);
    QFETCH(QString, button);
    QFETCH(QString, mark);
    auto bank = fixture::SmallBank({fixture::TrueFalseQuestion(1, 1, result)});
    fixture::TNotices notices;
    TWindow t;

    QTest::mouseClick(t.w.findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(ShowsMark(t.c.ImgAnswer, mark));
    QCOMPARE(Marked(), mark == QLatin1String("error") ? 1 : 0);
}

void TestEvaluation::firstTryRate_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("answered");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 of 32, a half rounded up") << 1 << 32 << QStringLiteral("首正率：3.13%");
    QTest::newRow("2 of 3") << 2 << 3 << QStringLiteral("首正率：66.67%");
}

// The rate as the learner reaches it: first answers given one question after the other.
void TestEvaluation::firstTryRate()
{
    QFETCH(int, right);
    QFETCH(int, answered);
    QFETCH(QString, text);
    auto bank = fixture::SmallBank(fixture::Choices(answered));
    fixture::TNotices notices;
    TWindow t;

    for (int n = 1; n <= answered; ++n) {
        QTest::mouseClick(n <= right ? t.c.BtnA : t.c.BtnB, Qt::LeftButton);
        if (n < answered)
            t.c.BtnNext->click();
    }
    VerifyCounters(t, answered, right, text);
}

void TestEvaluation::rateText_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("answered");
    QTest::addColumn<QString>("text");

    QTest::newRow("none right") << 0 << 7 << QStringLiteral("首正率：0.00%");
    QTest::newRow("all right") << 5 << 5 << QStringLiteral("首正率：100.00%");
    QTest::newRow("1 of 3") << 1 << 3 << QStringLiteral("首正率：33.33%");
    QTest::newRow("1 of 8") << 1 << 8 << QStringLiteral("首正率：12.50%");
    QTest::newRow("1 of 64, 1.5625") << 1 << 64 << QStringLiteral("首正率：1.56%");
    QTest::newRow("1 of 800, 0.125") << 1 << 800 << QStringLiteral("首正率：0.13%");
    QTest::newRow("1 of 40000, 0.0025") << 1 << 40000 << QStringLiteral("首正率：0.00%");
    QTest::newRow("1 of 20000, 0.005") << 1 << 20000 << QStringLiteral("首正率：0.01%");
    QTest::newRow("1176 of 1177") << 1176 << 1177 << QStringLiteral("首正率：99.92%");
}

void TestEvaluation::rateText()
{
    QFETCH(int, right);
    QFETCH(int, answered);
    QFETCH(QString, text);
    QCOMPARE(FirstTryRateText(right, answered), text);
}

void TestEvaluation::examHidesTheJudgementButMarksAtOnce()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TWindow t;
    t.p.ExamMode = true;

    QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
    QCOMPARE(t.Cell(1).background, QColor(255, 255, 215));
    QCOMPARE(t.Cell(1).font, QColor(0, 0, 0));
    QVERIFY(!t.c.ImgAnswer->isVisibleTo(&t.w));
    QCOMPARE(Marked(), 1);
    QCOMPARE(t.p.AnsweredCount, 1);
    QCOMPARE(t.p.FirstRightCount, 0);

    // Once the paper is being reviewed, the same answer shows its judgement.
    t.p.ExamReviewed = true;
    t.p.ShowQuestion();
    QCOMPARE(t.Cell(1).font, QColor(255, 0, 0));
    QVERIFY(t.c.ImgAnswer->isVisibleTo(&t.w));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("error")));
}

void TestEvaluation::errorBookPractice_data()
{
    QTest::addColumn<bool>("autoRemove");
    QTest::addColumn<bool>("markedBefore");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("markedAfter");

    QTest::newRow("right answer, automatic removal on") << true << true << "BtnA" << false;
    QTest::newRow("right answer, automatic removal off") << false << true << "BtnA" << true;
    QTest::newRow("wrong answer writes nothing") << true << false << "BtnB" << false;
}

void TestEvaluation::errorBookPractice()
{
    QFETCH(bool, autoRemove);
    QFETCH(bool, markedBefore);
    QFETCH(QString, button);
    QFETCH(bool, markedAfter);
    auto bank = fixture::SmallBank(fixture::Choices(2, markedBefore ? 1 : 0));
    fixture::TNotices notices;
    TWindow t;
    t.p.ErrorMode = true;
    t.p.AutoRemoveErrors = autoRemove;

    QTest::mouseClick(t.w.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(Marked(), markedAfter ? 1 : 0);
    QVERIFY(notices.shown.isEmpty());
}

void TestEvaluation::returningShowsTheMarksAgain()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TWindow t;

    QTest::mouseClick(t.c.BtnD, Qt::LeftButton);
    t.c.BtnNext->click();
    QVERIFY(!t.c.ImgAnswer->isVisibleTo(&t.w));
    QCOMPARE(t.c.LblMyAnswer->text(), QString());
    QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
    VerifyCounters(t, 2, 1, QStringLiteral("首正率：50.00%"));
    // The learner clears the mark by hand in between; showing the wrong answer sets it again.
    db::UpdateQuestions(QStringLiteral("where id=1"), QStringLiteral("set iserror=0"));

    t.c.BtnPre->click();
    VerifyCounters(t, 2, 1, QStringLiteral("首正率：50.00%"));
    QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("D"));
    QVERIFY(t.c.ImgAnswer->isVisibleTo(&t.w));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("error")));
    QCOMPARE(t.Cell(1).font, QColor(255, 0, 0));
    QCOMPARE(Marked(), 1);

    t.c.BtnNext->click();
    VerifyCounters(t, 2, 1, QStringLiteral("首正率：50.00%"));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("right")));
    QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("A"));
}

void TestEvaluation::failedMarkWriteStillCompletesTheJudgement()
{
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
    TWindow t;
    fixture::RefuseMarks();
    QString countersWhileReported;
    notices.WhileOpen(
        [&](const platform::Notices::TShown&) { countersWhileReported = t.c.LblTR->text(); });

    QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
    QCOMPARE(notices.shown.size(), 1);
    QCOMPARE(notices.shown.front().kind, platform::Notices::Kind::Error);
    QCOMPARE(notices.shown.front().caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
    QVERIFY2(notices.shown.front().text.contains(QStringLiteral("examdata")),
             qPrintable(notices.shown.front().text));
    QCOMPARE(countersWhileReported, QStringLiteral("答题/正确：1 / 0"));
    VerifyCounters(t, 1, 0, QStringLiteral("首正率：0.00%"));
    QCOMPARE(t.Cell(1).background, QColor(255, 255, 215));
    QCOMPARE(t.Cell(1).font, QColor(255, 0, 0));
    QVERIFY(t.c.ImgAnswer->isVisibleTo(&t.w));
    QVERIFY(ShowsMark(t.c.ImgAnswer, QStringLiteral("error")));
    QCOMPARE(t.p.Questions[0].answer, QStringLiteral("B"));
    QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("B"));
}

void TestEvaluation::autoNextMovesAfterThePause_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<int>("reports");

    QTest::newRow("right answer") << "BtnA" << true << 0;
    QTest::newRow("wrong answer") << "BtnB" << true << 0;
    QTest::newRow("wrong answer, the bank refuses the mark") << "BtnB" << false << 1;
}

void TestEvaluation::autoNextMovesAfterThePause()
{
    QFETCH(QString, button);
    QFETCH(bool, writable);
    QFETCH(int, reports);
    auto bank = fixture::SmallBank(fixture::Choices(3));
    fixture::TNotices notices;
    TWindow t(true);
    QVERIFY(t.p.AutoNext);
    if (!writable)
        fixture::RefuseMarks();
    int duringPause = 0;
    QTimer::singleShot(100, [&] { duringPause = t.p.CurrentNo; });

    QTest::mouseClick(t.w.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(notices.shown.size(), reports);
    QCOMPARE(duringPause, 1);
    QCOMPARE(t.p.CurrentNo, 2);
    QCOMPARE(t.c.Grd->Row(), 0);
    QCOMPARE(t.c.Grd->Col(), 1);
}

void TestEvaluation::autoNextAtTheLastQuestion()
{
    auto bank = fixture::SmallBank(fixture::Choices(2));
    fixture::TNotices notices;
    TWindow t(true);
    t.c.BtnNext->click();
    int shownDuringPause = -1;
    QTimer::singleShot(100, [&] { shownDuringPause = int(notices.shown.size()); });

    QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
    QCOMPARE(shownDuringPause, 0);
    QCOMPARE(notices.Texts(), QStringList{LastMessage});
    QCOMPARE(t.p.CurrentNo, 2);
}

void TestEvaluation::autoNextOffStays()
{
    auto bank = fixture::SmallBank(fixture::Choices(2));
    fixture::TNotices notices;
    TWindow t;
    QVERIFY(!t.p.AutoNext);
    QVERIFY(!t.c.ChkAutoNext->isChecked());

    QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(t.p.CurrentNo, 1);
    QVERIFY(notices.shown.isEmpty());
}

void TestEvaluation::twoAnswersInOnePauseMoveByTwo()
{
    auto bank = fixture::SmallBank(fixture::Choices(4));
    fixture::TNotices notices;
    TWindow t(true);
    QTimer::singleShot(50, [&] { QTest::mouseClick(t.c.BtnB, Qt::LeftButton); });

    QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
    QCOMPARE(t.p.CurrentNo, 3);
    QCOMPARE(t.p.Questions[0].answer, QStringLiteral("B"));
    QCOMPARE(t.p.Questions[1].answer, QString());
    VerifyCounters(t, 1, 1, QStringLiteral("首正率：100.00%"));
    QCOMPARE(t.Cell(1).font, QColor(255, 0, 0));
    QCOMPARE(Marked(), 1);
}

QTEST_MAIN(TestEvaluation)
#include "test_evaluation.moc"
