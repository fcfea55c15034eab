#include "AnswerSheet.h"
#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"

#include <QAction>
#include <QPushButton>

// 科目四 beside the full bank of 科目一: the switch between them, a multiple-choice question
// shown and answered, the paper of 50 started.
namespace {

TFrmMain& Window()
{
    return Context().Window();
}

TPractice& Practice()
{
    return Window().Practice();
}

void Expect(benchmark::State& state, bool condition, const char* what)
{
    if (!condition)
        state.SkipWithError(what);
}

void SwitchTo(db::TSubject subject)
{
    const char* item = subject == db::TSubject::Four ? "mniSubject4" : "mniSubject1";
    Window().findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

// There and back, each way a whole start of the other bank with its key derived anew.
void Switch(benchmark::State& state)
{
    Context().AddSubjectFour();
    TimeEach(state, OnScreen([] {
                 SwitchTo(db::CurrentSubject() == db::TSubject::One ? db::TSubject::Four
                                                                    : db::TSubject::One);
             }));
    SwitchTo(db::TSubject::One);
    Expect(state, db::CurrentSubject() == db::TSubject::One, "the switch did not come back");
}

// Two answered multiple-choice questions of 科目四 shown in turn: the question, its letters
// pressed and its answer judged again.
void MultipleChoice(benchmark::State& state)
{
    Context().AddSubjectFour();
    SwitchTo(db::TSubject::Four);
    // The first two multiple-choice questions of the bank in order, answered right.
    constexpr int Shown[] = {5, 10};
    for (int n : Shown) {
        myRecord& q = Practice().Questions[n - 1];
        q.answer = q.result;
    }
    int turn = 0;
    TimeEach(state, OnScreen([&] {
                 const TCellPos cell = CellOfQuestion(Shown[turn++ % 2]);
                 Window().Controls().Grd->GotoCell(cell.row, cell.col);
                 Practice().GrdClickCell(cell.row, cell.col);
             }));
    Expect(state, Practice().Current()->multiple && Window().Controls().BtnA->isCheckable(),
           "no multiple-choice question on display");
    SwitchTo(db::TSubject::One);
}

void Paper(benchmark::State& state)
{
    Context().AddSubjectFour();
    SwitchTo(db::TSubject::Four);
    TimeEach(state, OnScreen([] { Window().Controls().BtnMN->click(); }));
    Expect(state, Practice().ExamMode && Practice().QuestionCount == 50, "no paper of 50");
    // Another start ends the paper, so the switch back has nothing to ask.
    Window().Controls().BtnOrder->click();
    SwitchTo(db::TSubject::One);
}

} // namespace

void RegisterSubjectFour()
{
    Register(names::SubjectSwitch, Switch);
    Register("ShowQuestion/multiple-choice", MultipleChoice);
    Register("BtnMNClick/subject4", Paper);
}
