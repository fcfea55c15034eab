#include "AnswerSheet.h"
#include "Desktop.h"
#include "FindControl.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "Guard.h"
#include "Pump.h"
#include "TestNotices.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using fixture::Find;

void Show(TPractice& p, int n)
{
    p.CurrentNo = n;
    p.ShowQuestion();
}

// Question 1 of the fixture banks below is true/false without a picture, 2 is a choice
// question whose picture the pack does not hold, 3 a choice question with its picture.
std::unique_ptr<fixture::TBankFolder> PictureBank()
{
    auto missing = fixture::ChoiceQuestion(2, 1, QStringLiteral("B"));
    missing.imgname = QStringLiteral("nowhere");
    auto shown = fixture::ChoiceQuestion(3, 1);
    shown.imgname = QStringLiteral("sign3");
    return fixture::SmallBank({fixture::TrueFalseQuestion(1, 1), missing, shown},
                              {{QStringLiteral("sign3"), fixture::PngPicture(60, 40)}});
}

} // namespace

class TestPracticeDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        bank = fixture::FullBank();
        w = std::make_unique<TFrmMain>();
        w->show();
    }
    void cleanupTestCase()
    {
        w.reset();
        bank.reset();
    }

    void cellOfQuestion_data();
    void cellOfQuestion();
    void answerSheetRows_data();
    void answerSheetRows();
    void resetRebuildsTheSheetWhateverCameBefore_data();
    void resetRebuildsTheSheetWhateverCameBefore();
    void resetKeepsEntriesAndAppendsEmptyOnes();
    void pictureNarrowsTheTextAndShowsIt();
    void kindChoosesTheAnswerButtons();
    void selectTogglesTheRightAnswer();
    void answeredQuestionShowsItsAnswerAndCountsNothing();
    void waitPumpingHandlesEventsWhileWaiting();
    void missingPictureStillShowsTheQuestion();
    void missingPackShowsEveryQuestionWithoutPicture();

private:
    // Restarts the in-order practice of the whole bank.
    TPractice& Fresh()
    {
        Find<QPushButton>(*w, "BtnOrder")->click();
        return w->Practice();
    }

    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<TFrmMain> w;
};

void TestPracticeDisplay::cellOfQuestion_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("1") << 1 << 0 << 0;
    QTest::newRow("10") << 10 << 0 << 9;
    QTest::newRow("11") << 11 << 1 << 0;
    QTest::newRow("20") << 20 << 1 << 9;
    QTest::newRow("1177") << 1177 << 117 << 6;
}

void TestPracticeDisplay::cellOfQuestion()
{
    QFETCH(int, n);
    QFETCH(int, row);
    QFETCH(int, col);
    QCOMPARE(CellOfQuestion(n), (TCellPos{row, col}));
}

void TestPracticeDisplay::answerSheetRows_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rows");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("100") << 100 << 10;
    QTest::newRow("101") << 101 << 11;
    QTest::newRow("1177") << 1177 << 118;
}

void TestPracticeDisplay::answerSheetRows()
{
    QFETCH(int, n);
    QFETCH(int, rows);
    QCOMPARE(AnswerSheetRows(n), rows);
}

void TestPracticeDisplay::resetRebuildsTheSheetWhateverCameBefore_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("lastFilled"); // cells of the last row that hold a number
    QTest::newRow("100") << 100 << 10;
    QTest::newRow("229") << 229 << 9;
    QTest::newRow("1177") << 1177 << 7;
}

