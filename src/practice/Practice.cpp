#include "Practice.h"

#include "AnswerSheet.h"
#include "Db.h"
#include "Desktop.h"
#include "ExplainPanel.h"
#include "Guard.h"
#include "Notices.h"
#include "Pump.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <utility>

TCellPos CellOfQuestion(int n)
{
    return {(n - 1) / 10, (n - 1) % 10};
}

int AnswerSheetRows(int n)
{
    return n / 10 + (n % 10 != 0 ? 1 : 0);
}

void WaitPumping(unsigned ms)
{
    const quint32 start = platform::GetTickCount();
    for (;;) {
        platform::ProcessMessages();
        if (platform::GetTickCount() - start >= ms || platform::Quitting())
            return;
        QThread::msleep(1);
    }
}

TPractice::TPractice(const TMainControls& controls, QObject* parent)
    : QObject(parent), c(controls), oneLetterFont(c.LblMyAnswer->font()),
      oneLetterPlace(c.LblMyAnswer->geometry()), markPlace(c.ImgAnswer->geometry())
{
    auto on = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { platform::Guard([&] { (this->*handler)(); }); });
    };
    on(c.BtnSelect, &TPractice::BtnSelectClick);
    on(c.BtnPre, &TPractice::BtnPreClick);
    on(c.BtnNext, &TPractice::BtnNextClick);
    on(c.ChkAutoNext, &TPractice::ChkAutoNextClick);
    on(c.BtnConfirm, &TPractice::BtnConfirmClick);
    for (QPushButton* answer : {c.BtnA, c.BtnB, c.BtnC, c.BtnD, c.BtnYes, c.BtnNo})
        connect(answer, &QPushButton::clicked, this,
                [this, answer] { platform::Guard([&] { BtnAClick(answer); }); });
    connect(c.Grd, &TAnswerSheet::ClickCell, this,
            [this](int row, int col) { platform::Guard([&] { GrdClickCell(row, col); }); });
    connect(c.PanExplain, &TExplainPanel::Dismissed, this, [this] {
        Explanation.Clear();
        ShowExplanation();
    });
}

TPractice::~TPractice() = default;

myRecord* TPractice::Current()
{
    if (CurrentNo < 1 || CurrentNo > static_cast<int>(Questions.size()))
        return nullptr;
    return &Questions[static_cast<size_t>(CurrentNo - 1)];
}

void TPractice::ResetPractice(int n)
{
    ElapsedSeconds = 0;
    ErrorMode = false;
    ExamMode = false;
    ExamReviewed = false;
    ExamSubmitted = false;
    // A paper left unsubmitted is over, so the mark it could not write can be told now without
    // giving anything away; later it would never be. Told once the exam's state is gone, so no
    // tick of the clock can hand the paper in while the box is open.
    if (const std::optional<ESQLiteException> held = std::exchange(HeldWriteError, std::nullopt))
        platform::ReportException(*held);
    CurrentNo = 1;
    c.Prb->setValue(1);
    c.Prb->setMaximum(QuestionCount);
    AnsweredCount = 0;
    FirstRightCount = 0;
    c.BtnSetError->setText(QStringLiteral("设为错题"));
    c.LblPre->setText(QString::asprintf("首正率：%.2f%%", 0.0));
    c.LblTR->setText(QStringLiteral("答题/正确：%1 / %2").arg(0).arg(0));
    c.LblPre->setVisible(true);
    c.LblTR->setVisible(true);
    c.BtnSelect->setVisible(true);
    Explanation.Clear();
    AnswerShown = true;
    BtnSelectClick();
    if (!c.Timer1->isActive())
        c.Timer1->start();
    Questions.resize(static_cast<size_t>(QuestionCount));

    const int rows = AnswerSheetRows(n);
    const QColor window = platform::SystemWindowColor();
    std::vector<TAnswerSheetModel::TCell> cells(
        static_cast<size_t>(rows * TAnswerSheetModel::ColCount));
    for (size_t k = 1; k <= cells.size(); ++k) {
        TAnswerSheetModel::TCell& cell = cells[k - 1];
        cell.background = window;
        cell.font = NormalFontColor;
        if (static_cast<int>(k) <= QuestionCount)
            cell.text = QString::number(k);
    }
    c.Grd->Model().Reset(rows, std::move(cells));
    c.Grd->GotoCell(0, 0);
    emit PracticeReset();
}

