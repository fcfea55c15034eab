#include "AnswerSheet.h"
#include "ExamDialogs.h"
#include "ExplainPanel.h"
#include "Explanation.h"
#include "FindControl.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "TestNotices.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

const QString Why1 =
    QStringLiteral("黄灯亮时，已越过停止线的车辆可以继续通行，\"未越线\"的应当停车。");
const QString Why3 = QStringLiteral("驾驶时接打手机分散注意力,\r\n法律禁止。");

// 1: explained, 2: not, 3: true/false explained, 4: not; all in chapter 1, so that the exam
// paper is these four in some order.
std::vector<bank::TQuestion> Questions()
{
    std::vector<bank::TQuestion> q{fixture::ChoiceQuestion(1, 1), fixture::ChoiceQuestion(2, 1),
                                   fixture::TrueFalseQuestion(3, 1), fixture::ChoiceQuestion(4, 1)};
    q[0].explain = Why1;
    q[2].explain = Why3;
    return q;
}

QStringList Lines(const TExplanationView& view)
{
    QStringList lines;
    for (const TExplanationView::TLine& line : view.lines)
        lines << line.caption + line.text;
    return lines;
}

// The window on an in-order practice of the four questions.
struct TWindow : fixture::TMainWindow
{
    using TMainWindow::TMainWindow;

    TExplainPanel* panel = fixture::Find<TExplainPanel>(w, "PanExplain");
    // Displays the question of that id wherever the exam paper put it.
    void GoToId(int id)
    {
        for (size_t i = 0; i < p.Questions.size(); ++i)
            if (p.Questions[i].id == id)
                Go(static_cast<int>(i) + 1);
        QCOMPARE(p.Current()->id, id);
    }

    // What the learner sees in the strip: nothing while the panel is hidden.
    QStringList Shown() const
    {
        return panel->isVisibleTo(&w) ? Lines(panel->Shown()) : QStringList();
    }
};

const QString Wrong1 = QStringLiteral("第1题答错了　正确答案：A");

} // namespace

class TestExplanation : public QObject
{
    Q_OBJECT

private slots:
    void viewOrder_data()
    {
        QTest::addColumn<QString>("shownExplain");
        QTest::addColumn<bool>("answerVisible");
        QTest::addColumn<bool>("judged");
        QTest::addColumn<QString>("wrongExplain"); // null: no wrong answer given
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("dismissible");

        const QString none;
        const QString why = QStringLiteral("因为");
        const QStringList feedback{QStringLiteral("第2题答错了　正确答案：B"),
                                   QStringLiteral("解析：错因")};
        QTest::newRow("nothing") << why << false << true << none << QStringList() << false;
        QTest::newRow("answer visible")
            << why << true << true << none << QStringList{"试题解析：因为"} << false;
        QTest::newRow("answer visible, no explanation")
            << QString() << true << true << none << QStringList() << false;
        QTest::newRow("answer visible, blanks")
            << QStringLiteral(" \r\n ") << true << true << none << QStringList() << false;
        QTest::newRow("feedback") << why << false << true << QStringLiteral("错因") << feedback
                                  << true;
        QTest::newRow("feedback without explanation")
            << why << false << true << QString("") << QStringList{feedback[0]} << true;
        QTest::newRow("explanation before feedback")
            << why << true << true << QStringLiteral("错因") << QStringList{"试题解析：因为"}
            << false;
        QTest::newRow("feedback where nothing explains")
            << QString() << true << true << QStringLiteral("错因") << feedback << true;
        QTest::newRow("not judged, answer visible")
            << why << true << false << none << QStringList() << false;
        QTest::newRow("not judged, feedback")
            << why << false << false << QStringLiteral("错因") << QStringList() << false;
    }
    void viewOrder()
    {
        QFETCH(QString, shownExplain);
        QFETCH(bool, answerVisible);
        QFETCH(bool, judged);
        QFETCH(QString, wrongExplain);
        QFETCH(QStringList, expected);
        QFETCH(bool, dismissible);
        TExplanation e;
        if (!wrongExplain.isNull()) {
            myRecord wrong;
            wrong.result = QStringLiteral("B");
            wrong.explain = wrongExplain;
            e.Answered(2, wrong, QStringLiteral("C"), true);
        }
        myRecord shown;
        shown.explain = shownExplain;
        const TExplanationView view = e.View(&shown, answerVisible, judged);
        QCOMPARE(Lines(view), expected);
        QCOMPARE(view.dismissible, dismissible);
    }

