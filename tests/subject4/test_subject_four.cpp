#include "../exam/ExamDialogs.h"
#include "AnswerLog.h"
#include "AnswerSheet.h"
#include "Db.h"
#include "ExplainPanel.h"
#include "Fixture.h"
#include "FrmChapter.h"
#include "FrmQhlx.h"
#include "FrmSpecial.h"
#include "KeyBindings.h"
#include "MainWindow.h"
#include "ProfileStrings.h"
#include "Reading.h"
#include "TestNotices.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <array>

// 科目四 on the main window: multiple choice, its bank and pictures, and its mock exam. In the
// fixture's bank question 10 is a multiple-choice question answered "ACD", question 3 a choice
// question answered "C", question 1 a true/false question and question 7 shows a picture.
namespace {

struct TWindow : fixture::TMainWindow
{
    using TMainWindow::TMainWindow;

    std::array<QPushButton*, 4> Letters() const { return {c.BtnA, c.BtnB, c.BtnC, c.BtnD}; }
    QList<bool> Pressed() const
    {
        QList<bool> pressed;
        for (QPushButton* b : Letters())
            pressed << b->isChecked();
        return pressed;
    }
    // Chooses or unchooses the letter by its button or its key.
    void Press(int letter, bool byKey)
    {
        if (byKey)
            p.FormKeyUp(static_cast<quint16>(65 + letter));
        else
            QTest::mouseClick(Letters()[static_cast<size_t>(letter)], Qt::LeftButton);
    }
    void Confirm(bool byKey)
    {
        if (byKey)
            p.FormKeyUp(32);
        else
            QTest::mouseClick(c.BtnConfirm, Qt::LeftButton);
    }
    QPushButton* Subject() const { return w.findChild<QPushButton*>(QStringLiteral("BtnSubject")); }
    void Switch(const char* item) { w.findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    const TAnswerSheetModel::TCell& Cell(int n) const
    {
        const TCellPos pos = CellOfQuestion(n);
        return c.Grd->Model().Cell(pos.row, pos.col);
    }
};

int MarkedCount(int id)
{
    return db::CountQuestions(QStringLiteral("where id=%1 and iserror=1").arg(id));
}

void KeepSubject(int subject)
{
    platform::TProfileFile(ConfigFilePath())
        .WriteInteger(QStringLiteral("subject"), QStringLiteral("current"), subject);
}

int Kept()
{
    return platform::TProfileFile(ConfigFilePath())
        .ReadInteger(QStringLiteral("subject"), QStringLiteral("current"), 0);
}

int ScoreRows()
{
    return db::GetQuestionStore().CountRows(QStringLiteral("select * from scoredata"));
}

} // namespace

class TestSubjectFour : public QObject
{
    Q_OBJECT

private slots:
    // 科目四 kept in Config.cfg, as the learner left it.
    void init()
    {
        folder = fixture::BothSubjects();
        KeepSubject(4);
        db::SelectSubject(db::TSubject::Four);
    }
    void cleanup()
    {
        db::SelectSubject(db::TSubject::One);
        folder.reset();
    }

    void showsTheSubjectsOwnBankAndPictures()
    {
        TWindow t;
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计520题)"));
        QVERIFY(t.c.LblExam->text().startsWith(QStringLiteral("1.科目四第1题：")));
        t.Go(7);
        QVERIFY(t.c.ImgExam->isVisible());
        QCOMPARE(t.c.ImgExam->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
    }

