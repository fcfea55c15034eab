#include "Practice.h"

#include "AnswerSheet.h"
#include "Db.h"
#include "Guard.h"
#include "Pump.h"
#include "Rate.h"

#include <QBitmap>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The tick and the cross beside the answer, red on silver; the colour of the bottom-left
// pixel is transparent, so only the mark shows.
QPixmap AnswerIcon(const QString& name)
{
    QPixmap icon(QStringLiteral(":/practice/%1.png").arg(name));
    if (icon.isNull())
        platform::RaiseResourceNotFound(name);
    const QImage image = icon.toImage();
    icon.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return icon;
}

const QPixmap& RightIcon()
{
    static const QPixmap icon = AnswerIcon(QStringLiteral("right"));
    return icon;
}

const QPixmap& ErrorIcon()
{
    static const QPixmap icon = AnswerIcon(QStringLiteral("error"));
    return icon;
}

} // namespace

void TPractice::BtnAClick(QAbstractButton* sender)
{
    // On a multiple-choice question the button has switched its letter on or off by itself.
    if (const myRecord* q = Current(); q && q->multiple)
        return;
    GiveAnswer(sender->text().trimmed());
}

void TPractice::BtnConfirmClick()
{
    const myRecord* q = Current();
    if (!q || !q->multiple)
        return;
    QString letters;
    for (const QPushButton* b : {c.BtnA, c.BtnB, c.BtnC, c.BtnD})
        if (b->isChecked())
            letters += b->text().trimmed();
    if (!letters.isEmpty())
        GiveAnswer(letters);
}

void TPractice::GiveAnswer(const QString& answer)
{
    if (!Current())
        return;
    c.LblMyAnswer->setText(answer);
    ExplainAnswer(answer);
    const myRecord& q = *Current();
    const TAnswerRow row = RowOf(q, answer);
    // A write the bank refused is reported, one per answer at most and the mark's first, and
    // the learner then moves on as after any answer.
    std::optional<ESQLiteException> failure;
    try {
        EvaluateAnswer(answer, q.result);
    } catch (const ESQLiteException& e) {
        failure = e;
    }
    // An open paper's answer may still change; it waits for the submission.
    if (!PaperOpen())
        if (std::optional<ESQLiteException> recordFailure = RecordAnswers({row}); !failure)
            failure = recordFailure;
    if (failure)
        platform::ReportException(*failure);
    if (AutoNext) {
        WaitPumping(PauseMs);
        if (!platform::Quitting())
            c.BtnNext->click();
    }
}

TAnswerRow TPractice::RowOf(const myRecord& q, const QString& answer) const
{
    return {.qid = q.id,
            .answeredAt = Clock().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            .answer = answer,
            .correct = answer == q.result,
            .mode = ExamMode    ? 2
                    : ErrorMode ? 1
                                : 0};
}

std::optional<ESQLiteException> TPractice::RecordAnswers(const std::vector<TAnswerRow>& rows)
{
    bool recorded = false;
    std::optional<ESQLiteException> failure = recordFailures.Attempt([&] {
        db::InsertAnswers(rows);
        recorded = true;
    });
    if (recorded)
        for (const TAnswerRow& row : rows)
            emit AnswerRecorded(row);
    return failure;
}

std::optional<ESQLiteException> TPractice::HandIn()
{
    if (!PaperOpen())
        return std::nullopt;
    ExamSubmitted = true;
    std::vector<TAnswerRow> rows;
    for (const myRecord& q : Questions)
        if (!q.answer.isEmpty())
            rows.push_back(RowOf(q, q.answer));
    if (rows.empty())
        return std::nullopt;
    return RecordAnswers(rows);
}

void TPractice::EvaluateAnswer(const QString& given, const QString& correct)
{
    if (given.isEmpty()) {
        c.ImgAnswer->setVisible(false);
        return;
    }
    myRecord& q = *Current();
    const bool first = q.answer.isEmpty();
    if (first)
        ++AnsweredCount;
    const TCellPos cell = CellOfQuestion(CurrentNo);
    TAnswerSheetModel& sheet = c.Grd->Model();
    sheet.SetBackground(cell.row, cell.col, AnsweredCellColor);
    const bool marks = AnswersJudged();
    c.ImgAnswer->setVisible(marks);

    // A failed error-book write must not leave the judgement half shown: everything on
    // screen and in memory is done first, then the failure is reported.
    std::optional<ESQLiteException> writeError;
    auto mark = [&](const char* set) {
        try {
            db::UpdateQuestions(QStringLiteral("where id=%1").arg(q.id), QString::fromLatin1(set));
        } catch (const ESQLiteException& e) {
            writeError = e;
        }
    };
    if (given != correct) {
        c.ImgAnswer->setPixmap(ErrorIcon());
        if (marks)
            sheet.SetFontColor(cell.row, cell.col, WrongFontColor);
        if (!ErrorMode)
            mark("set iserror=1");
    } else {
        if (first)
            ++FirstRightCount;
        c.ImgAnswer->setPixmap(RightIcon());
        sheet.SetFontColor(cell.row, cell.col, NormalFontColor);
        if (ErrorMode && AutoRemoveErrors)
            mark("set iserror=0");
    }
    q.answer = given;
    if (AnsweredCount > 0)
        c.LblPre->setText(FirstTryRateText(FirstRightCount, AnsweredCount));
    c.LblTR->setText(QStringLiteral("答题/正确：%1 / %2").arg(AnsweredCount).arg(FirstRightCount));
    if (!writeError)
        return;
    // Only wrong answers write in an exam, so a report now would give the judgement away: the
    // paper's first failure waits for the submission.
    if (!marks) {
        if (!HeldWriteError)
            HeldWriteError = writeError;
        return;
    }
    throw *writeError;
}

void TPractice::ChkAutoNextClick()
{
    AutoNext = c.ChkAutoNext->isChecked();
}