bool TPractice::MayAbandonPaper() const
{
    return !PaperOpen() ||
           platform::Notices::Confirm(QStringLiteral("模拟考试还没有交卷，确定要放弃吗？"),
                                      QMessageBox::Question, c.Window);
}

void TPractice::ShowPicture(const QString& imgname)
{
    if (!QuestionBitmap) {
        PictureLibrary = platform::TPictureLibrary::Load(db::PictureFileName(db::CurrentSubject()));
        QuestionBitmap.emplace();
    }
    if (!PictureLibrary)
        platform::RaiseResourceNotFound(imgname);
    *QuestionBitmap = PictureLibrary->Bitmap(imgname);
    c.LblExam->setFixedWidth(512);
    c.ImgExam->setPixmap(*QuestionBitmap);
    c.ImgExam->setVisible(true);
}

void TPractice::ShowNoPicture()
{
    c.LblExam->setFixedWidth(710);
    c.ImgExam->setVisible(false);
}

void TPractice::ShowQuestion()
{
    myRecord* q = Current();
    if (!q)
        return;
    const myRecord entry = *q;

    // A missing picture must not leave the previous question's text on screen under the new
    // number: the question is shown whole without its picture, then the error is reported.
    std::exception_ptr pictureError;
    if (entry.imgname.isEmpty()) {
        ShowNoPicture();
    } else {
        try {
            ShowPicture(entry.imgname);
        } catch (const platform::EResourceError&) {
            pictureError = std::current_exception();
            ShowNoPicture();
        }
    }
    ShowAnswerButtons(entry);
    c.LblExam->setText(entry.question);
    c.LblRight->setText(QStringLiteral("正确答案：") + entry.result);
    c.LblMyAnswer->setText(entry.answer);
    // Before the re-judgement, whose error-book write may fail: the panel must not go on
    // explaining the question that was on display before.
    ShowExplanation();
    EvaluateAnswer(entry.answer, entry.result);
    emit QuestionShown();
    if (pictureError)
        std::rethrow_exception(pictureError);
}

void TPractice::ShowAnswerButtons(const myRecord& entry)
{
    c.Panelxz->setVisible(entry.style == 0);
    c.Panelpd->setVisible(entry.style != 0);
    const std::array letters{c.BtnA, c.BtnB, c.BtnC, c.BtnD};
    for (size_t i = 0; i < letters.size(); ++i) {
        // Only a checkable button takes a new state: it is let go before it stops being one.
        letters[i]->setCheckable(true);
        letters[i]->setChecked(entry.multiple &&
                               entry.answer.contains(QChar(u'A' + static_cast<int>(i))));
        letters[i]->setCheckable(entry.multiple);
    }
    c.BtnConfirm->setVisible(entry.multiple);
    c.LblMultiple->setVisible(entry.multiple);
    // Up to four letters where 科目一 shows one: a smaller font over the blank, and the mark
    // after it.
    QFont font = oneLetterFont;
    if (entry.multiple)
        font.setPointSize(14);
    c.LblMyAnswer->setFont(font);
    c.LblMyAnswer->setGeometry(entry.multiple ? QRect(417, 184, 46, 20) : oneLetterPlace);
    c.ImgAnswer->setGeometry(entry.multiple ? markPlace.translated(17, 0) : markPlace);
}

void TPractice::BtnSelectClick()
{
    AnswerShown = !AnswerShown;
    c.BtnSelect->setText(AnswerShown ? QStringLiteral("隐藏答案") : QStringLiteral("显示答案"));
    c.LblRight->setVisible(AnswerShown);
    ShowExplanation();
}

void TPractice::ShowExplanation()
{
    c.PanExplain->Show(
        Explanation.View(Current(), c.LblRight->isVisibleTo(c.Window), AnswersJudged()));
}

void TPractice::ExplainAnswer(const QString& given)
{
    Explanation.Answered(CurrentNo, *Current(), given, AnswersJudged());
    ShowExplanation();
}

void TPractice::ReleasePictures()
{
    if (!QuestionBitmap)
        return;
    PictureLibrary.reset();
    QuestionBitmap.reset();
}
