#include "MockExam.h"

#include "AnswerSheet.h"
#include "Db.h"
#include "FrmExam.h"
#include "Guard.h"
#include "Notices.h"
#include "Pump.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

TMockExam::TMockExam(const TMainControls& controls, TPractice& practice, QObject* parent)
    : QObject(parent), c(controls), practice(practice)
{
    connect(c.BtnMN, &QPushButton::clicked, this,
            [this] { platform::Guard([this] { BtnMNClick(); }); });
}

void TMockExam::BtnMNClick()
{
    // Drawn before the reset: a failed draw leaves the current practice as it was, and a bank
    // short of a chapter's quota gives a shorter paper rather than empty slots.
    examdata paper(db::ExamRules(db::CurrentSubject()).questionCount);
    const int drawn = db::LoadExamPaper(paper);
    if (drawn <= 0) {
        platform::Notices::Inform(QStringLiteral("当前题库没有试题记录！"), c.Window);
        return;
    }
    paper.resize(static_cast<size_t>(drawn));
    practice.QuestionCount = drawn;
    c.GrpMain->setTitle(QStringLiteral("模拟考试(共计%1题)").arg(drawn));
    practice.ResetPractice(practice.QuestionCount);
    practice.Questions = std::move(paper);
    BeginAttempt();
    practice.ShowQuestion();
}

void TMockExam::ExamRedo()
{
    for (myRecord& q : practice.Questions)
        q.answer.clear();
    practice.ResetPractice(practice.QuestionCount);
    BeginAttempt();
    practice.ShowQuestion();
}

void TMockExam::BeginAttempt()
{
    c.LblPre->hide();
    c.LblTR->hide();
    c.BtnSelect->hide();
    c.BtnSetError->setText(QStringLiteral("交   卷"));
    practice.ExamMode = true;
    ++attempt;
}

int TMockExam::Score() const
{
    int right = 0;
    for (int i = 0; i < practice.QuestionCount; ++i) {
        const myRecord& q = practice.Questions[static_cast<size_t>(i)];
        if (q.answer == q.result)
            ++right;
    }
    return right * db::ExamRules(db::CurrentSubject()).pointsEach;
}

void TMockExam::ExamSubmit()
{
    c.Timer1->stop();
    ++attempt;
    const int score = Score();
    TFrmExam dialog(
        c.Window, [this] { ExamRedo(); }, c.BtnMN);
    dialog.lblResult->setText(QStringLiteral("%1分").arg(score));
    dialog.lblResult->adjustSize();
    const QString dateline =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The learner sees the score either way; an error-book mark or a score row that could not
    // be kept is told once the dialog has closed.
    QStringList storeErrors;
    if (const std::optional<ESQLiteException> recordError = practice.HandIn())
        storeErrors << recordError->Message();
    if (practice.HeldWriteError) {
        storeErrors << practice.HeldWriteError->Message();
        practice.HeldWriteError.reset();
    }
    try {
        db::InsertScore(QStringLiteral("score,dateline"),
                        QStringLiteral("%1,'%2'").arg(score).arg(dateline));
    } catch (const ESQLiteException& e) {
        storeErrors << e.Message();
    }
    if (score < PassMark)
        dialog.ShowFailPictures();
    const int result = dialog.exec();
    if (platform::Quitting())
        return;
    for (const QString& error : storeErrors)
        platform::Notices::ReportError(error);
    if (result == TFrmExam::ResultReview)
        Review();
}

void TMockExam::Review()
{
    practice.ExamReviewed = true;
    TAnswerSheetModel& sheet = c.Grd->Model();
    for (int n = 1; n <= practice.QuestionCount; ++n) {
        const myRecord& q = practice.Questions[static_cast<size_t>(n - 1)];
        if (q.answer.isEmpty())
            continue;
        const TCellPos cell = CellOfQuestion(n);
        sheet.SetBackground(cell.row, cell.col, AnsweredCellColor);
        sheet.SetFontColor(cell.row, cell.col,
                           q.answer == q.result ? NormalFontColor : WrongFontColor);
    }
    c.LblPre->show();
    c.LblTR->show();
    c.BtnSelect->show();
    c.BtnSelect->click();
    c.Grd->GotoCell(0, 0);
    practice.GrdClickCell(0, 0);
}

void TMockExam::SubmitOnRequest()
{
    const unsigned asked = attempt;
    if (!platform::Notices::Confirm(QStringLiteral("确定交卷吗？"), QMessageBox::Information,
                                    c.Window))
        return;
    // While the box was open the paper may have been submitted by the time limit, or replaced
    // by another start; this answer then has no paper left to hand in.
    if (attempt != asked || !practice.ExamMode)
        return;
    ExamSubmit();
}

bool TMockExam::TimeLimitTick()
{
    if (!practice.ExamMode ||
        practice.ElapsedSeconds != db::ExamRules(db::CurrentSubject()).timeLimit)
        return false;
    ExamSubmit();
    return true;
}