void TestPracticeDisplay::resetRebuildsTheSheetWhateverCameBefore()
{
    QFETCH(int, n);
    QFETCH(int, lastFilled);
    TPractice& p = Fresh();
    auto* grd = Find<TAnswerSheet>(*w, "Grd");

    // Leave behind all that a practice can show: answers, coloured cells, another cell
    // selected, the answer shown, the counters and the modes.
    Find<QPushButton>(*w, "BtnYes")->click();
    grd->Model().SetBackground(3, 4, AnsweredCellColor);
    grd->Model().SetFontColor(3, 4, WrongFontColor);
    grd->Model().SetFontColor(117, 6, WrongFontColor);
    grd->GotoCell(5, 5);
    Find<QPushButton>(*w, "BtnSelect")->click();
    QVERIFY(Find<QLabel>(*w, "LblRight")->isVisible());
    Find(*w, "LblPre")->hide();
    Find(*w, "BtnSelect")->hide();
    p.ErrorMode = p.ExamMode = p.ExamReviewed = true;
    p.ElapsedSeconds = 77;
    Find<QPushButton>(*w, "BtnSetError")->setText(QStringLiteral("交卷"));

    p.QuestionCount = n;
    p.ResetPractice(n);

    const int rows = AnswerSheetRows(n);
    QCOMPARE(grd->RowCount(), rows);
    const QColor window = platform::SystemWindowColor();
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 10; ++col) {
            const TAnswerSheetModel::TCell& cell = grd->Model().Cell(row, col);
            const int k = row * 10 + col + 1;
            QCOMPARE(cell.text, k <= n ? QString::number(k) : QString());
            QCOMPARE(cell.background, window);
            QCOMPARE(cell.font, NormalFontColor);
        }
    }
    QCOMPARE(grd->Model().Cell(rows - 1, lastFilled - 1).text, QString::number(n));
    QCOMPARE(grd->Row(), 0);
    QCOMPARE(grd->Col(), 0);
    QCOMPARE(grd->SelectedText(), QStringLiteral("1"));

    QCOMPARE(Find<QLabel>(*w, "LblPre")->text(), QStringLiteral("首正率：0.00%"));
    QCOMPARE(Find<QLabel>(*w, "LblTR")->text(), QStringLiteral("答题/正确：0 / 0"));
    QVERIFY(Find(*w, "LblPre")->isVisible());
    QVERIFY(Find(*w, "LblTR")->isVisible());
    QVERIFY(Find(*w, "BtnSelect")->isVisible());
    QCOMPARE(Find<QPushButton>(*w, "BtnSelect")->text(), QStringLiteral("显示答案"));
    QVERIFY(!Find(*w, "LblRight")->isVisible());
    QCOMPARE(Find<QPushButton>(*w, "BtnSetError")->text(), QStringLiteral("设为错题"));
    QVERIFY(!p.AnswerShown);
    QVERIFY(!p.ErrorMode && !p.ExamMode && !p.ExamReviewed);
    QCOMPARE(p.CurrentNo, 1);
    QCOMPARE(p.AnsweredCount, 0);
    QCOMPARE(p.FirstRightCount, 0);
    QCOMPARE(p.ElapsedSeconds, 0);
    QCOMPARE(static_cast<int>(p.Questions.size()), n);
    const auto* prb = Find<QProgressBar>(*w, "Prb");
    QCOMPARE(prb->value(), 1);
    QCOMPARE(prb->maximum(), n);
    QVERIFY(Find<QTimer>(*w, "Timer1")->isActive());
}

void TestPracticeDisplay::resetKeepsEntriesAndAppendsEmptyOnes()
{
    TPractice& p = Fresh();
    const examdata before = [&] {
        p.Questions[4].answer = QStringLiteral("B");
        p.Questions[1176].answer = QStringLiteral("对");
        return p.Questions;
    }();
    p.ResetPractice(p.QuestionCount);
    QCOMPARE(p.Questions.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(p.Questions[i].id, before[i].id);
        QCOMPARE(p.Questions[i].question, before[i].question);
        QCOMPARE(p.Questions[i].answer, before[i].answer);
    }

    p.QuestionCount = 1180;
    p.ResetPractice(p.QuestionCount);
    QCOMPARE(p.Questions.size(), size_t(1180));
    QCOMPARE(p.Questions[4].answer, QStringLiteral("B"));
    QCOMPARE(p.Questions[1176].id, before[1176].id);
    for (size_t i = 1177; i < 1180; ++i) {
        QCOMPARE(p.Questions[i].id, 0);
        QVERIFY(p.Questions[i].question.isEmpty());
        QVERIFY(p.Questions[i].imgname.isEmpty());
        QVERIFY(p.Questions[i].answer.isEmpty());
    }
}

