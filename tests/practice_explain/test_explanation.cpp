#include "AnswerSheet.h"
#include "ExamDialogs.h"
#include "ExplainPanel.h"
#include "Explanation.h"
#include "FindControl.h"
#include "Fixture.h"
#include "MainWindow.h"
#include "QuestionText.h"
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

// The fixture's choice options carry no letter of their own; B and A of question n.
QString ChoiceWrong(int n)
{
    return QStringLiteral("第%1题答错了　你的答案：B（停车等待）　正确答案：A（加速通过）").arg(n);
}
QString ChoiceStem(int id)
{
    return QStringLiteral("选择题%1：前方路口信号灯变为黄灯时应当怎样？").arg(id);
}
const QString Wrong1 = ChoiceWrong(1);

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
        const QStringList feedback{
            QStringLiteral("第2题答错了　你的答案：C（丙）　正确答案：B（乙）"),
            QStringLiteral("题干"), QStringLiteral("解析：错因")};
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
            << why << false << true << QString("") << feedback.mid(0, 2) << true;
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
            wrong.question = db::ComposeQuestion(
                2, {QStringLiteral("题干"), {"A、甲", "B、乙", "C、丙", "D、丁"}});
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

    // Feedback read while another question is on display: what was asked, and each letter of
    // both answers with the text it stood for.
    void feedbackNamesEachLetter_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("expected");

        const QStringList lettered{"A、户口簿", "B、机动车登记证书", "C、购车发票",
                                   "D、机动车驾驶证"};
        const QString asked = QStringLiteral("驾驶人驾驶机动车时，应当随身携带哪种证件？");
        QTest::newRow("choice, lettered options")
            << asked << lettered << "B"
            << "D"
            << QStringList{
                   "第7题答错了　你的答案：B（机动车登记证书）　正确答案：D（机动车驾驶证）",
                   asked};
        QTest::newRow("choice, other separators")
            << asked << QStringList{"A.甲", "B．乙", "C：丙", "D、丁"} << "C"
            << "B" << QStringList{"第7题答错了　你的答案：C（丙）　正确答案：B（乙）", asked};
        QTest::newRow("true/false")
            << QStringLiteral("驾驶机动车可以不带驾驶证。") << QStringList{"", "", "", ""} << "对"
            << "错"
            << QStringList{"第7题答错了　你的答案：对　正确答案：错", "驾驶机动车可以不带驾驶证。"};
        QTest::newRow("multiple choice")
            << asked << lettered << "AB"
            << "ABD"
            << QStringList{
                   "第7题答错了　你的答案：A（户口簿）B（机动车登记证书）　正确答案：A（户口簿）B（"
                   "机动车登记证书）D（机动车驾驶证）",
                   asked};
        QTest::newRow("stem of several lines, one of them empty")
            << QStringLiteral("如图所示，\r\n\r\n  这个标志是何含义？") << lettered << "A"
            << "C"
            << QStringList{"第7题答错了　你的答案：A（户口簿）　正确答案：C（购车发票）",
                           "如图所示， 这个标志是何含义？"};
    }
    void feedbackNamesEachLetter()
    {
        QFETCH(QString, stem);
        QFETCH(QStringList, options);
        QFETCH(QString, given);
        QFETCH(QString, result);
        QFETCH(QStringList, expected);
        myRecord q;
        q.question =
            db::ComposeQuestion(7, {stem, {options[0], options[1], options[2], options[3]}});
        q.result = result;
        TExplanation e;
        e.Answered(7, q, given, true);
        QCOMPARE(Lines(e.View(nullptr, false, true)), expected);
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
        QCOMPARE(t.Shown(), (QStringList{Wrong1, ChoiceStem(1), "解析：" + Why1}));
        QVERIFY(fixture::Find(*t.panel, "BtnExplainClose")->isVisibleTo(t.panel));
        QCOMPARE(fixture::Find<QLabel>(*t.panel, "LblExplain")->accessibleName(),
                 Wrong1 + "\n" + ChoiceStem(1) + "\n解析：" + Why1);

        QTest::mouseClick(t.c.BtnA, Qt::LeftButton); // right: the feedback ends
        QCOMPARE(t.p.CurrentNo, 3);
        QVERIFY(t.Shown().isEmpty());
        QTest::mouseClick(t.c.BtnNo, Qt::LeftButton);
        QCOMPARE(t.Shown(), (QStringList{"第3题答错了　你的答案：错　正确答案：对",
                                         "判断题3：驾驶机动车时可以接打手机。", "解析：" + Why3}));
        QTest::mouseClick(t.c.BtnC, Qt::LeftButton); // the next wrong answer replaces it
        QCOMPARE(t.Shown(),
                 (QStringList{"第4题答错了　你的答案：C（鸣喇叭）　正确答案：A（加速通过）",
                              ChoiceStem(4)}));
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
        QTest::keyClick(t.c.Grd, Qt::Key_B);
        QCOMPARE(t.Shown().value(0), Wrong1);
        for (QWidget* part : t.panel->findChildren<QWidget*>())
            QCOMPARE(part->focusPolicy(), Qt::NoFocus);
        QCOMPARE(t.panel->focusPolicy(), Qt::NoFocus);
        t.c.Grd->setFocus();
        QTest::mouseClick(fixture::Find(*t.panel, "BtnExplainClose"), Qt::LeftButton);
        QVERIFY(!t.panel->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(t.c.Grd, Qt::Key_A);
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
        const QStringList feedback{ChoiceWrong(2), ChoiceStem(2)};
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
        QCOMPARE(t.Shown(), (QStringList{Wrong1, ChoiceStem(1)}));
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
            QTest::keyClick(t.c.Grd, Qt::Key_B);
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
        QCOMPARE(t.Shown(), (QStringList{ChoiceWrong(t.p.CurrentNo), ChoiceStem(2)}));
    }
};

QTEST_MAIN(TestExplanation)
#include "test_explanation.moc"
