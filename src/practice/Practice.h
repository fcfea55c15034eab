#pragma once

#include "AnswerLog.h"
#include "Explanation.h"
#include "LearnerWrites.h"
#include "MainControls.h"
#include "PictureLibrary.h"
#include "Records.h"
#include "SQLiteTable.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;

const QColor AnsweredCellColor{255, 255, 215};
const QColor WrongFontColor{255, 0, 0};
const QColor NormalFontColor{0, 0, 0};
// The pause before moving on by itself, and the time a confirmation label stays.
constexpr unsigned PauseMs = 250;

struct TCellPos
{
    int row;
    int col;
    bool operator==(const TCellPos&) const = default;
};

TCellPos CellOfQuestion(int n);
int AnswerSheetRows(int n);
// Waits while the window goes on handling every event; ends early once the program quits.
void WaitPumping(unsigned ms);

// The main window's current practice: the questions, the one on display, the answers given,
// the two counters and the mode flags, with the operations that show, judge and move.
class TPractice : public QObject
{
    Q_OBJECT
public:
    explicit TPractice(const TMainControls& controls, QObject* parent = nullptr);
    ~TPractice() override;

    examdata Questions;
    int QuestionCount = 0;
    int CurrentNo = 0;
    int AnsweredCount = 0;
    int FirstRightCount = 0;
    int ElapsedSeconds = 0;
    bool ErrorMode = false;
    bool ExamMode = false;
    bool ExamReviewed = false;
    // The paper on display has been handed in at least once; its answers are in the record.
    bool ExamSubmitted = false;
    bool AutoNext = true;
    bool AutoRemoveErrors = true;
    bool AnswerShown = false;
    // The first mark write of an unsubmitted exam that the bank refused, kept for the
    // submission to report.
    std::optional<ESQLiteException> HeldWriteError;
    // The time of the answer record; tests set a day of their own.
    std::function<QDateTime()> Clock = [] { return QDateTime::currentDateTime(); };

    // Display.
    void ResetPractice(int n);
    void ShowQuestion();
    void BtnSelectClick();
    // Releases the picture pack and the question bitmap, as the window closes.
    void ReleasePictures();

    // Answering.
    void BtnAClick(QAbstractButton* sender);
    // Gives the letters chosen on a multiple-choice question, in alphabetical order; nothing
    // chosen, or another kind of question, does nothing.
    void BtnConfirmClick();
    void GiveAnswer(const QString& answer);
    void EvaluateAnswer(const QString& given, const QString& correct);
    void ChkAutoNextClick();
    // The first submission of a paper: the final answer of each answered question enters the
    // answer record, held until now so that a changed answer counts once and an abandoned
    // paper not at all. A later submission of the same paper adds nothing. A refused write is
    // handed back to be told after the result.
    std::optional<ESQLiteException> HandIn();

    // Moving between questions and the keyboard.
    void BtnPreClick();
    void BtnNextClick();
    void GrdClickCell(int ARow, int ACol);
    void PrbMouseDown(int X);
    void FormKeyUp(quint16 Key);
    void SetKeyBoard();

signals:
    // The row of an answer is in the answer record.
    void AnswerRecorded(const TAnswerRow& row);
    // A practice or an exam began; nothing of what the last one showed goes on.
    void PracticeReset();

public:
    quint16 KeyA = 103;
    quint16 KeyB = 100;
    quint16 KeyC = 97;
    quint16 KeyD = 96;
    quint16 KeyYes = 103;
    quint16 KeyNo = 100;
    quint16 KeyPrev = 33;
    quint16 KeyNext = 34;
    // Whether the key is one of the eight bindings above.
    bool IsBound(quint16 key) const;

    const TMainControls& Controls() const { return c; }
    // The question on display, or nullptr while no practice is loaded.
    myRecord* Current();
    // Whether the screen may tell a right answer from a wrong one: always, but in a mock exam
    // only once the paper has been handed in and is under review.
    bool AnswersJudged() const { return !ExamMode || ExamReviewed; }
    // A mock exam paper waits for its first submission.
    bool PaperOpen() const { return ExamMode && !ExamSubmitted; }
    // The program's own starts (those beyond the classic buttons, which abandon a paper
    // without a word) ask "模拟考试还没有交卷，确定要放弃吗？" before they abandon an open paper.
    // True when no paper is open or the learner agreed.
    bool MayAbandonPaper() const;

signals:
    // A question was put on display, another one or the same again.
    void QuestionShown();

private:
    // The eight bindings, in the order of KeyBindings.
    template <typename Self> static auto Bindings(Self& self)
    {
        return std::array{&self.KeyA,   &self.KeyB,  &self.KeyC,    &self.KeyD,
                          &self.KeyYes, &self.KeyNo, &self.KeyPrev, &self.KeyNext};
    }
    void GoToQuestion(int n);
    // The explanation panel after every change of what it depends on: the question shown,
    // its right answer's visibility, an answer given, a new practice.
    void ShowExplanation();
    void ExplainAnswer(const QString& given);
    // Writes the answers' rows. The first failure of each run of failures is handed back to be
    // reported; the later ones would only repeat it at every answer.
    std::optional<ESQLiteException> RecordAnswers(const std::vector<TAnswerRow>& rows);
    TAnswerRow RowOf(const myRecord& q, const QString& answer) const;
    void ShowPicture(const QString& imgname);
    void ShowNoPicture();
    // The answer buttons of the question: 对 and 错, or A to D, on a multiple-choice question as
    // switches pressed for the letters of its answer, with 确定, its hint and room for a longer
    // answer.
    void ShowAnswerButtons(const myRecord& entry);

    TMainControls c;
    // How the answer given is shown for one letter, as the window was built.
    QFont oneLetterFont;
    QRect oneLetterPlace, markPlace;
    TExplanation Explanation;
    std::unique_ptr<platform::TPictureLibrary> PictureLibrary;
    std::optional<QPixmap> QuestionBitmap;
    db::TFailureRuns recordFailures;
};