void TestPracticeDisplay::pictureNarrowsTheTextAndShowsIt()
{
    TPractice& p = Fresh();
    fixture::TNotices notices;
    auto* text = Find<QLabel>(*w, "LblExam");
    auto* picture = Find<QLabel>(*w, "ImgExam");
    // Question 1 has no picture; 6 has one, named in upper case in the pack; 17 has one
    // whose pack name is in lower case.
    QVERIFY(p.Questions[0].imgname.isEmpty());
    QCOMPARE(text->width(), 710);
    QVERIFY(!picture->isVisible());
    for (int n : {6, 17}) {
        QVERIFY(!p.Questions[size_t(n - 1)].imgname.isEmpty());
        Show(p, n);
        QCOMPARE(text->width(), 512);
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->pixmap().size(), QSize(40, 30));
        QVERIFY(text->text().startsWith(QString::number(n) + '.'));
    }
    Show(p, 2);
    QCOMPARE(text->width(), 710);
    QVERIFY(!picture->isVisible());
    QVERIFY(notices.shown.isEmpty());
}

void TestPracticeDisplay::kindChoosesTheAnswerButtons()
{
    TPractice& p = Fresh();
    for (int n : {1, 2, 3, 4}) {
        Show(p, n);
        const bool trueFalse = p.Questions[size_t(n - 1)].style != 0;
        QCOMPARE(trueFalse, n % 3 == 1);
        QCOMPARE(Find(*w, "Panelpd")->isVisible(), trueFalse);
        QCOMPARE(Find(*w, "Panelxz")->isVisible(), !trueFalse);
        QVERIFY(Find<QLabel>(*w, "LblExam")->text().startsWith(QString::number(n) + '.'));
        QCOMPARE(Find<QLabel>(*w, "LblRight")->text(),
                 QStringLiteral("正确答案：") + p.Questions[size_t(n - 1)].result);
    }
}

void TestPracticeDisplay::selectTogglesTheRightAnswer()
{
    TPractice& p = Fresh();
    auto* select = Find<QPushButton>(*w, "BtnSelect");
    auto* right = Find<QLabel>(*w, "LblRight");
    select->click();
    QCOMPARE(select->text(), QStringLiteral("隐藏答案"));
    QVERIFY(right->isVisible());
    QVERIFY(p.AnswerShown);
    select->click();
    QCOMPARE(select->text(), QStringLiteral("显示答案"));
    QVERIFY(!right->isVisible());
    QVERIFY(!p.AnswerShown);
    // Only the label: nothing of the question or the sheet changed.
    QCOMPARE(p.AnsweredCount, 0);
    QVERIFY(Find<QLabel>(*w, "LblMyAnswer")->text().isEmpty());
}

void TestPracticeDisplay::answeredQuestionShowsItsAnswerAndCountsNothing()
{
    TPractice& p = Fresh();
    p.AnsweredCount = 5;
    p.FirstRightCount = 3;
    const myRecord& q2 = p.Questions[1];
    p.Questions[1].answer =
        q2.result == QStringLiteral("A") ? QStringLiteral("C") : QStringLiteral("A");
    Show(p, 2);
    QCOMPARE(Find<QLabel>(*w, "LblMyAnswer")->text(), q2.answer);
    QVERIFY(Find(*w, "ImgAnswer")->isVisible());
    QCOMPARE(p.AnsweredCount, 5);
    QCOMPARE(p.FirstRightCount, 3);
    const TAnswerSheetModel::TCell& cell = Find<TAnswerSheet>(*w, "Grd")->Model().Cell(0, 1);
    QCOMPARE(cell.background, AnsweredCellColor);
    QCOMPARE(cell.font, WrongFontColor);

    Show(p, 3);
    QVERIFY(Find<QLabel>(*w, "LblMyAnswer")->text().isEmpty());
    QVERIFY(!Find(*w, "ImgAnswer")->isVisible());
}

