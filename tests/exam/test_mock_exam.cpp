#include "AnswerLog.h"
#include "AnswerSheet.h"
#include "Db.h"
#include "Desktop.h"
#include "ExamDialogs.h"
#include "Fixture.h"
#include "FrmMain.h"
#include "TestNotices.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>

namespace {

QStringList StoredScores()
{
    std::unique_ptr<TSQLiteTable> t =
        db::GetQuestionStore().GetTable(QStringLiteral("select score from scoredata order by id"));
    QStringList scores;
    for (; !t->Eof(); t->Next())
        scores << t->FieldAsString(0);
    return scores;
}

// The answer record, a row as "qid answer correct mode".
QStringList Record()
{
    QStringList rows;
    for (const TAnswerRow& row : db::LoadAnswerLog())
        rows << QStringLiteral("%1 %2 %3 %4")
                    .arg(row.qid)
                    .arg(row.answer)
                    .arg(row.correct ? 1 : 0)
                    .arg(row.mode);
    return rows;
}

QList<int> PaperIds(const TPractice& practice)
{
    QList<int> ids;
    for (const myRecord& q : practice.Questions)
        ids << q.id;
    return ids;
}

QString WrongAnswer(const myRecord& q)
{
    if (q.style != 0)
        return q.result == QStringLiteral("对") ? QStringLiteral("错") : QStringLiteral("对");
    return q.result == QStringLiteral("A") ? QStringLiteral("B") : QStringLiteral("A");
}

// What the result dialog showed when it opened.
struct TSeen
{
    QString score;
    QString picture;
    QString caption;
    int captionLeft = 0;
    bool clockRunning = true;
};

} // namespace

class TestMockExam : public QObject
{
    Q_OBJECT

    std::unique_ptr<fixture::TBankFolder> bank;
    std::unique_ptr<fixture::TNotices> notices;
    std::unique_ptr<TExamDialogs> dialogs;
    std::unique_ptr<TFrmMain> w;

    TPractice& practice() { return w->Practice(); }
    const TMainControls& c() { return w->Controls(); }

    void OpenWindow()
    {
        w = std::make_unique<TFrmMain>();
        w->show();
        c().ChkAutoNext->click();
        QVERIFY(!practice().AutoNext);
    }

    void Answer(int n, const QString& answer)
    {
        const TCellPos cell = CellOfQuestion(n);
        c().Grd->GotoCell(cell.row, cell.col);
        practice().GrdClickCell(cell.row, cell.col);
        practice().GiveAnswer(answer);
    }

    void SetRightAnswers(int count)
    {
        for (int i = 0; i < count; ++i)
            practice().Questions[static_cast<size_t>(i)].answer =
                practice().Questions[static_cast<size_t>(i)].result;
    }

    void Submit()
    {
        notices->Answer(true);
        w->Exam().SubmitOnRequest();
    }

    // Notes what the next dialog shows, then closes it by its close box.
    void ThenSee(TSeen& seen)
    {
        dialogs->Then([this, &seen](TFrmExam& d) {
            seen.score = d.lblResult->text();
            seen.picture = d.imgPic->movie()->fileName();
            seen.caption = d.imgText->width() == d.ImgText2->width() ? "fail" : "pass";
            seen.captionLeft = d.imgText->x();
            seen.clockRunning = c().Timer1->isActive();
            d.close();
        });
    }

private slots:
    void init()
    {
        bank = fixture::FullBank();
        notices = std::make_unique<fixture::TNotices>();
        dialogs = std::make_unique<TExamDialogs>();
        OpenWindow();
        c().BtnMN->click();
    }

    void cleanup()
    {
        // Torn down before checking, so that a failure here cannot leave real boxes behind.
        const int unexpectedDialogs = dialogs->unexpected;
        const int unexpectedConfirmations = notices ? notices->unexpectedConfirmations : 0;
        w.reset();
        dialogs.reset();
        notices.reset();
        bank.reset();
        QCOMPARE(unexpectedDialogs, 0);
        QCOMPARE(unexpectedConfirmations, 0);
    }