    void choosesLettersByButtonAndKey_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("buttons") << false;
        QTest::newRow("keys") << true;
    }
    void choosesLettersByButtonAndKey()
    {
        QFETCH(bool, byKey);
        TWindow t;
        t.Go(10);
        QVERIFY(t.c.BtnConfirm->isVisible());
        QCOMPARE(t.c.BtnConfirm->text(), QStringLiteral("确定"));
        QVERIFY(t.c.LblMultiple->isVisible());
        QCOMPARE(t.c.LblMultiple->text(), QStringLiteral("多选题：选出全部正确答案后按“确定”"));
        for (int letter : {3, 0, 1, 2, 1})
            t.Press(letter, byKey);
        QCOMPARE(t.Pressed(), (QList<bool>{true, false, true, true}));
        QCOMPARE(t.p.Current()->answer, QString());
        QCOMPARE(t.p.AnsweredCount, 0);
        QVERIFY(db::LoadAnswerLog().empty());

        t.Confirm(byKey);
        QCOMPARE(t.p.Current()->answer, QStringLiteral("ACD"));
        QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("ACD"));
        QCOMPARE(t.p.AnsweredCount, 1);
        QCOMPARE(t.p.FirstRightCount, 1);
        QCOMPARE(db::LoadAnswerLog().size(), size_t(1));
    }

    // Right only on the exact letters; anything else is wrong, marked and recorded so.
    void judgesOnlyAnExactMatch_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("right");
        QTest::newRow("all right letters") << QList<int>{2, 3, 0} << "ACD" << true;
        QTest::newRow("part of them") << QList<int>{0, 2} << "AC" << false;
        QTest::newRow("one too many") << QList<int>{0, 1, 2, 3} << "ABCD" << false;
        QTest::newRow("one wrong letter") << QList<int>{1} << "B" << false;
    }
    void judgesOnlyAnExactMatch()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(QString, given);
        QFETCH(bool, right);
        TWindow t;
        t.Go(10);
        for (int letter : chosen)
            t.Press(letter, false);
        t.Confirm(false);
        QCOMPARE(t.p.Current()->answer, given);
        QCOMPARE(t.p.FirstRightCount, right ? 1 : 0);
        QCOMPARE(MarkedCount(10), right ? 0 : 1);
        QCOMPARE(t.Cell(10).font, right ? NormalFontColor : WrongFontColor);
        const std::vector<TAnswerRow> log = db::LoadAnswerLog();
        QCOMPARE(log.size(), size_t(1));
        QCOMPARE(log[0].qid, 10);
        QCOMPARE(log[0].answer, given);
        QCOMPARE(log[0].correct, right);
        if (!right) {
            const QString feedback = t.c.PanExplain->Shown().PlainText();
            QVERIFY2(feedback.contains(QStringLiteral("　正确答案：A（")) &&
                         feedback.contains(QStringLiteral("）D（")),
                     qPrintable(feedback));
        }
    }

    void nothingChosenGivesNothing()
    {
        TWindow t;
        t.Go(10);
        t.Confirm(false);
        t.Confirm(true);
        QCOMPARE(t.p.Current()->answer, QString());
        QCOMPARE(t.p.AnsweredCount, 0);
        QVERIFY(db::LoadAnswerLog().empty());
    }

    // The letters are switches only on a multiple-choice question; 确定, its hint and Space
    // belong to it alone.
    void otherQuestionsAnswerAtOnce()
    {
        TWindow t;
        t.Go(3);
        QVERIFY(!t.c.BtnConfirm->isVisible());
        QVERIFY(!t.c.LblMultiple->isVisible());
        t.p.FormKeyUp(32);
        QCOMPARE(t.p.Current()->answer, QString());
        t.Press(2, false);
        QCOMPARE(t.p.Current()->answer, QStringLiteral("C"));
        QCOMPARE(t.Pressed(), (QList<bool>{false, false, false, false}));
        t.Go(1);
        t.p.FormKeyUp(32);
        QCOMPARE(t.p.Current()->answer, QString());
        QCOMPARE(t.p.AnsweredCount, 1);
    }

    void anAnsweredQuestionShowsItsLetters()
    {
        TWindow t;
        t.Go(10);
        t.Press(0, false);
        t.Press(2, false);
        t.Confirm(false);
        t.Go(3);
        QCOMPARE(t.Pressed(), (QList<bool>{false, false, false, false}));
        QVERIFY(!t.c.BtnA->isCheckable());
        t.Go(10);
        QCOMPARE(t.Pressed(), (QList<bool>{true, false, true, false}));
        QCOMPARE(t.c.LblMyAnswer->text(), QStringLiteral("AC"));
        QCOMPARE(t.p.AnsweredCount, 1);
        // A second answer replaces the first, as on any question.
        t.Press(3, false);
        t.Confirm(false);
        QCOMPARE(t.p.Current()->answer, QStringLiteral("ACD"));
        QCOMPARE(t.Cell(10).font, NormalFontColor);
        QCOMPARE(t.p.FirstRightCount, 0);
    }

    void readsMultipleChoiceBeforeTheOptions()
    {
        TWindow t;
        t.Go(10);
        const QStringList parts = ReadingOf(*t.p.Current(), false);
        QCOMPARE(parts.value(0), QStringLiteral("第10题"));
        QVERIFY(parts.value(1).startsWith(QStringLiteral("科目四第10题：")));
        QCOMPARE(parts.value(2), QStringLiteral("多选题"));
        QCOMPARE(parts.mid(3), (QStringList{"使用远光灯，会车时改用近光灯", "紧跟前车行驶",
                                            "降低车速", "频繁变更车道"}));
        t.Go(3);
        QVERIFY(!ReadingOf(*t.p.Current(), false).contains(QStringLiteral("多选题")));
    }

    // 20 true/false, 20 choice, 10 multiple choice, in that order, each drawn at random.
    void thePaperIsComposedByType()
    {
        TWindow t;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        QCOMPARE(t.p.QuestionCount, 50);
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("模拟考试(共计50题)"));
        QSet<int> ids;
        for (int i = 0; i < 50; ++i) {
            const myRecord& q = t.p.Questions[static_cast<size_t>(i)];
            ids.insert(q.id);
            const int type = q.style != 0 ? 0 : q.multiple ? 2 : 1;
            QCOMPARE(type, i < 20 ? 0 : i < 40 ? 1 : 2);
            QVERIFY(q.question.startsWith(QStringLiteral("%1.").arg(i + 1)));
        }
        QCOMPARE(ids.size(), 50);
    }

    void aShortTypeIsFilledFromTheOthers()
    {
        std::vector<bank::TQuestion> questions;
        for (int id = 1; id <= 56; ++id)
            questions.push_back(id <= 12   ? fixture::TrueFalseQuestion(id, 1)
                                : id <= 52 ? fixture::ChoiceQuestion(id, 2)
                                           : fixture::MultipleChoiceQuestion(id, 3));
        folder = fixture::EmptyFolder();
        folder->AddSubjectFour(questions);
        KeepSubject(4);
        TWindow t;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        QCOMPARE(t.p.QuestionCount, 50);
        std::array<int, 3> perType{};
        int last = 0;
        for (const myRecord& q : t.p.Questions) {
            const int type = q.style != 0 ? 0 : q.multiple ? 2 : 1;
            QVERIFY(type >= last);
            last = type;
            ++perType[static_cast<size_t>(type)];
        }
        QCOMPARE(perType, (std::array<int, 3>{12, 34, 4}));
    }

    // Two points a right answer, 90 passes; the score goes to 科目四's own history.
    void scoresTwoPointsEach_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("passed");
        QTest::newRow("45 right") << 45 << "90分" << true;
        QTest::newRow("44 right") << 44 << "88分" << false;
        QTest::newRow("all right") << 50 << "100分" << true;
    }
    void scoresTwoPointsEach()
    {
        QFETCH(int, right);
        QFETCH(QString, shown);
        QFETCH(bool, passed);
        TWindow t;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        for (int i = 0; i < 50; ++i) {
            myRecord& q = t.p.Questions[static_cast<size_t>(i)];
            q.answer = i < right ? q.result : QStringLiteral("错对");
        }
        QCOMPARE(t.w.Exam().Score(), right * 2);
        TExamDialogs dialogs;
        QString result;
        bool failPictures = false;
        dialogs.Then([&](TFrmExam& d) {
            result = d.lblResult->text();
            failPictures = d.imgPic->movie() == d.ImgPic2->movie();
            d.close();
        });
        t.w.Exam().ExamSubmit();
        QCOMPARE(result, shown);
        QCOMPARE(failPictures, !passed);
        QCOMPARE(ScoreList[0].score, QString::number(right * 2));
        QCOMPARE(ScoreRows(), 1);
        db::SelectSubject(db::TSubject::One);
        QCOMPARE(ScoreRows(), 0);
    }

    void submittedAtTheTimeLimit()
    {
        TWindow t;
        fixture::TNotices notices;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        TExamDialogs dialogs;
        dialogs.ThenCloseBox();
        t.p.ElapsedSeconds = 1799;
        t.w.Timer1Timer();
        QCOMPARE(dialogs.opened, 0);
        QCOMPARE(t.p.ElapsedSeconds, 1800);
        t.w.Timer1Timer();
        QCOMPARE(dialogs.opened, 1);
        QCOMPARE(ScoreRows(), 1);
    }

    // Before the paper is handed in, a multiple-choice answer tells nothing either.
    void anUnsubmittedPaperTellsNothing()
    {
        TWindow t;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        t.Go(41);
        QVERIFY(t.p.Current()->multiple);
        const QString wrong = t.p.Current()->result == QStringLiteral("AB") ? "AC" : "AB";
        for (QChar letter : wrong)
            t.Press(letter.unicode() - u'A', false);
        t.Confirm(false);
        QCOMPARE(t.p.Current()->answer, wrong);
        QVERIFY(!t.c.ImgAnswer->isVisible());
        QCOMPARE(t.Cell(41).font, NormalFontColor);
        QVERIFY(t.c.PanExplain->Shown().Empty());
    }

    void theSelectionDialogsOfferTheSubjectsOwn()
    {
        TWindow t;
        TFrmChapter chapters(t.w.Starts(), &t.w);
        auto* list = chapters.findChild<QListWidget*>(QStringLiteral("Lib"));
        QCOMPARE(list->count(), 8);
        QCOMPARE(list->item(0)->text(), QStringLiteral("所有试题顺序练习(520题)"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("一.违法行为综合判断与案例分析(100题)"));
        QCOMPARE(list->item(7)->text(),
                 QStringLiteral("七.交通事故救护及常见危化品处置常识(40题)"));
        list->setCurrentRow(2);
        chapters.BtnOrderClick();
        QCOMPARE(t.p.QuestionCount, 120);

        TFrmSpecial types(t.w.Starts(), &t.w);
        auto* multiple = types.findChild<QRadioButton*>(QStringLiteral("itemOption2"));
        QCOMPARE(multiple->text(), QStringLiteral("多选题"));
        multiple->setChecked(true);
        types.BtnOrderClick();
        QCOMPARE(t.p.QuestionCount, 104);
        for (const myRecord& q : t.p.Questions)
            QVERIFY(q.multiple);
        types.findChild<QRadioButton*>(QStringLiteral("itemOption0"))->setChecked(true);
        types.BtnOrderClick();
        QCOMPARE(t.p.QuestionCount, 208);

        TFrmQhlx intensive(t.w.Starts(), &t.w);
        intensive.BtnOrderClick();
        QCOMPARE(t.p.QuestionCount,
                 db::CountQuestions(QStringLiteral("where qhlx>0 and qhlx<=100")));
        QVERIFY(t.p.QuestionCount > 0);
    }

    // The strip entry switches both ways; the choice is kept for the next start-up.
    void switchesBothWaysAndKeepsTheChoice()
    {
        KeepSubject(1);
        {
            TWindow t;
            QCOMPARE(t.Subject()->text(), QStringLiteral("科目一"));
            QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计1177题)"));
            t.Switch("mniSubject4");
            QCOMPARE(t.Subject()->text(), QStringLiteral("科目四"));
            QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计520题)"));
            QCOMPARE(Kept(), 4);
        }
        TWindow t;
        QCOMPARE(t.Subject()->text(), QStringLiteral("科目四"));
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计520题)"));
        t.Switch("mniSubject1");
        QCOMPARE(t.Subject()->text(), QStringLiteral("科目一"));
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计1177题)"));
        QCOMPARE(Kept(), 1);
        // 科目一's pictures again, from its own pack.
        t.Go(6);
        QVERIFY(t.c.ImgExam->isVisible());
        QCOMPARE(t.c.ImgExam->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
    }

    void aMissingBankLeavesSubjectOne()
    {
        folder = fixture::FullBank();
        KeepSubject(4);
        TWindow t;
        QCOMPARE(t.Subject()->text(), QStringLiteral("科目一"));
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计1177题)"));
        auto* four = t.w.findChild<QAction*>(QStringLiteral("mniSubject4"));
        QVERIFY(!four->isEnabled());
        QVERIFY(four->toolTip().contains(QStringLiteral("Test4.db")));
    }

    void switchingAsksBeforeLeavingAPaper()
    {
        TWindow t;
        fixture::TNotices notices;
        QTest::mouseClick(t.c.BtnMN, Qt::LeftButton);
        notices.Answer(false);
        t.Switch("mniSubject1");
        QCOMPARE(notices.Texts(),
                 QStringList{QStringLiteral("模拟考试还没有交卷，确定要放弃吗？")});
        QVERIFY(t.p.ExamMode);
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("模拟考试(共计50题)"));
        QCOMPARE(t.Subject()->text(), QStringLiteral("科目四"));
        notices.Answer(true);
        t.Switch("mniSubject1");
        QVERIFY(!t.p.ExamMode);
        QCOMPARE(t.c.GrpMain->title(), QStringLiteral("顺序练习(共计1177题)"));
        QCOMPARE(notices.unexpectedConfirmations, 0);
    }

    // The error book and 巩固练习 hold each subject's own questions.
    void learningFollowsTheSubject()
    {
        TWindow t;
        t.Go(10);
        t.Press(1, false);
        t.Confirm(false);
        auto* review = t.w.findChild<QPushButton*>(QStringLiteral("BtnReview"));
        QCOMPARE(review->text(), QStringLiteral("巩固练习(1)"));
        QTest::mouseClick(t.c.BtnError, Qt::LeftButton);
        QCOMPARE(t.p.QuestionCount, 1);
        QCOMPARE(t.p.Current()->id, 10);
        t.Switch("mniSubject1");
        QCOMPARE(review->text(), QStringLiteral("巩固练习"));
        QVERIFY(db::LoadAnswerLog().empty());
        QTest::mouseClick(t.c.BtnError, Qt::LeftButton);
        QCOMPARE(t.p.QuestionCount, db::CountQuestions(QStringLiteral("where iserror=1")));
        QVERIFY(t.p.QuestionCount > 1);
    }

private:
    std::unique_ptr<fixture::TBankFolder> folder;
};

QTEST_MAIN(TestSubjectFour)
#include "test_subject_four.moc"