void TestPracticeDisplay::waitPumpingHandlesEventsWhileWaiting()
{
    TPractice& p = Fresh();
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    WaitPumping(0);
    QVERIFY(ran);

    // A move that arrives during the wait is handled inside it.
    QTimer::singleShot(0, [&] { Find<QPushButton>(*w, "BtnNext")->click(); });
    WaitPumping(20);
    QCOMPARE(p.CurrentNo, 2);
}

// A picture that cannot be found leaves no stale question on screen: the question is shown
// whole without it, and then the missing picture is reported.
void TestPracticeDisplay::missingPictureStillShowsTheQuestion()
{
    auto pictures = PictureBank();
    fixture::TNotices notices;
    platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
    TFrmMain window;
    window.show();
    TPractice& p = window.Practice();
    auto* text = Find<QLabel>(window, "LblExam");
    auto* picture = Find<QLabel>(window, "ImgExam");

    // From the question with its picture to the one without it.
    p.CurrentNo = 3;
    p.ShowQuestion();
    QVERIFY(picture->isVisible());
    Find<QPushButton>(window, "BtnPre")->click();

    QCOMPARE(notices.shown.size(), 1);
    QCOMPARE(notices.shown[0].kind, platform::Notices::Kind::Error);
    QCOMPARE(notices.shown[0].text, QStringLiteral("Resource nowhere not found."));
    QCOMPARE(notices.shown[0].caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
    QCOMPARE(p.CurrentNo, 2);
    QVERIFY(text->text().startsWith(QStringLiteral("2.")));
    QCOMPARE(text->width(), 710);
    QVERIFY(!picture->isVisible());
    QVERIFY(Find(window, "Panelxz")->isVisible());
    QVERIFY(!Find(window, "Panelpd")->isVisible());
    QCOMPARE(Find<QLabel>(window, "LblRight")->text(), QStringLiteral("正确答案：B"));
    QVERIFY(Find<QLabel>(window, "LblMyAnswer")->text().isEmpty());

    // The pack stays loaded: the next picture is found.
    notices.Clear();
    Find<QPushButton>(window, "BtnNext")->click();
    QVERIFY(notices.shown.isEmpty());
    QVERIFY(picture->isVisible());
    QCOMPARE(text->width(), 512);
}

void TestPracticeDisplay::missingPackShowsEveryQuestionWithoutPicture()
{
    auto pictures = PictureBank();
    QVERIFY(QFile::remove(pictures->FilePath(QStringLiteral("Image.db"))));
    fixture::TNotices notices;
    TFrmMain window;
    window.show();
    TPractice& p = window.Practice();
    for (int n : {3, 2, 3}) {
        notices.Clear();
        p.CurrentNo = n;
        platform::Guard([&] { p.ShowQuestion(); });
        QCOMPARE(
            notices.Texts(),
            QStringList{
                QStringLiteral("Resource %1 not found.").arg(p.Questions[size_t(n - 1)].imgname)});
        QVERIFY(Find<QLabel>(window, "LblExam")->text().startsWith(QString::number(n) + '.'));
        QCOMPARE(Find<QLabel>(window, "LblExam")->width(), 710);
        QVERIFY(!Find(window, "ImgExam")->isVisible());
        QVERIFY(Find(window, "Panelxz")->isVisible());
    }
}

QTEST_MAIN(TestPracticeDisplay)
#include "test_practice_display.moc"