    void paperByQuota()
    {
        QCOMPARE(practice().QuestionCount, 100);
        QCOMPARE(practice().Questions.size(), size_t(100));
        QCOMPARE(c().GrpMain->title(), QStringLiteral("模拟考试(共计100题)"));
        QVERIFY(practice().ExamMode);
        QCOMPARE(c().BtnSetError->text(), QStringLiteral("交   卷"));
        QVERIFY(c().LblPre->isHidden() && c().LblTR->isHidden() && c().BtnSelect->isHidden());
        QCOMPARE(c().Grd->RowCount(), 10);
        QCOMPARE(c().Prb->maximum(), 100);
        QCOMPARE(practice().CurrentNo, 1);
        QVERIFY(c().LblExam->text().startsWith(QStringLiteral("1.")));

        std::map<int, int> chapterOf;
        for (const bank::TQuestion& q : bank->Questions())
            chapterOf[q.id] = q.chapter;
        std::map<int, int> perChapter;
        QList<int> chapters;
        for (const myRecord& q : practice().Questions) {
            QVERIFY(q.answer.isEmpty());
            ++perChapter[chapterOf.at(q.id)];
            chapters << chapterOf.at(q.id);
        }
        QCOMPARE(perChapter,
                 (std::map<int, int>{{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}}));
        const QList<int> ids = PaperIds(practice());
        QCOMPARE(QSet<int>(ids.begin(), ids.end()).size(), 100);
        QVERIFY2(!std::is_sorted(chapters.begin(), chapters.end()), "the paper is not shuffled");
    }

