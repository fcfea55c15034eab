#include "AnswerSheet.h"
#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"

#include <QAction>
#include <QCheckBox>
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

// The first multiple-choice question of 科目四 in order, shown and then answered with its
// letters chosen, each time anew.
void MultipleChoice(benchmark::State& state)
{
    Context().AddSubjectFour();
    SwitchTo(db::TSubject::Four);
    if (Practice().AutoNext)
        Window().Controls().ChkAutoNext->click();
    const int n = 5;
    const QString result = Practice().Questions[n - 1].result;
    const auto show = [] {
        const TCellPos cell = CellOfQuestion(n);
        Window().Controls().Grd->GotoCell(cell.row, cell.col);
        Practice().GrdClickCell(cell.row, cell.col);
    };
    TimeEach(state, OnScreen([&] {
                 show();
                 for (const QChar letter : result)
                     Practice().FormKeyUp(letter.unicode());
                 Practice().FormKeyUp(32);
             }),
             [] { Practice().Questions[n - 1].answer.clear(); });
    Expect(state, Practice().Questions[n - 1].answer == result, "the letters were not given");
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
    Register("ShowQuestion/multiple-choice-answered", MultipleChoice);
    Register("BtnMNClick/subject4", Paper);
}