    void answersLeaveAndEndFeedback()
    {
        myRecord q;
        q.result = QStringLiteral("对");
        TExplanation e;
        auto shows = [&e] { return !e.View(nullptr, false, true).Empty(); };
        e.Answered(1, q, QStringLiteral("错"), true);
        QVERIFY(shows());
        e.Answered(2, q, QStringLiteral("对"), true);
        QVERIFY(!shows());
        e.Answered(3, q, QStringLiteral("错"), true);
        e.Answered(4, q, QStringLiteral("错"), false);
        QVERIFY(!shows());
        e.Answered(5, q, QStringLiteral("错"), true);
        e.Clear();
        QVERIFY(!shows());
    }

    void showAnswerShowsTheExplanation()
    {
        std::vector<bank::TQuestion> questions = Questions();
        questions[2].explain = QStringLiteral("很长的解析，每一句都要读完。").repeated(40);
        auto bank = fixture::SmallBank(questions);
        fixture::TNotices notices;
        TWindow t;
        QCOMPARE(t.panel->geometry(), QRect(8, 5, 760, 80));
        QVERIFY(t.Shown().isEmpty());
        QVERIFY(fixture::Find(t.w, "ImgTop")->isVisible());

        t.c.BtnSelect->click();
        QCOMPARE(t.Shown(), QStringList{"试题解析：" + Why1});
        auto* text = fixture::Find<QLabel>(*t.panel, "LblExplain");
        QVERIFY(text->wordWrap());
        QVERIFY(text->font().pixelSize() >= 14);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(text);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), "试题解析：" + Why1);
        QCOMPARE(t.panel->accessibleDescription(), "试题解析：" + Why1);
        QVERIFY(fixture::Find(*t.panel, "BtnExplainClose")->isHidden());
        auto* scroll = fixture::Find<QScrollArea>(*t.panel, "ScrExplain");
        QCoreApplication::processEvents();
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);

        t.c.BtnNext->click(); // no explanation: the banner
        QVERIFY(t.Shown().isEmpty());
        t.c.BtnNext->click();
        QCOMPARE(t.Shown().value(0).left(7), QStringLiteral("试题解析：很长"));
        QCoreApplication::processEvents();
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        t.c.BtnSelect->click();
        QVERIFY(t.Shown().isEmpty());
        QVERIFY(notices.shown.isEmpty());
    }

    void feedbackSurvivesAutoNext()
    {
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TWindow t(true);
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        QCOMPARE(t.p.CurrentNo, 2);
        QCOMPARE(t.Shown(), (QStringList{Wrong1, "解析：" + Why1}));
        QVERIFY(fixture::Find(*t.panel, "BtnExplainClose")->isVisibleTo(t.panel));
        QCOMPARE(fixture::Find<QLabel>(*t.panel, "LblExplain")->accessibleName(),
                 Wrong1 + "\n解析：" + Why1);

        QTest::mouseClick(t.c.BtnA, Qt::LeftButton); // right: the feedback ends
        QCOMPARE(t.p.CurrentNo, 3);
        QVERIFY(t.Shown().isEmpty());
        QTest::mouseClick(t.c.BtnNo, Qt::LeftButton);
        QCOMPARE(t.Shown(), (QStringList{"第3题答错了　正确答案：对", "解析：" + Why3}));
        QTest::mouseClick(t.c.BtnC, Qt::LeftButton); // the next wrong answer replaces it
        QCOMPARE(t.Shown(), QStringList{"第4题答错了　正确答案：A"});
    }

    void feedbackEnds_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close box") << 0;
        QTest::newRow("next practice") << 1;
        QTest::newRow("right answer") << 2;
    }
    void feedbackEnds()
    {
        QFETCH(int, how);
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TWindow t;
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        QCOMPARE(t.Shown().value(0), Wrong1);
        if (how == 0)
            QTest::mouseClick(fixture::Find(*t.panel, "BtnExplainClose"), Qt::LeftButton);
        else if (how == 1)
            t.c.BtnRandom->click();
        else
            QTest::mouseClick(t.c.BtnA, Qt::LeftButton);
        QVERIFY(t.Shown().isEmpty());
    }

    // The panel takes no focus and changes nothing of the practice: keys answer as before.
    void panelLeavesFocusAndKeys()
    {
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TWindow t;
        QTest::keyRelease(t.c.Grd, Qt::Key_B);
        QCOMPARE(t.Shown().value(0), Wrong1);
        for (QWidget* part : t.panel->findChildren<QWidget*>())
            QCOMPARE(part->focusPolicy(), Qt::NoFocus);
        QCOMPARE(t.panel->focusPolicy(), Qt::NoFocus);
        t.c.Grd->setFocus();
        QTest::mouseClick(fixture::Find(*t.panel, "BtnExplainClose"), Qt::LeftButton);
        QVERIFY(!t.panel->isAncestorOf(QApplication::focusWidget()));
        QTest::keyRelease(t.c.Grd, Qt::Key_A);
        QCOMPARE(t.p.Questions[0].answer, QStringLiteral("A"));
        QCOMPARE(t.p.AnsweredCount, 1);
        QCOMPARE(t.p.FirstRightCount, 0);
    }

    void explanationComesBeforeFeedback()
    {
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TWindow t;
        t.c.BtnNext->click();
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        const QStringList feedback{QStringLiteral("第2题答错了　正确答案：A")};
        QCOMPARE(t.Shown(), feedback);
        t.c.BtnSelect->click(); // question 2 explains nothing
        QCOMPARE(t.Shown(), feedback);
        t.c.BtnPre->click();
        QCOMPARE(t.Shown(), QStringList{"试题解析：" + Why1});
        t.c.BtnSelect->click();
        QCOMPARE(t.Shown(), feedback);
    }

    void bankWithoutExplanations()
    {
        auto bank = fixture::SmallBank(Questions());
        fixture::RemoveExplainColumn(*bank);
        fixture::TNotices notices;
        TWindow t;
        t.c.BtnSelect->click();
        QVERIFY(t.Shown().isEmpty());
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        QCOMPARE(t.Shown(), QStringList{Wrong1});
        QVERIFY(notices.shown.isEmpty());
    }

    // Before the paper is submitted nothing tells right from wrong, whatever happens.
    void examShowsNothingBeforeSubmission_data()
    {
        QTest::addColumn<int>("route");
        QTest::newRow("answer button") << 0;
        QTest::newRow("answer key") << 1;
        QTest::newRow("right answer shown") << 2;
        QTest::newRow("tick that submits") << 3;
    }
    void examShowsNothingBeforeSubmission()
    {
        QFETCH(int, route);
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TExamDialogs dialogs;
        TWindow t;
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton); // feedback left over from the practice
        QVERIFY(!t.Shown().isEmpty());
        t.c.BtnMN->click();
        QVERIFY(t.p.ExamMode);
        QVERIFY(t.Shown().isEmpty());

        t.GoToId(1); // explained, and answered wrong below
        if (route == 0) {
            QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        } else if (route == 1) {
            QTest::keyRelease(t.c.Grd, Qt::Key_B);
        } else if (route == 2) {
            t.p.BtnSelectClick();
            QVERIFY(t.c.LblRight->isVisibleTo(&t.w));
        } else {
            QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
            dialogs.ThenCloseBox();
            t.p.ElapsedSeconds = ExamTimeLimit;
            t.w.Timer1Timer();
            QCOMPARE(dialogs.opened, 1);
            QVERIFY(!t.p.ExamReviewed);
        }
        QVERIFY(t.Shown().isEmpty());
        QVERIFY(notices.shown.isEmpty());
    }

    void reviewExplainsLikeAPractice()
    {
        auto bank = fixture::SmallBank(Questions());
        fixture::TNotices notices;
        TExamDialogs dialogs;
        TWindow t;
        t.c.BtnMN->click();
        for (myRecord& q : t.p.Questions)
            q.answer = QStringLiteral("B");
        dialogs.ThenClick("BtnResult");
        notices.Answer(true);
        t.w.Exam().SubmitOnRequest();
        QVERIFY(t.p.ExamReviewed);
        QVERIFY(t.c.LblRight->isVisibleTo(&t.w));

        for (int n = 1; n <= 4; ++n) {
            t.Go(n);
            const QString why = t.p.Current()->explain;
            QCOMPARE(t.Shown(), why.isEmpty() ? QStringList() : QStringList{"试题解析：" + why});
        }
        t.GoToId(2);
        t.c.BtnSelect->click();
        QVERIFY(t.Shown().isEmpty());
        QTest::mouseClick(t.c.BtnB, Qt::LeftButton);
        QCOMPARE(t.Shown(),
                 QStringList{QStringLiteral("第%1题答错了　正确答案：A").arg(t.p.CurrentNo)});
    }
};

QTEST_MAIN(TestExplanation)
#include "test_explanation.moc"