    void scoreAndPictures_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("captionLeft");
        QTest::newRow("no answers") << 0 << ":/exam/fail.gif" << 130;
        QTest::newRow("89 fails") << 89 << ":/exam/fail.gif" << 130;
        QTest::newRow("90 passes") << 90 << ":/exam/pass.gif" << 160;
        QTest::newRow("all right") << 100 << ":/exam/pass.gif" << 160;
    }

    void scoreAndPictures()
    {
        QFETCH(int, right);
        QFETCH(QString, picture);
        QFETCH(int, captionLeft);
        SetRightAnswers(right);
        // Wrong answers on the rest must not count.
        for (size_t i = static_cast<size_t>(right); i < 100; i += 2)
            practice().Questions[i].answer = WrongAnswer(practice().Questions[i]);
        TSeen seen;
        ThenSee(seen);
        Submit();

        const platform::Notices::TShown& asked = notices->shown.front();
        QCOMPARE(asked.text, QStringLiteral("确定交卷吗？"));
        QCOMPARE(asked.caption, QStringLiteral("确认"));
        QCOMPARE(asked.icon, QMessageBox::Information);
        QCOMPARE(asked.owner, w.get());
        QCOMPARE(dialogs->opened, 1);
        QCOMPARE(seen.score, QStringLiteral("%1分").arg(right));
        QCOMPARE(seen.picture, picture);
        QCOMPARE(seen.caption, QString(right < 90 ? "fail" : "pass"));
        QCOMPARE(seen.captionLeft, captionLeft);
        QVERIFY(!seen.clockRunning);
        QCOMPARE(StoredScores(), QStringList{QString::number(right)});
        const QString dateline = CurrentDateline;
        QCOMPARE(QDateTime::fromString(dateline, QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                     .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                 dateline);
        QVERIFY(qAbs(QDateTime::fromString(dateline, QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                         .secsTo(QDateTime::currentDateTime())) < 5);
    }

    void lastAnswerIsScored()
    {
        const myRecord first = practice().Questions[0];
        Answer(1, first.result);
        Answer(1, WrongAnswer(first));
        Answer(2, WrongAnswer(practice().Questions[1]));
        Answer(2, practice().Questions[1].result);
        QCOMPARE(practice().Questions[0].answer, WrongAnswer(first));
        QCOMPARE(w->Exam().Score(), 1);
        dialogs->ThenCloseBox();
        Submit();
        QCOMPARE(StoredScores(), QStringList{"1"});
    }

    // A paper's answers enter the record once, at its first submission: the final answer of
    // each answered question. Answers changed before then count once; a paper that another
    // start abandons was never handed in and records nothing.
    void paperEntersTheRecordAtFirstSubmission()
    {
        const myRecord first = practice().Questions[0];
        const myRecord second = practice().Questions[1];
        Answer(1, first.result);
        Answer(1, WrongAnswer(first));
        Answer(2, WrongAnswer(second));
        Answer(2, second.result);
        QVERIFY(Record().isEmpty());

        dialogs->ThenCloseBox();
        Submit();
        const QStringList handedIn{
            QStringLiteral("%1 %2 0 2").arg(first.id).arg(WrongAnswer(first)),
            QStringLiteral("%1 %2 1 2").arg(second.id).arg(second.result)};
        QCOMPARE(Record(), handedIn);
        QCOMPARE(w->Review().Mastery().count(first.id), size_t(1));

        // Handed in again, with the dialog closed and then from the review: nothing more.
        dialogs->ThenClick("BtnResult");
        Submit();
        dialogs->ThenCloseBox();
        Submit();
        QCOMPARE(StoredScores(), (QStringList{"1", "1", "1"}));
        QCOMPARE(Record(), handedIn);

        // An answer given once the paper is in is a practice answer of the review, kept at once.
        Answer(3, practice().Questions[2].result);
        QCOMPARE(Record().size(), 3);
        QCOMPARE(Record().back(), QStringLiteral("%1 %2 1 2")
                                      .arg(practice().Questions[2].id)
                                      .arg(practice().Questions[2].result));
    }

    void abandonedPaperRecordsNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("in order") << "BtnOrder";
        QTest::newRow("new paper") << "BtnMN";
    }

    void abandonedPaperRecordsNothing()
    {
        QFETCH(QString, button);
        Answer(1, practice().Questions[0].result);
        Answer(2, WrongAnswer(practice().Questions[1]));
        w->findChild<QPushButton*>(button)->click();
        QVERIFY(Record().isEmpty());
        QVERIFY(w->Review().Mastery().empty());
    }

    // 重考本卷 is a new attempt at the same questions: its answers are new recall, handed in
    // by its own first submission; the first attempt's stay as they were.
    void redoneAttemptEntersAtItsOwnSubmission()
    {
        const myRecord first = practice().Questions[0];
        Answer(1, WrongAnswer(first));
        dialogs->ThenClick("BtnRedo");
        Submit();
        QCOMPARE(Record().size(), 1);
        Answer(1, first.result);
        QCOMPARE(Record().size(), 1);
        practice().ElapsedSeconds = ExamTimeLimit;
        dialogs->ThenCloseBox();
        w->Timer1Timer();
        QCOMPARE(Record(),
                 (QStringList{QStringLiteral("%1 %2 0 2").arg(first.id).arg(WrongAnswer(first)),
                              QStringLiteral("%1 %2 1 2").arg(first.id).arg(first.result)}));
    }

    // A key goes down where the keyboard is: the Enter that closes a notice is the notice's,
    // and its release on the main window, once the box is gone, must not ask "确定交卷吗？".
    void keyReleasedAfterANoticeDoesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void keyReleasedAfterANoticeDoesNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        notices.reset(); // real message boxes from here on
        QStringList boxes;
        QPointer<QMessageBox> last;
        QTimer learner;
        learner.setInterval(0);
        connect(&learner, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last)
                return;
            last = box;
            boxes << box->text();
            if (box->text() == QStringLiteral("确定交卷吗？"))
                box->button(QMessageBox::Cancel)->click();
            else
                QTest::keyPress(box->focusWidget() ? box->focusWidget() : box, Qt::Key(key),
                                Qt::KeyboardModifiers(modifiers));
        });
        learner.start();

        const TCellPos last100 = CellOfQuestion(100);
        c().Grd->GotoCell(last100.row, last100.col);
        practice().GrdClickCell(last100.row, last100.col);
        c().BtnNext->click(); // the notice, closed by the key's press
        QCOMPARE(boxes, QStringList{QStringLiteral("当前已是该类试题中的最后一道题！")});
        QTest::keyRelease(c().Grd, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(boxes.size(), 1);

        // A whole press and release on the window asks as before.
        QTest::keyClick(c().Grd, Qt::Key_Return);
        QCOMPARE(boxes.value(1), QStringLiteral("确定交卷吗？"));
        QCOMPARE(boxes.size(), 2);
        QVERIFY(practice().PaperOpen());
        QVERIFY(StoredScores().isEmpty());
        learner.stop();
        notices = std::make_unique<fixture::TNotices>();
    }

    // The program's own starts ask before they abandon a paper: only while it is open.
    void abandoningAnOpenPaperIsAsked()
    {
        notices->Answer(false);
        QVERIFY(!practice().MayAbandonPaper());
        notices->Answer(true);
        QVERIFY(practice().MayAbandonPaper());
        QCOMPARE(notices->shown.size(), 2);
        const platform::Notices::TShown& asked = notices->shown.front();
        QCOMPARE(asked.kind, platform::Notices::Kind::Confirmation);
        QCOMPARE(asked.caption, QStringLiteral("确认"));
        QCOMPARE(asked.text, QStringLiteral("模拟考试还没有交卷，确定要放弃吗？"));
        QCOMPARE(asked.owner, w.get());

        dialogs->ThenCloseBox();
        Submit();
        notices->Clear();
        QVERIFY(practice().MayAbandonPaper());
        c().BtnOrder->click();
        QVERIFY(practice().MayAbandonPaper());
        QVERIFY(notices->shown.isEmpty());
    }

    void timeLimitSubmits()
    {
        TSeen seen;
        ThenSee(seen);
        practice().ElapsedSeconds = 2699;
        w->Timer1Timer();
        QCOMPARE(c().LblTime->text(), QStringLiteral("00:44:59"));
        QCOMPARE(dialogs->opened, 0);
        QCOMPARE(practice().ElapsedSeconds, 2700);
        w->Timer1Timer();
        QCOMPARE(c().LblTime->text(), QStringLiteral("00:45:00"));
        QCOMPARE(dialogs->opened, 1);
        QVERIFY(notices->shown.isEmpty());
        QCOMPARE(seen.score, QStringLiteral("0分"));
        QVERIFY(!seen.clockRunning);
        QVERIFY(!c().Timer1->isActive());
        QCOMPARE(practice().ElapsedSeconds, 2700);
        QCOMPARE(StoredScores(), QStringList{"0"});

        // Outside an exam the count goes on.
        c().BtnOrder->click();
        practice().ElapsedSeconds = 2700;
        w->Timer1Timer();
        QCOMPARE(practice().ElapsedSeconds, 2701);
        QCOMPARE(dialogs->opened, 1);
    }

    void cancelKeepsExamRunning()
    {
        notices->Answer(false);
        c().BtnSetError->click();
        QCOMPARE(notices->Texts(), QStringList{"确定交卷吗？"});
        QCOMPARE(dialogs->opened, 0);
        QVERIFY(practice().ExamMode);
        QVERIFY(c().Timer1->isActive());
        practice().ElapsedSeconds = 10;
        w->Timer1Timer();
        QCOMPARE(practice().ElapsedSeconds, 11);
        QVERIFY(StoredScores().isEmpty());
    }

    void closeBoxLeavesPaperForResubmission()
    {
        const QList<int> ids = PaperIds(practice());
        Answer(1, WrongAnswer(practice().Questions[0]));
        dialogs->ThenCloseBox();
        Submit();
        QCOMPARE(PaperIds(practice()), ids);
        QVERIFY(practice().ExamMode);
        QVERIFY(!practice().ExamReviewed);
        QVERIFY(!c().Timer1->isActive());
        QCOMPARE(c().Grd->Model().Cell(0, 0).font, NormalFontColor);
        QVERIFY(c().LblPre->isHidden());

        // Enter leads to the same confirmation.
        SetRightAnswers(95);
        dialogs->ThenCloseBox();
        notices->Answer(true);
        QTest::keyClick(c().Grd, Qt::Key_Return);
        QCOMPARE(dialogs->opened, 2);
        QCOMPARE(StoredScores(), (QStringList{"0", "95"}));
    }

    void redoGivesSamePaperAfresh()
    {
        const QList<int> ids = PaperIds(practice());
        Answer(1, practice().Questions[0].result);
        Answer(2, WrongAnswer(practice().Questions[1]));
        practice().ElapsedSeconds = 600;
        dialogs->ThenClick("BtnRedo");
        Submit();

        QCOMPARE(PaperIds(practice()), ids);
        for (const myRecord& q : practice().Questions)
            QVERIFY(q.answer.isEmpty());
        QVERIFY(practice().ExamMode);
        QVERIFY(!practice().ExamReviewed);
        QCOMPARE(c().GrpMain->title(), QStringLiteral("模拟考试(共计100题)"));
        QCOMPARE(c().BtnSetError->text(), QStringLiteral("交   卷"));
        QVERIFY(c().LblPre->isHidden() && c().LblTR->isHidden() && c().BtnSelect->isHidden());
        QCOMPARE(c().Grd->Model().Cell(0, 0).background, platform::SystemWindowColor());
        QCOMPARE(practice().CurrentNo, 1);
        QCOMPARE(practice().AnsweredCount, 0);
        QVERIFY(c().Timer1->isActive());
        w->Timer1Timer();
        QCOMPARE(c().LblTime->text(), QStringLiteral("00:00:00"));
        QCOMPARE(StoredScores(), QStringList{"1"});
    }

    void newPaperFromDialog()
    {
        const QList<int> ids = PaperIds(practice());
        SetRightAnswers(3);
        dialogs->ThenClick("BtnRe");
        Submit();
        QVERIFY(PaperIds(practice()) != ids);
        QCOMPARE(practice().QuestionCount, 100);
        QVERIFY(practice().ExamMode);
        for (const myRecord& q : practice().Questions)
            QVERIFY(q.answer.isEmpty());
        QVERIFY(c().Timer1->isActive());
        QCOMPARE(StoredScores(), QStringList{"3"});
    }

    void reviewMarksAnsweredQuestions()
    {
        practice().Questions[0].answer = practice().Questions[0].result;
        practice().Questions[1].answer = WrongAnswer(practice().Questions[1]);
        practice().Questions[3].answer = practice().Questions[3].result;
        dialogs->ThenClick("BtnResult");
        Submit();

        QVERIFY(practice().ExamReviewed);
        QVERIFY(practice().ExamMode);
        const TAnswerSheetModel& sheet = c().Grd->Model();
        QCOMPARE(sheet.Cell(0, 0).background, AnsweredCellColor);
        QCOMPARE(sheet.Cell(0, 0).font, NormalFontColor);
        QCOMPARE(sheet.Cell(0, 1).background, AnsweredCellColor);
        QCOMPARE(sheet.Cell(0, 1).font, WrongFontColor);
        QCOMPARE(sheet.Cell(0, 2).background, platform::SystemWindowColor());
        QCOMPARE(sheet.Cell(0, 2).font, NormalFontColor);
        QCOMPARE(sheet.Cell(0, 3).font, NormalFontColor);
        QVERIFY(c().LblPre->isVisible() && c().LblTR->isVisible() && c().BtnSelect->isVisible());
        QCOMPARE(c().BtnSelect->text(), QStringLiteral("隐藏答案"));
        QVERIFY(c().LblRight->isVisible());
        QCOMPARE(practice().CurrentNo, 1);
        QCOMPARE(c().Grd->Row(), 0);
        QCOMPARE(c().Grd->Col(), 0);
        QVERIFY(c().ImgAnswer->isVisible());
        QCOMPARE(c().BtnSetError->text(), QStringLiteral("交   卷"));

        // An answer changed during the review counts in a new submission.
        Answer(2, practice().Questions[1].result);
        QCOMPARE(sheet.Cell(0, 1).font, NormalFontColor);
        dialogs->ThenCloseBox();
        Submit();
        QCOMPARE(StoredScores(), (QStringList{"2", "3"}));
    }

    void otherStartAbandonsPaper_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("examAfter");
        QTest::newRow("in order") << "BtnOrder" << false;
        QTest::newRow("at random") << "BtnRandom" << false;
        QTest::newRow("new paper") << "BtnMN" << true;
    }

    void otherStartAbandonsPaper()
    {
        QFETCH(QString, button);
        QFETCH(bool, examAfter);
        SetRightAnswers(50);
        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(practice().ExamMode, examAfter);
        QCOMPARE(dialogs->opened, 0);
        QVERIFY(StoredScores().isEmpty());
        QVERIFY(c().Timer1->isActive());
    }

    // A confirmation still open when its attempt ends hands nothing in when answered OK.
    void staleConfirmationDoesNothing_data()
    {
        QTest::addColumn<QString>("whileOpen");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("examAfter");
        QTest::newRow("time limit") << "limit" << QStringList{"0"} << true;
        QTest::newRow("time limit, then redo") << "limit-redo" << QStringList{"0"} << true;
        QTest::newRow("new paper") << "BtnMN" << QStringList{} << true;
        QTest::newRow("practice in order") << "BtnOrder" << QStringList{} << false;
        QTest::newRow("error book") << "BtnError" << QStringList{} << false;
    }

    void staleConfirmationDoesNothing()
    {
        QFETCH(QString, whileOpen);
        QFETCH(QStringList, stored);
        QFETCH(bool, examAfter);
        // Every wrong answer enters the error book, so it is never empty here.
        Answer(1, WrongAnswer(practice().Questions[0]));
        bool acted = false;
        notices->WhileOpen([&](const platform::Notices::TShown& box) {
            if (acted || box.text != QStringLiteral("确定交卷吗？"))
                return;
            acted = true;
            if (whileOpen.startsWith(QStringLiteral("limit"))) {
                if (whileOpen == QStringLiteral("limit-redo"))
                    dialogs->ThenClick("BtnRedo");
                else
                    dialogs->ThenCloseBox();
                practice().ElapsedSeconds = ExamTimeLimit;
                w->Timer1Timer();
            } else {
                w->findChild<QPushButton*>(whileOpen)->click();
            }
        });
        Submit();
        QVERIFY(acted);
        QCOMPARE(StoredScores(), stored);
        QCOMPARE(practice().ExamMode, examAfter);
        QCOMPARE(dialogs->opened, stored.size());
    }

    // Only a wrong answer writes its mark, so on a bank that refuses the mark a report would
    // tell it from a right one; the paper's failure is told once, after the result.
    void refusedMarkIsToldAtSubmission_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right answer") << true;
        QTest::newRow("wrong answer") << false;
    }

    void refusedMarkIsToldAtSubmission()
    {
        QFETCH(bool, right);
        platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
        fixture::RefuseMarks();
        const myRecord& q = practice().Questions[0];
        const QString answer = right ? q.result : WrongAnswer(q);

        // Answered, then shown again, which writes a wrong answer's mark once more.
        Answer(1, answer);
        for (int shown = 0; shown < 2; ++shown) {
            if (shown == 1) {
                c().BtnNext->click();
                c().BtnPre->click();
            }
            QVERIFY(notices->shown.isEmpty());
            QCOMPARE(c().LblMyAnswer->text(), answer);
            QVERIFY(!c().ImgAnswer->isVisible());
            QCOMPARE(c().Grd->Model().Cell(0, 0).background, AnsweredCellColor);
            QCOMPARE(c().Grd->Model().Cell(0, 0).font, NormalFontColor);
            QVERIFY(!c().LblPre->isVisible() && !c().LblTR->isVisible());
        }

        int boxesWhileOpen = -1;
        dialogs->Then([&](TFrmExam& d) {
            boxesWhileOpen = static_cast<int>(notices->shown.size());
            d.close();
        });
        Submit();
        QCOMPARE(boxesWhileOpen, 1);
        QCOMPARE(StoredScores(), QStringList{right ? "1" : "0"});
        QCOMPARE(notices->shown.size(), right ? 1 : 2);
        if (!right) {
            const platform::Notices::TShown& report = notices->shown.back();
            QCOMPARE(report.kind, platform::Notices::Kind::Error);
            QCOMPARE(report.caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
            QVERIFY2(report.text.contains(
                         QStringLiteral("update examdata set iserror=1 where id=%1").arg(q.id)),
                     qPrintable(report.text));
        }

        // Handing the same paper in again tells nothing again.
        dialogs->ThenCloseBox();
        Submit();
        QCOMPARE(notices->shown.size(), right ? 2 : 3);
    }

    // A paper left for another start is over: the mark it could not write is told then, once.
    void refusedMarkOfAbandonedPaperIsToldAtNextStart_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("in order") << "BtnOrder";
        QTest::newRow("new paper") << "BtnMN";
    }

    void refusedMarkOfAbandonedPaperIsToldAtNextStart()
    {
        QFETCH(QString, button);
        fixture::RefuseMarks();
        const myRecord& q = practice().Questions[0];
        const int id = q.id;
        Answer(1, WrongAnswer(q));
        QVERIFY(notices->shown.isEmpty());

        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(notices->shown.size(), 1);
        QCOMPARE(notices->shown.back().kind, platform::Notices::Kind::Error);
        QVERIFY2(notices->shown.back().text.contains(
                     QStringLiteral("update examdata set iserror=1 where id=%1").arg(id)),
                 qPrintable(notices->shown.back().text));
        QCOMPARE(dialogs->opened, 0);

        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(notices->shown.size(), 1);
    }

    void failedScoreWriteIsReportedAfterDialog()
    {
        platform::Notices::SetApplicationTitle(QStringLiteral("砺行驾考－驾驶员考试单机版"));
        db::GetQuestionStore().ExecSQL(
            QStringLiteral("create trigger refuse before insert on scoredata begin select "
                           "raise(abort, 'disk is full'); end"));
        QString score;
        int boxesWhileOpen = -1;
        dialogs->Then([&](TFrmExam& d) {
            score = d.lblResult->text();
            boxesWhileOpen = static_cast<int>(notices->shown.size());
            d.close();
        });
        Submit();
        QCOMPARE(score, QStringLiteral("0分"));
        QCOMPARE(boxesWhileOpen, 1);
        QCOMPARE(notices->shown.size(), 2);
        const platform::Notices::TShown& report = notices->shown.back();
        QCOMPARE(report.kind, platform::Notices::Kind::Error);
        QCOMPARE(report.caption, QStringLiteral("砺行驾考－驾驶员考试单机版"));
        QVERIFY2(report.text.contains(QStringLiteral("disk is full")), qPrintable(report.text));
        QVERIFY(StoredScores().isEmpty());
    }
};

// Banks that cannot fill the quotas, each with its own window.
class TestShortPaper : public QObject
{
    Q_OBJECT

private slots:
    void shortChapterGivesShorterPaper()
    {
        std::vector<bank::TQuestion> questions;
        int id = 1;
        for (int k = 0; k < 12; ++k)
            questions.push_back(fixture::ChoiceQuestion(id++, 1));
        for (int k = 0; k < 25; ++k)
            questions.push_back(fixture::TrueFalseQuestion(id++, 2));
        questions.push_back(fixture::ChoiceQuestion(id++, 7));
        const auto bank = fixture::SmallBank(questions);
        fixture::TNotices notices;
        TExamDialogs dialogs;
        TFrmMain w;
        w.show();
        const TMainControls& c = w.Controls();
        TPractice& practice = w.Practice();
        c.BtnMN->click();

        QCOMPARE(practice.QuestionCount, 33);
        QCOMPARE(practice.Questions.size(), size_t(33));
        QCOMPARE(c.GrpMain->title(), QStringLiteral("模拟考试(共计33题)"));
        QCOMPARE(c.Grd->RowCount(), 4);
        QCOMPARE(c.Grd->Model().Cell(3, 2).text, QStringLiteral("33"));
        QVERIFY(c.Grd->Model().Cell(3, 3).text.isEmpty());
        QCOMPARE(c.Prb->maximum(), 33);
        for (const myRecord& q : practice.Questions)
            QVERIFY(q.id > 0);
        for (myRecord& q : practice.Questions)
            q.answer = q.result;
        QString score;
        dialogs.Then([&](TFrmExam& d) {
            score = d.lblResult->text();
            d.close();
        });
        notices.Answer(true);
        w.Exam().SubmitOnRequest();
        QCOMPARE(score, QStringLiteral("33分"));
        QCOMPARE(StoredScores(), QStringList{"33"});
        QCOMPARE(dialogs.unexpected, 0);
    }

    void emptyBankStartsNoPaper()
    {
        const auto bank = fixture::SmallBank({});
        fixture::TNotices notices;
        TExamDialogs dialogs;
        TFrmMain w;
        w.show();
        notices.Clear();
        const QString title = w.Controls().GrpMain->title();
        w.Controls().BtnMN->click();
        QCOMPARE(notices.Texts(), QStringList{"当前题库没有试题记录！"});
        QVERIFY(!w.Practice().ExamMode);
        QCOMPARE(w.Controls().GrpMain->title(), title);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMockExam exam;
    TestShortPaper shortPaper;
    return QTest::qExec(&exam, argc, argv) | QTest::qExec(&shortPaper, argc, argv);
}

#include "test_mock_exam.moc"
